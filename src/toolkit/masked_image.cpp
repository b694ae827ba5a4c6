#include "masked_image.h"

namespace tcm::toolkit {

QImage maskedImage(const graphics::Raster& pixels, const graphics::PixelMask& mask)
{
    if (pixels.empty() || mask.width() != pixels.width() || mask.height() != pixels.height())
        return {};
    QImage image(pixels.width(), pixels.height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = mask.transparent(x, y) ? 0 : 0xFF000000u | pixels.rgbAt(x, y);
    }
    return image;
}

}  // namespace tcm::toolkit
