#pragma once

#include "align.h"
#include "geometry.h"

#include <span>

namespace tcm::toolkit {

enum class Axis { Horizontal, Vertical };

struct Anchors {
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;
};

// A direct child of a scrolling window, at its current (scrolled) position.
struct RangeChild {
    Align align = Align::None;
    Anchors anchors;
    bool visible = true;
    Bounds bounds;
};

// The content extent in one direction: the farthest right (bottom) edge of the
// visible children that grow the content that way, in content coordinates
// (current position added back), plus the extents of right- (bottom-) aligned
// children, plus the margin; never below 0.
int scrollRange(Axis axis, std::span<const RangeChild> children, int position, int margin);

}  // namespace tcm::toolkit
