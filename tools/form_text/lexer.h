#pragma once

#include "form_text/source_pos.h"
#include "form_text/string_literal.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tcm::tools {

enum class TokenKind {
    Name,      // Caption, Font.Height, clBtnFace, int16 ... (keywords are decided by the parser)
    String,    // "..." with escapes decoded
    Integer,   // 42, -11
    Bytes,     // <0A1B ...>, the hex decoded
    Equals,
    LBrace,
    RBrace,
    LParen,
    RParen,
    LBracket,
    RBracket,
    Comma,
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;         // Name: the name; Integer: its digits and sign; Bytes: the bytes
    StringUnits units;        // String: the decoded literal
    SourcePos pos;            // first character
    std::size_t endLine = 1;  // line of the last character; a byte block may span lines
};

// Splits a whole text form into tokens, the last one End. The source must be
// UTF-8 (a leading byte-order mark is skipped). Throws FormError.
std::vector<Token> tokenize(std::string_view source, const std::string& fileName);

// How a token kind is named in error messages: "a name", "'{'", ...
const char* describe(TokenKind kind) noexcept;

}  // namespace tcm::tools
