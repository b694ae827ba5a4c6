#pragma once

#include "raster.h"

#include <cstdint>

namespace tcm::graphics {

// Bounds that keep a hostile JPEG file from exhausting memory or time. The
// defaults leave ample room for any picture the program ships.
struct JpegLimits {
    // Width x height above this is refused right after the header is read,
    // before the decoder or the raster allocates anything. Never more than
    // maxRasterPixels, whatever is asked here.
    std::uint64_t maxPixels = maxRasterPixels;
    // Memory libjpeg may take for its own whole-image buffers (progressive
    // and multi-scan files keep every coefficient until the last scan).
    long maxMemory = 256L * 1024 * 1024;
    // Scans a file may have. Encoders write about ten for a progressive
    // file. Each scan can cost a pass over every coefficient of the picture
    // (tens of milliseconds at the pixel cap), so a small file repeating one
    // scan a thousand times would hold the program for half a minute.
    int maxScans = 100;
};

// Message number of the error raised when a file has more scans than
// JpegLimits::maxScans. libjpeg has no message of its own for this, so it is
// added after libjpeg's own numbers, the way libjpeg provides for.
inline constexpr int jpegErrorTooManyScans = 1000;

}  // namespace tcm::graphics
