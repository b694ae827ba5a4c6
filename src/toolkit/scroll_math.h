#pragma once

#include "geometry.h"

namespace tcm::toolkit {

// Which scroll bars a scrolling window shows. Both are decided together from
// the client area's full size (no bar shown) and the bars' thickness: a bar
// that takes room can make the other one necessary.
struct ScrollBars {
    bool horizontal = false;
    bool vertical = false;
    friend bool operator==(const ScrollBars&, const ScrollBars&) = default;
};
ScrollBars decideScrollBars(int horizontalRange, int verticalRange, int fullWidth, int fullHeight,
                            int barThickness);

// The largest position in one direction: the range less the visible extent.
int maxScrollPosition(int range, int visibleExtent);

// A requested position pulled into 0 ... maxScrollPosition.
int clampScrollPosition(int requested, int range, int visibleExtent);

// The rectangle aligned children of a scrolled window are placed in: at
// least the content, at least the visible area, moved with the scroll.
Bounds scrollLayoutRect(int horizontalPosition, int verticalPosition, int horizontalRange, int verticalRange,
                        int visibleWidth, int visibleHeight);

// The position that brings [innerStart, innerEnd) into the visible span
// [position, position + visibleExtent) with the least movement; when the
// inner span is longer than the visible one, its start is brought in.
int scrollToShow(int position, int visibleExtent, int innerStart, int innerEnd);

}  // namespace tcm::toolkit
