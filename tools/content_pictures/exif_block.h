#pragma once

#include "byte_buffer.h"

#include <cstdint>
#include <string>

namespace tcm::tools {

struct Rational {
    std::uint32_t numerator = 0;
    std::uint32_t denominator = 1;
};

// What the Exif block of a chart records.
struct ExifFields {
    Rational resolution;   // horizontal and vertical, dots per inch
    std::string software;  // the program that wrote the file
    std::string dateTime;  // "YYYY:MM:DD HH:MM:SS", fixed so the output is reproducible
    std::uint32_t pixelWidth = 0;
    std::uint32_t pixelHeight = 0;
    Bytes thumbnail;       // a complete small JPEG file
};

// The APP1 payload: "Exif\0\0" and a little-endian TIFF structure holding
// IFD0 (7 entries), the Exif IFD (3 entries) and IFD1 describing the
// thumbnail, followed by the thumbnail itself.
Bytes buildExifBlock(const ExifFields& fields);

}  // namespace tcm::tools
