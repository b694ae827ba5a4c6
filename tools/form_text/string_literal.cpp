#include "form_text/string_literal.h"

#include "form_text/utf8.h"

#include <cstdint>

namespace tcm::tools {

namespace {

bool isSurrogate(char32_t cp) noexcept
{
    return cp >= 0xD800 && cp <= 0xDFFF;
}

std::string hex(std::uint32_t v, int minDigits)
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[v & 0xF]);
        v >>= 4;
    } while (v != 0 || static_cast<int>(out.size()) < minDigits);
    return out;
}

std::string codePointEscape(char32_t cp)
{
    return "\\u{" + hex(cp, 1) + "}";
}

// The escape or the character for ASCII that every literal kind shares;
// empty when the escape depends on the kind of literal.
std::string asciiPart(char32_t c)
{
    switch (c) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    if (c >= 0x20 && c < 0x7F)
        return std::string(1, static_cast<char>(c));
    return {};
}

std::string byteEscape(std::uint8_t b)
{
    return "\\x" + hex(b, 2);
}

}  // namespace

bool toNarrow(const StringUnits& units, std::string& out, std::string& error)
{
    out.clear();
    for (const StringUnit& u : units) {
        if (u.isByte) {
            out.push_back(static_cast<char>(u.value));
        } else if (isSurrogate(u.value)) {
            error = codePointEscape(u.value) + " is a surrogate; only wide strings may hold one";
            return false;
        } else {
            utf8::append(out, u.value);
        }
    }
    return true;
}

bool toWide(const StringUnits& units, std::string& out, std::string& error)
{
    out.clear();
    for (const StringUnit& u : units) {
        if (u.isByte) {
            error = "a wide string holds characters, not bytes: write " + codePointEscape(u.value)
                + " instead of " + byteEscape(static_cast<std::uint8_t>(u.value));
            return false;
        }
        utf8::appendUtf16le(out, u.value);
    }
    return true;
}

std::string quoteNarrow(std::string_view bytes)
{
    std::string out = "\"";
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        const std::string part = asciiPart(b);
        out += part.empty() ? byteEscape(b) : part;
    }
    return out + "\"";
}

std::string quoteUtf8(std::string_view bytes)
{
    std::string out = "\"";
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(bytes, at, cp);
        if (n == 0 || cp < 0x80) {
            const auto b = static_cast<std::uint8_t>(bytes[at]);
            const std::string part = asciiPart(b);
            out += part.empty() ? byteEscape(b) : part;
            ++at;
            continue;
        }
        // C1 control characters are invisible in an editor; spell them out.
        if (cp < 0xA0)
            out += codePointEscape(cp);
        else
            out.append(bytes.substr(at, n));
        at += n;
    }
    return out + "\"";
}

std::string quoteWide(std::string_view utf16le)
{
    const std::size_t count = utf16le.size() / 2;
    const auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<std::uint8_t>(utf16le[2 * i])
                                     | (static_cast<std::uint8_t>(utf16le[2 * i + 1]) << 8));
    };
    std::string out = "\"";
    for (std::size_t i = 0; i < count; ++i) {
        char32_t cp = unitAt(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp < 0x80) {
            const std::string part = asciiPart(cp);
            out += part.empty() ? codePointEscape(cp) : part;
        } else if (cp < 0xA0 || isSurrogate(cp)) {
            out += codePointEscape(cp);
        } else {
            utf8::append(out, cp);
        }
    }
    return out + "\"";
}

}  // namespace tcm::tools
