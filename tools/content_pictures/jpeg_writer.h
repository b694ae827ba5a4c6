#pragma once

#include "byte_buffer.h"
#include "rgb_image.h"

#include <vector>

namespace tcm::tools {

// An application marker written right after the JFIF header, in list order.
struct JpegMarker {
    int code = 0;  // 0xE1 for APP1, 0xE2 for APP2, ...
    Bytes payload; // everything after the 2-byte length field
};

struct JpegOptions {
    // Percentage by which the standard luminance and chrominance tables are
    // scaled (libjpeg's linear quality): 50 halves every entry, rounding a
    // half up; 0 makes every entry 1.
    int tableScalePercent = 50;
    bool jfifHeader = true; // APP0 "JFIF" 1.01, 96 x 96 dots per inch
    std::vector<JpegMarker> markers;
};

// Baseline JPEG of the image: YCbCr 4:2:0, the standard Huffman tables,
// one interleaved scan, no restart markers.
Bytes encodeJpeg(const RgbImage& image, const JpegOptions& options);

}  // namespace tcm::tools
