#include "scroll_range.h"

#include <algorithm>

namespace tcm::toolkit {

namespace {

// Children whose far edge raises the range: unaligned ones pinned to the near
// edge only, and ones aligned to the near edge.
bool growsRange(Axis axis, const RangeChild& c)
{
    if (axis == Axis::Horizontal)
        return c.align == Align::Left ||
               (c.align == Align::None && c.anchors.left && !c.anchors.right);
    return c.align == Align::Top || (c.align == Align::None && c.anchors.top && !c.anchors.bottom);
}

bool addsToRange(Axis axis, const RangeChild& c)
{
    return c.align == (axis == Axis::Horizontal ? Align::Right : Align::Bottom);
}

}  // namespace

int scrollRange(Axis axis, std::span<const RangeChild> children, int position, int margin)
{
    int maxEdge = 0;
    int alignedSum = 0;
    for (const RangeChild& c : children) {
        if (!c.visible)
            continue;
        const int extent = axis == Axis::Horizontal ? c.bounds.width : c.bounds.height;
        if (growsRange(axis, c)) {
            const int start = axis == Axis::Horizontal ? c.bounds.left : c.bounds.top;
            maxEdge = std::max(maxEdge, position + start + extent);
        } else if (addsToRange(axis, c)) {
            alignedSum += extent;
        }
    }
    return std::max(0, maxEdge + alignedSum + margin);
}

}  // namespace tcm::toolkit
