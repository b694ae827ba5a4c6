#pragma once

#include "glyph_mask.h"
#include "raster.h"
#include "stream/value.h"

#include <cstdint>
#include <vector>

namespace tcm::graphics {

// One entry of an icon group: the size and depth of one icon image and the
// number of the icon image resource that holds it.
struct IconGroupEntry {
    int width = 0;   // a stored 0 means 256
    int height = 0;
    int colourCount = 0;  // as stored; writers disagree on it, so nothing relies on it
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t bytesInResource = 0;
    std::uint16_t imageId = 0;
};

// Reads an icon group resource:
//   reserved (2 bytes, 0), type (2, 1 for icons), count (2, at least 1),
//   then `count` entries of 14 bytes: width (1), height (1), colour count (1),
//   reserved (1), planes (2), bits per pixel (2), bytes in resource (4),
//   image resource number (2); all little-endian.
// Bytes after the last entry are ignored. Throws GraphicError for a wrong
// reserved or type field, no entries, or entries that run past the end.
std::vector<IconGroupEntry> readIconGroup(stream::Bytes group);

// The most pixels wide (and high) an icon image may be.
inline constexpr int maxIconSize = 256;

// Reads an icon image resource: an info header of at least 40 bytes whose
// height counts the colour image and the mask together (twice the width,
// which is 1 to maxIconSize), no compression, one plane; a colour table of
// 2^bits entries (or the colours-used field, when not 0) for 1, 4 and 8 bits
// per pixel, none for 24 and 32; the colour rows, then the AND mask rows
// (1 bit per pixel, 1 = transparent), both bottom row first and each row
// filled to a multiple of 4 bytes. The image-size field is not used, and
// bytes after the mask are ignored. An index past a short colour table draws
// black. The result is the image top row first in `format`, with its mask.
// Throws GraphicError for any other form, a colour table larger than the
// depth allows, or data that ends before the mask's last row.
MaskedImage readIconImage(stream::Bytes image, PixelFormat format = PixelFormat::Xrgb32);

}  // namespace tcm::graphics
