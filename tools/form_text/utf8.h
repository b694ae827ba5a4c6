#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tcm::tools::utf8 {

// Decodes the code point that starts at text[at]. Returns the number of bytes
// it takes, or 0 when the bytes there are not well-formed UTF-8 (truncated,
// overlong, a surrogate, or past U+10FFFF).
std::size_t decode(std::string_view text, std::size_t at, char32_t& codePoint) noexcept;

// Offset of the first byte that is not part of well-formed UTF-8, or npos.
std::size_t firstInvalid(std::string_view text) noexcept;

// Appends the UTF-8 encoding of a Unicode scalar value.
void append(std::string& out, char32_t codePoint);

// Appends one code point as UTF-16LE bytes: a surrogate pair above U+FFFF,
// otherwise a single unit (which lets a lone surrogate through unchanged).
void appendUtf16le(std::string& out, char32_t codePoint);

// Converts well-formed UTF-8 to UTF-16LE bytes. The caller checks validity first.
std::string toUtf16le(std::string_view text);

}  // namespace tcm::tools::utf8
