#pragma once

#include "control.h"

#include <QWidget>

namespace tcm::toolkit {

// A picture control. It draws nothing of its own where it has no picture, so
// its parent's background shows there.
class TImage : public QWidget, public TControl {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on) { autoSize_ = on; }
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);
    bool proportional() const { return proportional_; }
    void setProportional(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    static const ClassInfo& classInfo();

private:
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
};

}  // namespace tcm::toolkit
