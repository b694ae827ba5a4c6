#pragma once

#include "raster.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tcm::graphics {

// One bit per pixel, rows top to bottom; a set bit marks a transparent pixel,
// where whatever lies beneath shows through.
class PixelMask {
public:
    PixelMask() = default;
    // All pixels opaque. Sizes below zero count as zero.
    PixelMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool transparent(int x, int y) const;
    void setTransparent(int x, int y, bool on = true);
    std::size_t transparentCount() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;  // bytes per row
    std::vector<std::uint8_t> bits_;
};

// Pixels drawn through a mask of the same size.
struct MaskedImage {
    Raster pixels;
    PixelMask mask;
};

// A glyph's transparent colour, 0xRRGGBB: its bottom-left pixel as displayed
// (the first pixel a bottom-up file stores). An empty raster has none and
// gives 0.
std::uint32_t glyphTransparentColour(const Raster& glyph);

// The mask of a glyph: transparent exactly where the pixel's 24-bit colour
// equals the transparent colour; colours that differ by one step in any
// channel stay opaque. An empty raster gives an empty mask.
PixelMask glyphMask(const Raster& glyph);

}  // namespace tcm::graphics
