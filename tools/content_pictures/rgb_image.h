#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tcm::tools {

// A rendered picture handed from the SVG renderer to the file writers:
// rows top to bottom, 3 bytes per pixel (red, green, blue), no row padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    const std::uint8_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
};

// The rendered picture's pixels in that layout.
RgbImage toRgbImage(const QImage& image);

}  // namespace tcm::tools
