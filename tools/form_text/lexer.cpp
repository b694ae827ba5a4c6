#include "form_text/lexer.h"

#include "form_text/form_error.h"
#include "form_text/text_syntax.h"
#include "form_text/utf8.h"

#include <cstdint>

namespace tcm::tools {

namespace {

int hexValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

bool isSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks the source byte by byte. The whole source is checked for well-formed
// UTF-8 first, so columns can be counted as non-continuation bytes.
class Lexer {
public:
    Lexer(std::string_view source, const std::string& file) : src_(source), file_(file) {}

    std::vector<Token> run()
    {
        if (src_.starts_with("\xEF\xBB\xBF"))
            at_ = 3;
        checkUtf8();
        std::vector<Token> out;
        for (;;) {
            skipSpaceAndComments();
            Token t;
            t.pos = here();
            if (at_ == src_.size()) {
                t.kind = TokenKind::End;
                t.endLine = line_;
                out.push_back(std::move(t));
                return out;
            }
            lexToken(t);
            t.endLine = line_;
            out.push_back(std::move(t));
        }
    }

private:
    [[noreturn]] void fail(SourcePos pos, const std::string& message) const
    {
        throw FormError(file_, pos, message);
    }

    SourcePos here() const noexcept { return {line_, column_}; }
    bool atEnd() const noexcept { return at_ == src_.size(); }
    char peek(std::size_t ahead = 0) const noexcept
    {
        return at_ + ahead < src_.size() ? src_[at_ + ahead] : '\0';
    }

    void advance() noexcept
    {
        const char c = src_[at_++];
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else if ((static_cast<std::uint8_t>(c) & 0xC0) != 0x80) {
            ++column_;
        }
    }

    void checkUtf8()
    {
        const std::size_t bad = utf8::firstInvalid(src_.substr(at_));
        if (bad == std::string_view::npos)
            return;
        const std::size_t stop = at_ + bad;
        while (at_ < stop)
            advance();
        fail(here(), "the file is not valid UTF-8 here");
    }

    void skipSpaceAndComments()
    {
        while (!atEnd()) {
            if (isSpace(peek())) {
                advance();
            } else if (peek() == '#') {
                while (!atEnd() && peek() != '\n')
                    advance();
            } else {
                return;
            }
        }
    }

    std::string currentCharacter() const
    {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(src_, at_, cp);
        return std::string(src_.substr(at_, n == 0 ? 1 : n));
    }

    void lexToken(Token& t)
    {
        const char c = peek();
        if (isNameStart(c))
            return lexName(t);
        if (isDigit(c) || (c == '-' && isDigit(peek(1))))
            return lexInteger(t);
        if (c == '"')
            return lexString(t);
        if (c == '<')
            return lexBytes(t);
        switch (c) {
        case '=': t.kind = TokenKind::Equals; break;
        case '{': t.kind = TokenKind::LBrace; break;
        case '}': t.kind = TokenKind::RBrace; break;
        case '(': t.kind = TokenKind::LParen; break;
        case ')': t.kind = TokenKind::RParen; break;
        case '[': t.kind = TokenKind::LBracket; break;
        case ']': t.kind = TokenKind::RBracket; break;
        case ',': t.kind = TokenKind::Comma; break;
        default: fail(here(), "unexpected character '" + currentCharacter() + "'");
        }
        advance();
    }

    void lexName(Token& t)
    {
        t.kind = TokenKind::Name;
        const std::size_t start = at_;
        for (;;) {
            while (isNameChar(peek()))
                advance();
            if (peek() != '.' || !isNameStart(peek(1)))
                break;
            advance();
        }
        t.text = std::string(src_.substr(start, at_ - start));
    }

    void lexInteger(Token& t)
    {
        t.kind = TokenKind::Integer;
        const std::size_t start = at_;
        advance();
        while (isDigit(peek()))
            advance();
        if (isNameChar(peek()) || peek() == '.')
            fail(t.pos, "malformed number: only decimal integers are allowed");
        t.text = std::string(src_.substr(start, at_ - start));
    }

