#pragma once

#include "stream/value.h"

namespace tcm::graphics {

// Returns the bitmap file held by a stored glyph value:
//   [4 bytes LE: file length L][L bytes: bitmap file]
// A glyph value carries no class name. The value must be exactly 4 + L bytes;
// L = 0 is accepted here and left to the bitmap reader. The result is a view
// into `value`. Throws GraphicError for a length field or file that runs past
// the end, or bytes after the file.
stream::Bytes readGlyphValue(stream::Bytes value);

}  // namespace tcm::graphics
