#include "form_compiler/form_parser.h"

#include "form_compiler/content_blocks.h"
#include "form_text/form_error.h"
#include "form_text/lexer.h"
#include "form_text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <utility>

namespace tcm::tools {

namespace {

using stream::ValueTag;

std::string where(SourcePos pos)
{
    return std::to_string(pos.line) + ":" + std::to_string(pos.column);
}

// Recursive descent over the token list:
//   form     := object END
//   object   := name name '{' { property | object } '}'
//   property := name '=' value                      (then a line break)
//   name     := NAME | STRING
class Parser {
public:
    Parser(std::vector<Token> tokens, const std::string& file, ContentLoader& loader)
        : tokens_(std::move(tokens)), file_(file), loader_(loader)
    {
    }

    FormObject run()
    {
        FormObject root = parseObject(1);
        if (peek().kind != TokenKind::End)
            fail(peek().pos, std::string("expected the end of the file after the root object, found ")
                                 + describe(peek().kind) + " (a form holds exactly one root object)");
        return root;
    }

private:
    [[noreturn]] void fail(SourcePos pos, const std::string& message) const
    {
        throw FormError(file_, pos, message);
    }

    const Token& peek(std::size_t ahead = 0) const
    {
        const std::size_t i = std::min(next_ + ahead, tokens_.size() - 1);
        return tokens_[i];
    }

    const Token& take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }

    const Token& expect(TokenKind kind, const std::string& what)
    {
        if (peek().kind != kind)
            fail(peek().pos, "expected " + what + ", found " + describe(peek().kind));
        return take();
    }

    bool isWord(const Token& t, std::string_view word) const
    {
        return t.kind == TokenKind::Name && t.text == word;
    }

    std::string narrow(const Token& t)
    {
        std::string out, error;
        if (!toNarrow(t.units, out, error))
            fail(t.pos, error);
        return out;
    }

    // A name written bare or quoted; `what` names its role in errors.
    std::string name(const std::string& what, bool mayBeEmpty)
    {
        const Token& t = peek();
        if (t.kind != TokenKind::Name && t.kind != TokenKind::String)
            fail(t.pos, "expected " + what + ", found " + describe(t.kind));
        take();
        std::string text = t.kind == TokenKind::Name ? t.text : narrow(t);
        if (text.empty() && !mayBeEmpty)
            fail(t.pos, what + " must not be empty");
        if (text.size() > 255)
            fail(t.pos, what + " is longer than 255 bytes");
        return text;
    }

    FormObject parseObject(std::size_t depth)
    {
        FormObject obj;
        obj.classPos = peek().pos;
        if (depth > kMaxFormDepth)
            fail(obj.classPos, "objects nested deeper than " + std::to_string(kMaxFormDepth));
        obj.className = name("a class name", false);
        obj.namePos = peek().pos;
        obj.name = name("an object name", true);
        expect(TokenKind::LBrace, "'{' to open the body of '" + obj.name + "'");
        for (;;) {
            const Token& t = peek();
            if (t.kind == TokenKind::RBrace) {
                take();
                return obj;
            }
            if (t.kind == TokenKind::End)
                fail(t.pos, "missing '}' to close '" + obj.name + "' (opened at " + where(obj.classPos) + ")");
            if (t.kind != TokenKind::Name && t.kind != TokenKind::String)
                fail(t.pos, std::string("expected a property or an object, found ") + describe(t.kind));
            // Two names in a row open a child object; anything else is a property.
            const TokenKind second = peek(1).kind;
            if (second == TokenKind::Name || second == TokenKind::String)
                obj.children.push_back(parseObject(depth + 1));
            else
                obj.properties.push_back(parseProperty(depth));
        }
    }

