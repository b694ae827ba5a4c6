#pragma once

#include "bevel.h"
#include "colours.h"
#include "control.h"

#include <QWidget>

namespace tcm::toolkit {

// A container drawn as a classic raised or lowered box.
class TPanel : public QWidget, public TControl, public TContainer {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    BevelCut bevelInner() const { return bevelInner_; }
    BevelCut bevelOuter() const { return bevelOuter_; }
    int bevelWidth() const { return bevelWidth_; }
    int borderWidth() const { return borderWidth_; }
    void setBevelInner(BevelCut cut);
    void setBevelOuter(BevelCut cut);
    void setBevelWidth(int width);
    void setBorderWidth(int width);
    TColor color() const { return color_; }
    void setColor(TColor colour);

    void realign() override;
    static const ClassInfo& classInfo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void changeFrame();

    BevelCut bevelInner_ = BevelCut::None;
    BevelCut bevelOuter_ = BevelCut::Raised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor color_ = clBtnFace;
    bool aligning_ = false;
};

}  // namespace tcm::toolkit
