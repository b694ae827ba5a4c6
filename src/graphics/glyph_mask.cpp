#include "glyph_mask.h"

#include <algorithm>
#include <bit>

namespace tcm::graphics {

PixelMask::PixelMask(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      stride_((static_cast<std::size_t>(width_) + 7) / 8),
      bits_(stride_ * static_cast<std::size_t>(height_), 0)
{
}

bool PixelMask::transparent(int x, int y) const
{
    const std::size_t at = static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) / 8;
    return (bits_[at] >> (x % 8)) & 1;
}

void PixelMask::setTransparent(int x, int y, bool on)
{
    std::uint8_t& byte = bits_[static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) / 8];
    const auto bit = static_cast<std::uint8_t>(1u << (x % 8));
    byte = on ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}

std::size_t PixelMask::transparentCount() const
{
    // Bits past a row's last pixel are never set, so every set bit counts.
    std::size_t n = 0;
    for (std::uint8_t b : bits_)
        n += static_cast<std::size_t>(std::popcount(b));
    return n;
}

std::uint32_t glyphTransparentColour(const Raster& glyph)
{
    return glyph.empty() ? 0 : glyph.rgbAt(0, glyph.height() - 1);
}

PixelMask glyphMask(const Raster& glyph)
{
    if (glyph.empty())
        return {};
    const std::uint32_t key = glyphTransparentColour(glyph);
    PixelMask mask(glyph.width(), glyph.height());
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.rgbAt(x, y) == key)
                mask.setTransparent(x, y);
    return mask;
}

}  // namespace tcm::graphics