    void lexString(Token& t)
    {
        t.kind = TokenKind::String;
        advance();
        for (;;) {
            if (atEnd() || peek() == '\n')
                fail(t.pos, "unterminated string (a string ends on the line it starts)");
            const char c = peek();
            if (c == '"') {
                advance();
                return;
            }
            if (c == '\\') {
                t.units.push_back(escape());
                continue;
            }
            char32_t cp = 0;
            const std::size_t n = utf8::decode(src_, at_, cp);
            for (std::size_t i = 0; i < n; ++i)
                advance();
            t.units.push_back({cp, false});
        }
    }

    // At a backslash inside a string.
    StringUnit escape()
    {
        const SourcePos start = here();
        advance();
        const char c = peek();
        if (!atEnd() && c != '\n')
            advance();
        switch (c) {
        case '\\': return {'\\', false};
        case '"': return {'"', false};
        case 'n': return {'\n', false};
        case 'r': return {'\r', false};
        case 't': return {'\t', false};
        case 'x': {
            const int hi = hexValue(peek());
            const int lo = hexValue(peek(1));
            if (hi < 0 || lo < 0)
                fail(start, "\\x needs exactly two hex digits");
            advance();
            advance();
            return {static_cast<char32_t>(hi * 16 + lo), true};
        }
        case 'u': return codePointEscape(start);
        default: break;
        }
        fail(start, "unknown escape; use \\\\ \\\" \\n \\r \\t \\xHH or \\u{HEX}");
    }

    // After "\u": {1 to 6 hex digits}.
    StringUnit codePointEscape(SourcePos start)
    {
        const char* const form = "\\u needs the form \\u{HEX} with 1 to 6 hex digits";
        if (peek() != '{')
            fail(start, form);
        advance();
        char32_t cp = 0;
        int digits = 0;
        while (hexValue(peek()) >= 0) {
            cp = cp * 16 + static_cast<char32_t>(hexValue(peek()));
            advance();
            if (++digits > 6)
                fail(start, form);
        }
        if (digits == 0 || peek() != '}')
            fail(start, form);
        advance();
        if (cp > 0x10FFFF)
            fail(start, "\\u{...} is past U+10FFFF");
        return {cp, false};
    }

    void lexBytes(Token& t)
    {
        t.kind = TokenKind::Bytes;
        advance();
        int high = -1;
        for (;;) {
            if (atEnd())
                fail(t.pos, "unterminated byte block (missing '>')");
            const char c = peek();
            if (c == '>')
                break;
            if (isSpace(c)) {
                advance();
                continue;
            }
            const int v = hexValue(c);
            if (v < 0)
                fail(here(), "unexpected character '" + currentCharacter()
                                 + "' in a byte block (only hex digits and spaces)");
            if (high < 0) {
                high = v;
            } else {
                t.text.push_back(static_cast<char>(high * 16 + v));
                high = -1;
            }
            advance();
        }
        if (high >= 0)
            fail(t.pos, "byte block has an odd number of hex digits");
        advance();
    }

    std::string_view src_;
    const std::string& file_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    std::size_t column_ = 1;
};

}  // namespace

std::vector<Token> tokenize(std::string_view source, const std::string& fileName)
{
    return Lexer(source, fileName).run();
}

const char* describe(TokenKind kind) noexcept
{
    switch (kind) {
    case TokenKind::Name: return "a name";
    case TokenKind::String: return "a string";
    case TokenKind::Integer: return "an integer";
    case TokenKind::Bytes: return "a byte block";
    case TokenKind::Equals: return "'='";
    case TokenKind::LBrace: return "'{'";
    case TokenKind::RBrace: return "'}'";
    case TokenKind::LParen: return "'('";
    case TokenKind::RParen: return "')'";
    case TokenKind::LBracket: return "'['";
    case TokenKind::RBracket: return "']'";
    case TokenKind::Comma: return "','";
    case TokenKind::End: return "the end of the file";
    }
    return "a token";
}

}  // namespace tcm::tools
