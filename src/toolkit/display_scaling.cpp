#include "display_scaling.h"

#include <cstdint>
#include <cstdlib>

namespace tcm::toolkit {

int mulDiv(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const bool negative = (product < 0) != (c < 0);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Bounds scaleBounds(Bounds stored, int measured, int storedTextHeight, ScaleKeep keep)
{
    Bounds scaled;
    scaled.left = mulDiv(stored.left, measured, storedTextHeight);
    scaled.top = mulDiv(stored.top, measured, storedTextHeight);
    scaled.width = mulDiv(stored.right(), measured, storedTextHeight) - scaled.left;
    scaled.height = keep == ScaleKeep::Height
                        ? stored.height
                        : mulDiv(stored.bottom(), measured, storedTextHeight) - scaled.top;
    return scaled;
}

int scaleFontHeight(int height, int pixelsPerInch, int storedPixelsPerInch)
{
    return mulDiv(height, pixelsPerInch, storedPixelsPerInch);
}

}  // namespace tcm::toolkit
