#pragma once

#include "control.h"

#include <QWidget>

namespace tcm::toolkit {

// A push button that never takes the focus: the left mouse button presses it,
// and a release over it raises Click.
class TSpeedButton : public QWidget, public TControl {
    Q_OBJECT

public:
    enum class State { Up, Down };

    explicit TSpeedButton(QWidget* parent = nullptr);
    State state() const { return state_; }

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
    bool tracking_ = false;  // the left button went down over this button and is still held
};

}  // namespace tcm::toolkit
