#include "form_text/utf8.h"

#include <cstdint>

namespace tcm::tools::utf8 {

std::size_t decode(std::string_view text, std::size_t at, char32_t& codePoint) noexcept
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    codePoint = cp;
    return length;
}

std::size_t firstInvalid(std::string_view text) noexcept
{
    char32_t cp = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = decode(text, at, cp);
        if (n == 0)
            return at;
        at += n;
    }
    return std::string_view::npos;
}

void append(std::string& out, char32_t cp)
{
    const auto put = [&](char32_t b) { out.push_back(static_cast<char>(b)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

void appendUtf16le(std::string& out, char32_t cp)
{
    const auto unit = [&](char32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    };
    if (cp < 0x10000) {
        unit(cp);
    } else {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    }
}

std::string toUtf16le(std::string_view text)
{
    std::string out;
    char32_t cp = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = decode(text, at, cp);
        if (n == 0)
            break;
        appendUtf16le(out, cp);
        at += n;
    }
    return out;
}

}  // namespace tcm::tools::utf8
