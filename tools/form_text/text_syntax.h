#pragma once

#include <string_view>

namespace tcm::tools {

// Words that open a value form instead of naming an identifier value:
// true false int8 int16 int32 ident lstring utf8 wide file picture glyph lines.
// Outside value position (object, class, property and set member names) they
// are ordinary names.
bool isKeyword(std::string_view word) noexcept;

// A name that can be written without quotes: ASCII letters, digits and '_',
// not starting with a digit, optionally several such parts joined by single
// dots ("Font.Height"). Anything else is written as a quoted string.
bool isPlainName(std::string_view text) noexcept;

bool isNameStart(char c) noexcept;
bool isNameChar(char c) noexcept;

}  // namespace tcm::tools
