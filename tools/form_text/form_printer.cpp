#include "form_text/form_printer.h"

#include "form_text/string_literal.h"
#include "form_text/text_syntax.h"

#include <cstdint>
#include <string_view>

namespace tcm::tools {

namespace {

using stream::ObjectRecord;
using stream::Value;
using stream::ValueTag;

constexpr std::size_t kIndent = 2;
constexpr std::size_t kBytesPerLine = 32;

std::string_view chars(stream::Bytes b)
{
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::string nameText(std::string_view name)
{
    return isPlainName(name) ? std::string(name) : quoteNarrow(name);
}

ValueTag smallestIntegerTag(std::int32_t v)
{
    if (v >= -128 && v <= 127)
        return ValueTag::Int8;
    if (v >= -32768 && v <= 32767)
        return ValueTag::Int16;
    return ValueTag::Int32;
}

std::string integerText(const Value& v)
{
    const std::string digits = std::to_string(v.integer);
    if (v.tag == smallestIntegerTag(v.integer))
        return digits;
    const char* word = v.tag == ValueTag::Int8 ? "int8" : v.tag == ValueTag::Int16 ? "int16" : "int32";
    return std::string(word) + " " + digits;
}

std::string hexRun(stream::Bytes b)
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(2 * b.size());
    for (std::uint8_t byte : b) {
        out.push_back(digits[byte >> 4]);
        out.push_back(digits[byte & 0xF]);
    }
    return out;
}

// Short blocks stay on the property's line; longer ones get one line per
// kBytesPerLine bytes between '<' and '>' lines.
std::string bytesText(stream::Bytes b, std::size_t indent)
{
    if (b.size() <= kBytesPerLine)
        return "<" + hexRun(b) + ">";
    std::string out = "<\n";
    for (std::size_t at = 0; at < b.size(); at += kBytesPerLine) {
        out.append(indent + kIndent, ' ');
        out += hexRun(b.subspan(at, std::min(kBytesPerLine, b.size() - at)));
        out += '\n';
    }
    out.append(indent, ' ');
    return out + ">";
}

std::string valueText(const Value& v, std::size_t indent);

std::string listText(const Value& v, std::size_t indent)
{
    if (v.items.empty())
        return "()";
    std::string out = "(\n";
    for (const Value& item : v.items) {
        out.append(indent + kIndent, ' ');
        out += valueText(item, indent + kIndent);
        out += '\n';
    }
    out.append(indent, ' ');
    return out + ")";
}

std::string setText(const Value& v)
{
    std::string out = "[";
    for (std::size_t i = 0; i < v.names.size(); ++i)
        out += (i ? ", " : "") + nameText(v.names[i]);
    return out + "]";
}

std::string valueText(const Value& v, std::size_t indent)
{
    switch (v.tag) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32: return integerText(v);
    case ValueTag::True: return "true";
    case ValueTag::False: return "false";
    case ValueTag::Ident: {
        const std::string_view name = v.text();
        return isPlainName(name) && !isKeyword(name) ? std::string(name) : "ident " + quoteNarrow(name);
    }
    case ValueTag::String: return quoteNarrow(v.text());
    case ValueTag::LString:
        return (v.data.size() > 255 ? "" : "lstring ") + quoteNarrow(v.text());
    case ValueTag::Utf8String: return "utf8 " + quoteUtf8(v.text());
    case ValueTag::WString: return "wide " + quoteWide(chars(v.data));
    case ValueTag::Binary: return bytesText(v.data, indent);
    case ValueTag::Set: return setText(v);
    case ValueTag::List: return listText(v, indent);
    case ValueTag::Null: break;
    }
    return "()";  // not produced by the reader
}

void printRecord(const ObjectRecord& r, std::size_t indent, std::string& out)
{
    out.append(indent, ' ');
    out += nameText(r.className) + " " + nameText(r.name) + " {\n";
    for (const stream::Property& p : r.properties) {
        out.append(indent + kIndent, ' ');
        out += nameText(p.name) + " = " + valueText(p.value, indent + kIndent) + "\n";
    }
    for (std::size_t i = 0; i < r.children.size(); ++i) {
        if (i > 0 || !r.properties.empty())
            out += '\n';
        printRecord(r.children[i], indent + kIndent, out);
    }
    out.append(indent, ' ');
    out += "}\n";
}

}  // namespace

std::string printForm(const ObjectRecord& root)
{
    std::string out;
    printRecord(root, 0, out);
    return out;
}

}  // namespace tcm::tools
