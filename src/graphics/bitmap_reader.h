#pragma once

#include "raster.h"
#include "stream/value.h"

#include <cstdint>

namespace tcm::graphics {

// Reads a Windows bitmap file into a raster of `format`, top row first.
//
// Accepted: the 12-byte core header and info headers of 40 bytes or more;
// 1, 4, 8 and 24 bits per pixel; no compression; bottom-up (positive height)
// and top-down (negative height) row order.
//
// The colour table follows the info header directly and the pixel rows follow
// the colour table directly; the stored pixel offset is not used. The pixel
// block is the image-size field, or row size x height where that field is 0,
// cut to what the file holds.
//
// Damaged files give a defined picture rather than a failure where the header
// is sound: rows or pixels the file is too short to hold stay black (opaque
// black in Xrgb32), and a palette index past the colour table's end draws black. A file that is not a
// bitmap, uses a form not listed above, has a size of zero, a negative width
// or more than `maxPixels` pixels, or ends before its pixel rows start throws
// GraphicError before anything is allocated. A caller may lower the pixel cap
// (a fuzzer, a small glyph); it never rises above maxRasterPixels.
Raster readBitmap(stream::Bytes file, PixelFormat format, std::uint64_t maxPixels = maxRasterPixels);

}  // namespace tcm::graphics
