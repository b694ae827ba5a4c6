#include "scroll_math.h"

#include <algorithm>

namespace tcm::toolkit {

ScrollBars decideScrollBars(int horizontalRange, int verticalRange, int fullWidth, int fullHeight,
                            int barThickness)
{
    if (verticalRange > fullHeight)
        return {horizontalRange > fullWidth - barThickness, true};
    if (horizontalRange > fullWidth)
        return {true, verticalRange > fullHeight - barThickness};
    return {false, false};
}

int maxScrollPosition(int range, int visibleExtent)
{
    return std::max(0, range - visibleExtent);
}

int clampScrollPosition(int requested, int range, int visibleExtent)
{
    return std::clamp(requested, 0, maxScrollPosition(range, visibleExtent));
}

Bounds scrollLayoutRect(int horizontalPosition, int verticalPosition, int horizontalRange, int verticalRange,
                        int visibleWidth, int visibleHeight)
{
    return {-horizontalPosition, -verticalPosition, std::max(horizontalRange, visibleWidth),
            std::max(visibleHeight, verticalRange)};
}

int scrollToShow(int position, int visibleExtent, int innerStart, int innerEnd)
{
    if (innerStart < position)
        return innerStart;
    if (innerEnd > position + visibleExtent)
        return innerEnd - innerStart > visibleExtent ? innerStart : innerEnd - visibleExtent;
    return position;
}

}  // namespace tcm::toolkit
