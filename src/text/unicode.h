#pragma once

#include <string>
#include <string_view>

namespace tcm::text {

// The replacement character U+FFFD in UTF-8.
inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// UTF-16 as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// The same text with every ill-formed part replaced by U+FFFD, one for each
// maximal part that could have begun a character (as the Unicode Standard
// recommends), so the count of replacements never depends on the decoder.
std::string repairUtf8(std::string_view utf8);

}  // namespace tcm::text
