#pragma once

#include "scroll_range.h"

class QScrollBar;

namespace tcm::toolkit {

// One direction of a scrolling window's content plane: its range, the
// position shown at the visible area's near edge, and the bar that shows
// them. The window keeps both in step; see TForm.
class TControlScrollBar {
public:
    explicit TControlScrollBar(Axis axis) : axis_(axis) {}

    Axis kind() const { return axis_; }
    int Range() const { return range_; }
    int Position() const { return position_; }
    int Increment() const { return increment_; }
    bool Tracking() const { return tracking_; }
    int Margin() const { return margin_; }
    // Whether the bar is on screen (it shows only when the content needs it).
    bool IsScrollBarVisible() const { return shown_; }

private:
    friend class TForm;

    Axis axis_;
    int range_ = 0;
    int position_ = 0;
    int increment_ = 8;
    bool tracking_ = false;  // the content moves when the thumb is released
    int margin_ = 0;
    bool shown_ = false;
    QScrollBar* bar_ = nullptr;
};

}  // namespace tcm::toolkit
