#pragma once

#include "control.h"

#include <QPlainTextEdit>

namespace tcm::toolkit {

// A multi-line text box: word-wrapped, no scroll bars, Tab moves the focus,
// a sunken classic border inside its size.
class TMemo : public QPlainTextEdit, public TControl {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    bool tabStop() const override { return true; }
    // A text box keeps its stored height when the layout is scaled.
    void scaleLayout(int measured, int stored) override;

    static const ClassInfo& classInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tcm::toolkit
