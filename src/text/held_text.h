#pragma once

#include <string>
#include <string_view>

namespace tcm::text {

// A text box holds its text as 8-bit characters of the locale's character
// set (`codeset`, an iconv name; see localeCodeset()). Stored 8-bit strings
// are held byte for byte; stored Unicode strings are converted here.
//
// The conversion never fails and never stops: a character the set lacks
// becomes the C library's substitute for it (a transliteration where one
// exists, else "?"), ill-formed input becomes U+FFFD first, and ASCII
// characters, line breaks included, always come through unchanged. An
// unknown character set is treated as ASCII.
std::string heldFromUtf16(std::u16string_view text, std::string_view codeset);
std::string heldFromUtf8(std::string_view text, std::string_view codeset);

// Held text decoded back to Unicode (UTF-8) for display; a byte sequence
// that is not a character of the set shows as U+FFFD.
std::string heldToUtf8(std::string_view held, std::string_view codeset);

// Appends one line to held text: every line, the last one too, ends in CR LF.
void appendHeldLine(std::string& held, std::string_view line);

}  // namespace tcm::text
