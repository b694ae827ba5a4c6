#include "held_text.h"

#include "unicode.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace tcm::text {

namespace {

// One iconv conversion descriptor, closed when it goes.
class Iconv {
public:
    Iconv(const std::string& to, const std::string& from) : cd_(::iconv_open(to.c_str(), from.c_str())) {}
    ~Iconv()
    {
        if (ok())
            ::iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// How many input bytes one unconvertible character takes.
using SkipLength = std::size_t (*)(std::string_view rest);

// Well-formed UTF-8 input: the whole character.
std::size_t wholeUtf8Char(std::string_view rest)
{
    const auto lead = static_cast<unsigned char>(rest.front());
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Held 8-bit input: one byte, then the conversion tries again after it.
std::size_t oneByte(std::string_view)
{
    return 1;
}

// Converts all of `in`; every sequence iconv cannot convert is replaced by
// `substitute` and skipped.
std::string convert(iconv_t cd, std::string_view in, std::string_view substitute, SkipLength skip)
{
    std::string out;
    out.reserve(in.size() * 2);
    char buffer[1024];
    // iconv's prototype takes non-const input, though it never writes to it.
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a sequence cut short at the end): substitute it.
        out += substitute;
        const std::size_t n = std::min(skip({inPtr, inLeft}), inLeft);
        inPtr += n;
        inLeft -= n;
    }
    // Back to the initial shift state, for character sets that have one.
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return out;
}

// Without a converter for the set: ASCII as it is, everything else substituted.
std::string asciiOnly(std::string_view in, std::string_view substitute, SkipLength skip)
{
    std::string out;
    out.reserve(in.size());
    while (!in.empty()) {
        if (static_cast<unsigned char>(in.front()) < 0x80) {
            out += in.front();
            in.remove_prefix(1);
        } else {
            out += substitute;
            in.remove_prefix(std::min(skip(in), in.size()));
        }
    }
    return out;
}

// Well-formed UTF-8 to the character set.
std::string encode(std::string_view utf8, std::string_view codeset)
{
    // Every locale character set is a superset of ASCII, so "?" is the same
    // byte in all of them.
    constexpr std::string_view substitute = "?";
    const std::string target(codeset);
    Iconv translit(target + "//TRANSLIT", "UTF-8");
    if (translit.ok())
        return convert(translit.get(), utf8, substitute, wholeUtf8Char);
    Iconv plain(target, "UTF-8");
    if (plain.ok())
        return convert(plain.get(), utf8, substitute, wholeUtf8Char);
    return asciiOnly(utf8, substitute, wholeUtf8Char);
}

}  // namespace

std::string heldFromUtf16(std::u16string_view text, std::string_view codeset)
{
    return encode(utf16ToUtf8(text), codeset);
}

std::string heldFromUtf8(std::string_view text, std::string_view codeset)
{
    return encode(repairUtf8(text), codeset);
}

std::string heldToUtf8(std::string_view held, std::string_view codeset)
{
    Iconv decoder("UTF-8", std::string(codeset));
    if (!decoder.ok())
        return asciiOnly(held, kReplacementUtf8, oneByte);
    // From UTF-8, glibc's iconv lets sequences beyond U+10FFFF through; the
    // repair makes the result well formed whatever the set.
    return repairUtf8(convert(decoder.get(), held, kReplacementUtf8, oneByte));
}

void appendHeldLine(std::string& held, std::string_view line)
{
    held += line;
    held += "\r\n";
}

}  // namespace tcm::text
