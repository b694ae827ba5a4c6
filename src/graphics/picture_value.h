#pragma once

#include "stream/value.h"

#include <string_view>

namespace tcm::graphics {

// A stored picture value taken apart. Both members are views into the value's
// own bytes: nothing is copied, so the value must outlive them.
struct PictureValue {
    std::string_view className;  // selects the picture kind; an unknown name is not an error here
    stream::Bytes file;          // the picture file, possibly empty
};

// Splits a stored picture value:
//   [1 byte: name length n][n bytes: class name][4 bytes LE: file length L][L bytes: file]
// The value holds exactly one picture, so its size must be exactly 5 + n + L;
// bytes after the file mean the value is damaged and are refused. L = 0 is
// accepted: whether an empty file makes a picture is the file reader's call.
// Throws GraphicError for an empty value, a name or length field that runs
// past the end, a file that runs past the end, or trailing bytes.
PictureValue readPictureValue(stream::Bytes value);

// Reads [4 bytes LE: length L][L bytes] that must fill `block` exactly and
// returns a view of the L bytes. `owner` names the value in messages
// ("Picture", "Glyph"). Throws GraphicError.
stream::Bytes readSizedFile(stream::Bytes block, std::string_view owner);

}  // namespace tcm::graphics
