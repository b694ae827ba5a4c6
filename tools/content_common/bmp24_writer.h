#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

namespace tcm::tools {

// How a 24-bit bitmap file is written beyond its pixels.
struct Bmp24Options {
    std::int32_t pixelsPerMetre = 3780;
    // The byte written at fill position `index` (0-based within the row) at
    // the end of stored row `storedRow` (0 = bottom row). Default: zero.
    std::function<std::uint8_t(int storedRow, int index)> fill;
};

// A Windows bitmap file: 14-byte file header, 40-byte info header, no colour
// table, rows bottom-up, 3 bytes per pixel (blue, green, red), each row filled
// to a multiple of 4 bytes; the image-size field holds the pixel block's size.
std::vector<std::uint8_t> encodeBmp24(const QImage& image, const Bmp24Options& options);

}  // namespace tcm::tools