    FormProperty parseProperty(std::size_t depth)
    {
        FormProperty p;
        p.pos = peek().pos;
        p.name = name("a property name", false);
        expect(TokenKind::Equals, "'=' after '" + p.name + "'");
        p.value = parseValue(depth);
        const Token& after = peek();
        const std::size_t valueEnd = tokens_[next_ - 1].endLine;
        if (after.kind != TokenKind::RBrace && after.kind != TokenKind::End && after.pos.line == valueEnd)
            fail(after.pos, "expected a line break after the value of '" + p.name + "', found "
                                + describe(after.kind) + " (one property per line)");
        return p;
    }

    // `depth` is that of the enclosing object or list.
    FormValue parseValue(std::size_t depth)
    {
        const Token& t = take();
        FormValue v;
        v.pos = t.pos;
        switch (t.kind) {
        case TokenKind::Integer:
            v.integer = integer(t, INT32_MIN, INT32_MAX, "an int32");
            v.tag = smallestIntegerTag(v.integer);
            return v;
        case TokenKind::String:
            v.data = narrow(t);
            v.tag = v.data.size() <= 255 ? ValueTag::String : ValueTag::LString;
            return v;
        case TokenKind::Bytes:
            v.tag = ValueTag::Binary;
            v.data = t.text;
            return v;
        case TokenKind::LBracket: return parseSet(std::move(v));
        case TokenKind::LParen: return parseList(std::move(v), depth + 1);
        case TokenKind::Name: return parseWordValue(t, std::move(v));
        default: break;
        }
        fail(t.pos, std::string("expected a value, found ") + describe(t.kind));
    }

    static ValueTag smallestIntegerTag(std::int32_t v)
    {
        if (v >= INT8_MIN && v <= INT8_MAX)
            return ValueTag::Int8;
        if (v >= INT16_MIN && v <= INT16_MAX)
            return ValueTag::Int16;
        return ValueTag::Int32;
    }

    std::int32_t integer(const Token& t, std::int64_t lo, std::int64_t hi, const std::string& kind)
    {
        const bool negative = t.text.front() == '-';
        std::int64_t magnitude = 0;
        bool tooLarge = false;
        for (std::size_t i = negative ? 1 : 0; i < t.text.size(); ++i) {
            magnitude = magnitude * 10 + (t.text[i] - '0');
            if (magnitude > (std::int64_t{1} << 40)) {
                tooLarge = true;
                break;
            }
        }
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (tooLarge || value < lo || value > hi)
            fail(t.pos, t.text + " does not fit in " + kind + " (" + std::to_string(lo) + ".."
                            + std::to_string(hi) + ")");
        return static_cast<std::int32_t>(value);
    }

    FormValue parseWordValue(const Token& word, FormValue v)
    {
        const std::string& w = word.text;
        if (w == "true" || w == "false") {
            v.tag = w == "true" ? ValueTag::True : ValueTag::False;
        } else if (w == "int8" || w == "int16" || w == "int32") {
            const Token& n = expect(TokenKind::Integer, "an integer after '" + w + "'");
            v.tag = w == "int8" ? ValueTag::Int8 : w == "int16" ? ValueTag::Int16 : ValueTag::Int32;
            const std::int64_t bits = w == "int8" ? 8 : w == "int16" ? 16 : 32;
            v.integer = integer(n, -(std::int64_t{1} << (bits - 1)), (std::int64_t{1} << (bits - 1)) - 1,
                                "an " + w);
        } else if (w == "ident") {
            const Token& s = expect(TokenKind::String, "a quoted name after 'ident'");
            v.tag = ValueTag::Ident;
            v.data = narrow(s);
            if (v.data.size() > 255)
                fail(s.pos, "an identifier is longer than 255 bytes");
        } else if (w == "lstring" || w == "utf8") {
            v.tag = w == "lstring" ? ValueTag::LString : ValueTag::Utf8String;
            v.data = narrow(expect(TokenKind::String, "a string after '" + w + "'"));
        } else if (w == "wide") {
            const Token& s = expect(TokenKind::String, "a string after 'wide'");
            std::string error;
            if (!toWide(s.units, v.data, error))
                fail(s.pos, error);
            v.tag = ValueTag::WString;
        } else if (w == "file" || w == "picture" || w == "glyph" || w == "lines") {
            return parseContent(w, std::move(v));
        } else {
            v.tag = ValueTag::Ident;
            v.data = w;
            if (v.data.size() > 255)
                fail(word.pos, "an identifier is longer than 255 bytes");
        }
        return v;
    }

