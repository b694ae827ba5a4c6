#include "glyph_value.h"

#include "picture_value.h"

namespace tcm::graphics {

stream::Bytes readGlyphValue(stream::Bytes value)
{
    return readSizedFile(value, "Glyph");
}

}  // namespace tcm::graphics
