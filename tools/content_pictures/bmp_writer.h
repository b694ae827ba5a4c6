#pragma once

#include "byte_buffer.h"
#include "rgb_image.h"

namespace tcm::tools {

// A 24-bit Windows bitmap file: 14-byte file header, 40-byte info header,
// no colour table, rows bottom-up, each pixel blue, green, red, rows padded
// to 4 bytes; 3,780 pixels per metre (96 dpi).
Bytes encodeBmp(const RgbImage& image);

}  // namespace tcm::tools
