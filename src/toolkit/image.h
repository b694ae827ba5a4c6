#pragma once

#include "control.h"
#include "graphic.h"
#include "picture_placement.h"

#include <QWidget>

#include <memory>

namespace tcm::toolkit {

// A picture control. Where it has no picture, or its picture does not cover
// it, it draws nothing and its parent shows through.
class TImage : public QWidget, public TControl {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;

    TGraphic* picture() const { return picture_.get(); }
    // Takes a new picture (or none): resizes to it under AutoSize, repaints.
    void setPicture(std::unique_ptr<TGraphic> picture);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool stretch() const { return settings_.stretch; }
    void setStretch(bool on);
    bool center() const { return settings_.center; }
    void setCenter(bool on);
    bool proportional() const { return settings_.proportional; }
    void setProportional(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    // Under AutoSize a picture control keeps its picture's size; only its
    // position follows.
    void setBounds(Bounds b) override;
    // Where the picture is drawn, in the control's coordinates.
    Bounds destination() const;

    static const ClassInfo& classInfo();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pictureChanged();

    std::unique_ptr<TGraphic> picture_;
    bool autoSize_ = false;
    bool transparent_ = false;
    PictureSettings settings_;
};

}  // namespace tcm::toolkit
