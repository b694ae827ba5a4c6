#include "form_text/text_syntax.h"

#include <algorithm>
#include <array>

namespace tcm::tools {

bool isKeyword(std::string_view word) noexcept
{
    static constexpr std::array<std::string_view, 13> kKeywords = {
        "true", "false", "int8", "int16", "int32", "ident", "lstring",
        "utf8", "wide", "file", "picture", "glyph", "lines",
    };
    return std::find(kKeywords.begin(), kKeywords.end(), word) != kKeywords.end();
}

bool isNameStart(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c) noexcept
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

bool isPlainName(std::string_view text) noexcept
{
    bool atPartStart = true;
    for (char c : text) {
        if (atPartStart) {
            if (!isNameStart(c))
                return false;
            atPartStart = false;
        } else if (c == '.') {
            atPartStart = true;
        } else if (!isNameChar(c)) {
            return false;
        }
    }
    return !atPartStart;
}

}  // namespace tcm::tools
