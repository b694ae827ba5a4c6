#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tcm::tools {

// One element of a decoded string literal. Source characters and \u{...}
// escapes give code points; \xHH escapes give raw bytes. The kind of string
// the literal initialises decides how they become stored bytes.
struct StringUnit {
    char32_t value = 0;
    bool isByte = false;
};
using StringUnits = std::vector<StringUnit>;

// Bytes of an 8-bit, long or UTF-8 string: code points as UTF-8, raw bytes as
// they are. Fails (error set, false returned) on a \u{...} surrogate.
bool toNarrow(const StringUnits& units, std::string& out, std::string& error);

// UTF-16LE bytes of a wide string. A \u{...} surrogate becomes that single
// unit, so unpaired surrogates survive a dump. Fails on a \xHH escape.
bool toWide(const StringUnits& units, std::string& out, std::string& error);

// Quoted literals that decode back to exactly the given bytes: an 8-bit
// string (printable ASCII as is, every other byte escaped), a UTF-8 string
// (well-formed characters as is, stray bytes as \xHH) and a wide string
// given as its UTF-16LE bytes (characters as UTF-8, lone surrogates as \u{...}).
std::string quoteNarrow(std::string_view bytes);
std::string quoteUtf8(std::string_view bytes);
std::string quoteWide(std::string_view utf16le);

}  // namespace tcm::tools