    // file "PATH" | picture CLASS "PATH" | glyph "PATH" | lines [wide] "PATH"
    FormValue parseContent(const std::string& form, FormValue v)
    {
        std::string graphicClass;
        if (form == "picture")
            graphicClass = name("a picture class name (TJPEGImage, TBitmap, ...)", false);
        const bool wideLines = form == "lines" && isWord(peek(), "wide") && peek(1).kind == TokenKind::String;
        if (wideLines)
            take();
        const Token& pathToken = expect(TokenKind::String, "a quoted file path after '" + form + "'");
        const std::string path = narrow(pathToken);
        try {
            const std::string bytes = loader_.read(path);
            if (form == "lines")
                return linesValue(path, bytes, wideLines, std::move(v));
            v.tag = ValueTag::Binary;
            v.data = form == "picture" ? pictureBlock(graphicClass, bytes)
                   : form == "glyph"   ? glyphBlock(bytes)
                                       : bytes;
        } catch (const FormError&) {
            throw;
        } catch (const std::exception& e) {
            fail(pathToken.pos, e.what());
        }
        return v;
    }

    FormValue linesValue(const std::string& path, const std::string& bytes, bool wide, FormValue v)
    {
        std::vector<std::string> lines;
        try {
            lines = textLines(bytes);
        } catch (const std::exception& e) {
            throw std::runtime_error("'" + path + "': " + e.what());
        }
        v.tag = ValueTag::List;
        for (std::string& line : lines) {
            FormValue item;
            item.pos = v.pos;
            if (wide) {
                item.tag = ValueTag::WString;
                item.data = utf8::toUtf16le(line);
            } else {
                item.tag = line.size() <= 255 ? ValueTag::String : ValueTag::LString;
                item.data = std::move(line);
            }
            v.items.push_back(std::move(item));
        }
        return v;
    }

    // After '[': names separated by commas or spaces, then ']'.
    FormValue parseSet(FormValue v)
    {
        v.tag = ValueTag::Set;
        for (;;) {
            const Token& t = peek();
            if (t.kind == TokenKind::RBracket) {
                take();
                return v;
            }
            if (t.kind != TokenKind::Name && t.kind != TokenKind::String)
                fail(t.pos, std::string("expected a set member or ']', found ") + describe(t.kind));
            v.namePositions.push_back(t.pos);
            v.names.push_back(name("a set member", false));
            if (peek().kind == TokenKind::Comma)
                take();
        }
    }

    // After '(': values separated by commas or line breaks, then ')'.
    FormValue parseList(FormValue v, std::size_t depth)
    {
        if (depth > kMaxFormDepth)
            fail(v.pos, "values nested deeper than " + std::to_string(kMaxFormDepth));
        v.tag = ValueTag::List;
        for (;;) {
            const Token& t = peek();
            if (t.kind == TokenKind::RParen) {
                take();
                return v;
            }
            if (t.kind == TokenKind::End || t.kind == TokenKind::RBrace)
                fail(t.pos, "missing ')' to close the list opened at " + where(v.pos));
            v.items.push_back(parseValue(depth));
            if (peek().kind == TokenKind::Comma)
                take();
        }
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    const std::string& file_;
    ContentLoader& loader_;
};

}  // namespace

FormObject parseForm(std::string_view source, const std::string& fileName, ContentLoader& loader)
{
    return Parser(tokenize(source, fileName), fileName, loader).run();
}

}  // namespace tcm::tools
