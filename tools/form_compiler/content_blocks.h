#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tcm::tools {

// The byte block of a picture property: [1-byte class-name length][class
// name, e.g. TJPEGImage or TBitmap][4-byte LE length of the file][file bytes].
// Throws std::invalid_argument for an empty or over-long class name or a file
// too large for a 32-bit length.
std::string pictureBlock(std::string_view graphicClass, std::string_view fileBytes);

// The byte block of a button glyph: [4-byte LE length][file bytes].
std::string glyphBlock(std::string_view fileBytes);

// The lines of a UTF-8 text file: split at "\n", a "\r" before it dropped, a
// leading byte-order mark skipped, and no empty last line for a final line
// break. Throws std::invalid_argument naming the first line that is not UTF-8.
std::vector<std::string> textLines(std::string_view fileBytes);

}  // namespace tcm::tools
