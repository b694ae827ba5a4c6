#include "raster.h"

#include "graphic_error.h"

#include <algorithm>
#include <cstring>

namespace tcm::graphics {

Raster::Raster(int width, int height, PixelFormat format) : width_(width), height_(height), format_(format)
{
    if (width <= 0 || height <= 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > maxRasterPixels)
        throw GraphicError("Picture of " + std::to_string(width) + " x " + std::to_string(height) +
                           " pixels is too large");
    stride_ = static_cast<std::size_t>(width) * bytesPerPixel();
    bytes_.reset(static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(height), stride_)));
    if (!bytes_)
        throw GraphicError("Out of memory for a picture of " + std::to_string(width) + " x " +
                           std::to_string(height) + " pixels");
}

std::uint32_t Raster::rgbAt(int x, int y) const
{
    const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytesPerPixel();
    if (format_ == PixelFormat::Xrgb32)
        return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}

void Raster::setRgb(int x, int y, std::uint32_t rgb)
{
    std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytesPerPixel();
    const auto r = static_cast<std::uint8_t>(rgb >> 16);
    const auto g = static_cast<std::uint8_t>(rgb >> 8);
    const auto b = static_cast<std::uint8_t>(rgb);
    if (format_ == PixelFormat::Xrgb32) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
        p[3] = 0xFF;
    } else {
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
}

void Raster::fillBlack(int firstRow)
{
    for (int y = std::max(firstRow, 0); y < height_; ++y) {
        std::uint8_t* p = row(y);
        std::memset(p, 0, stride_);
        if (format_ == PixelFormat::Xrgb32)
            for (int x = 0; x < width_; ++x)
                p[4 * static_cast<std::size_t>(x) + 3] = 0xFF;
    }
}

}  // namespace tcm::graphics
