#pragma once

#include "control.h"
#include "glyph_placement.h"

#include "graphics/raster.h"

#include <QImage>
#include <QWidget>

namespace tcm::toolkit {

// A push button that never takes the focus: the left mouse button presses it,
// and a release over it raises Click. It shows a glyph and no caption, on a
// classic frame that is raised when up and sunken while pressed.
class TSpeedButton : public QWidget, public TControl {
    Q_OBJECT

public:
    using State = ButtonState;

    explicit TSpeedButton(QWidget* parent = nullptr);
    State state() const { return state_; }

    const graphics::Raster& glyph() const { return glyph_; }
    // Replaces the glyph (empty: none) and drops the masked image made from
    // the previous one.
    void setGlyph(graphics::Raster glyph);
    // The glyph drawn through its transparency mask, made once the window
    // has finished loading; null before that and without a glyph.
    const QImage& maskedGlyph() const { return maskedGlyph_; }

    void loaded() override;

    static const ClassInfo& classInfo();

signals:
    // The stored OnClick handler is connected here.
    void Click(QObject* Sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void press();
    void setState(State state);

    State state_ = State::Up;
    graphics::Raster glyph_;
    QImage maskedGlyph_;
    bool tracking_ = false;  // the left button went down over this button and is still held
};

}  // namespace tcm::toolkit
