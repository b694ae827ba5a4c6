#include "unicode.h"

namespace tcm::text {

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isHighSurrogate(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLowSurrogate(char16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

// Length of the UTF-8 character at `s`, and whether it is well formed; when
// it is not, the length is that of the longest prefix that could still have
// become a character (at least 1).
struct Utf8Step {
    std::size_t length;
    bool valid;
};

Utf8Step utf8Step(std::string_view s)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, true};
    // The well-formed sequences: the second byte's range depends on the lead
    // byte (no overlong forms, no surrogates, nothing above U+10FFFF).
    std::size_t trail = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i <= trail; ++i) {
        if (i >= s.size())
            return {i, false};
        const unsigned char b = byte(i);
        const bool inRange = i == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
        if (!inRange)
            return {i, false};
    }
    return {trail + 1, true};
}

}  // namespace

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (isHighSurrogate(u) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            const char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10)
                             + (static_cast<char32_t>(utf16[i + 1]) - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            out += kReplacementUtf8;
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::string repairUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Utf8Step step = utf8Step(utf8);
        if (step.valid)
            out += utf8.substr(0, step.length);
        else
            out += kReplacementUtf8;
        utf8.remove_prefix(step.length);
    }
    return out;
}

}  // namespace tcm::text
