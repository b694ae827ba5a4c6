#include "rgb_image.h"

#include <cstring>

namespace tcm::tools {

RgbImage toRgbImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage out{rgb.width(), rgb.height(),
                 std::vector<std::uint8_t>(static_cast<std::size_t>(rgb.width()) * rgb.height() * 3)};
    const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.pixels.data() + y * rowBytes, rgb.constScanLine(y), rowBytes);
    return out;
}

}  // namespace tcm::tools
