#pragma once

namespace tcm::toolkit {

// A control's bounds in its parent's client coordinates.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

}  // namespace tcm::toolkit
