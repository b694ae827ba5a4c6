#pragma once

#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"
#include "toolkit/speed_button.h"

namespace tcm::ui {

// The main window. Its controls and settings come from its stored
// description; the fields are bound to the controls by name, and the
// buttons' OnClick values name the three handlers.
class TForm1 : public toolkit::TForm {
    Q_OBJECT
    Q_PROPERTY(tcm::toolkit::TPanel* Panel1 MEMBER Panel1)
    Q_PROPERTY(tcm::toolkit::TSpeedButton* SpeedButton1 MEMBER SpeedButton1)
    Q_PROPERTY(tcm::toolkit::TSpeedButton* SpeedButton2 MEMBER SpeedButton2)
    Q_PROPERTY(tcm::toolkit::TImage* Image1 MEMBER Image1)
    Q_PROPERTY(tcm::toolkit::TMemo* Memo1 MEMBER Memo1)
    Q_PROPERTY(tcm::toolkit::TImage* Image2 MEMBER Image2)
    Q_PROPERTY(tcm::toolkit::TSpeedButton* SpeedButton3 MEMBER SpeedButton3)
    Q_PROPERTY(tcm::toolkit::TPanel* Panel2 MEMBER Panel2)
    Q_PROPERTY(tcm::toolkit::TImage* Image3 MEMBER Image3)
    Q_PROPERTY(tcm::toolkit::TMemo* Memo2 MEMBER Memo2)

public:
    toolkit::TPanel* Panel1 = nullptr;
    toolkit::TSpeedButton* SpeedButton1 = nullptr;
    toolkit::TSpeedButton* SpeedButton2 = nullptr;
    toolkit::TImage* Image1 = nullptr;
    toolkit::TMemo* Memo1 = nullptr;
    toolkit::TImage* Image2 = nullptr;
    toolkit::TSpeedButton* SpeedButton3 = nullptr;
    toolkit::TPanel* Panel2 = nullptr;
    toolkit::TImage* Image3 = nullptr;
    toolkit::TMemo* Memo2 = nullptr;

public slots:
    void SpeedButton2Click(QObject* Sender);
    void SpeedButton1Click(QObject* Sender);
    void SpeedButton3Click(QObject* Sender);
};

// The main window, set as soon as it is allocated.
extern TForm1* Form1;

}  // namespace tcm::ui
