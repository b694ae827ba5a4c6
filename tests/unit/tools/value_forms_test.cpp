// Each value form of the text syntax compiles to the intended tag and bytes,
// and the printed dump of the result compiles back to the same stream.

#include "form_test_support.h"

#include "form_text/form_printer.h"
#include "stream/stream_reader.h"
#include "stream/stream_writer.h"

#include <gtest/gtest.h>

namespace tcm::tools::test {
namespace {

// The stream of `TX a { P = VALUE }` around the encoded value.
std::string streamWithValue(const std::string& encoded)
{
    return "TPF0" + hexBytes("02") + "TX" + hexBytes("01") + "a" + hexBytes("01") + "P" + encoded
         + hexBytes("00 00");
}

std::string reprinted(const std::string& streamBytes)
{
    const std::vector<std::uint8_t> bytes(streamBytes.begin(), streamBytes.end());
    return printForm(stream::readComponentStream(bytes));
}

struct ValueCase {
    std::string source;
    std::string encoded;  // tag and payload
};

std::vector<ValueCase> valueCases()
{
    const std::string a255(255, 'a');
    const std::string a256(256, 'a');
    return {
        // Plain integers take the smallest tag; a tag word forces a wider one.
        {"0", hexBytes("02 00")},
        {"127", hexBytes("02 7F")},
        {"-128", hexBytes("02 80")},
        {"128", hexBytes("03 80 00")},
        {"-129", hexBytes("03 7F FF")},
        {"32767", hexBytes("03 FF 7F")},
        {"32768", hexBytes("04 00 80 00 00")},
        {"-2147483648", hexBytes("04 00 00 00 80")},
        {"2147483647", hexBytes("04 FF FF FF 7F")},
        {"int8 -1", hexBytes("02 FF")},
        {"int16 5", hexBytes("03 05 00")},
        {"int32 -1", hexBytes("04 FF FF FF FF")},
        {"true", hexBytes("09")},
        {"false", hexBytes("08")},
        // Identifiers: bare, dotted, and quoted when they clash with a keyword.
        {"clBtnFace", hexBytes("07 09") + "clBtnFace"},
        {"Form1.Button1Click", hexBytes("07 12") + "Form1.Button1Click"},
        {"ident \"true\"", hexBytes("07 04") + "true"},
        {"ident \"\"", hexBytes("07 00")},
        // 8-bit strings: short up to 255 bytes, long beyond, any byte by escape.
        {"\"\"", hexBytes("06 00")},
        {"\"abc\"", hexBytes("06 03") + "abc"},
        {R"("\x00\xff\n\r\t\"\\")", hexBytes("06 07 00 FF 0A 0D 09 22 5C")},
        {"\"é\"", hexBytes("06 02 C3 A9")},
        {"\"\\u{E9}\"", hexBytes("06 02 C3 A9")},
        {"\"" + a255 + "\"", hexBytes("06 FF") + a255},
        {"\"" + a256 + "\"", hexBytes("0C 00 01 00 00") + a256},
        {"lstring \"ab\"", hexBytes("0C 02 00 00 00") + "ab"},
        {"utf8 \"é\"", hexBytes("14 02 00 00 00 C3 A9")},
        {"utf8 \"\\xC3\"", hexBytes("14 01 00 00 00 C3")},
        // Wide strings: UTF-8 source to UTF-16LE, pairs above U+FFFF, lone surrogates kept.
        {"wide \"\"", hexBytes("12 00 00 00 00")},
        {"wide \"aé中😀\"", hexBytes("12 05 00 00 00 61 00 E9 00 2D 4E 3D D8 00 DE")},
        {"wide \"\\u{D800}x\"", hexBytes("12 02 00 00 00 00 D8 78 00")},
        // Byte blocks.
        {"<>", hexBytes("0A 00 00 00 00")},
        {"<0a FF>", hexBytes("0A 02 00 00 00 0A FF")},
        {"<\n    0102\n    03\n  >", hexBytes("0A 03 00 00 00 01 02 03")},
        // Sets and lists.
        {"[]", hexBytes("0B 00")},
        {"[fsBold, fsItalic]", hexBytes("0B 06") + "fsBold" + hexBytes("08") + "fsItalic" + hexBytes("00")},
        {"[\"a b\" c]", hexBytes("0B 03") + "a b" + hexBytes("01") + "c" + hexBytes("00")},
        {"()", hexBytes("01 00")},
        {"(1, \"a\", (true))", hexBytes("01 02 01 06 01") + "a" + hexBytes("01 09 00 00")},
        {"(\n    1  # one\n    int16 2\n  )", hexBytes("01 02 01 03 02 00 00")},
    };
}

TEST(FormValues, EachFormCompilesToItsTagAndSurvivesADump)
{
    for (const ValueCase& c : valueCases()) {
        SCOPED_TRACE(c.source);
        const std::string compiled = compileText("TX a {\n  P = " + c.source + "\n}\n");
        EXPECT_EQ(compiled, streamWithValue(c.encoded));

        const std::string dump = reprinted(compiled);
        SCOPED_TRACE(dump);
        EXPECT_EQ(compileText(dump), compiled);
    }
}

// Streams made elsewhere can hold what the text never produces by itself:
// names that need quotes, every byte value, long strings that would fit a
// short one, malformed UTF-8 and UTF-16. The dump must carry all of it.
TEST(FormValues, UnusualStreamsSurviveDumpAndRecompile)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    const std::string badUtf8 = hexBytes("61 C2 85 E4 B8 FF C3");  // C1 control, truncated, stray
    const std::string badUtf16 = hexBytes("00 DC 3D D8 41 00 00 00 85 00");
    const std::string block(100, '\x5A');
    const auto bytes = [](const std::string& s) {
        return stream::Bytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    };

    stream::ObjectRecord child;
    child.className = "T Odd";
    child.name = "";
    child.properties.push_back({"true", stream::Value::ident("1st")});
    stream::ObjectRecord root;
    root.className = "TRoot";
    root.name = "with space";
    root.properties.push_back({"every byte", stream::Value::string(std::string_view(everyByte).substr(0, 255))});
    root.properties.push_back({"P", stream::Value::string(everyByte)});
    stream::Value shortLong = stream::Value::string("x");
    shortLong.tag = stream::ValueTag::LString;
    root.properties.push_back({"P", shortLong});
    root.properties.push_back({"P", stream::Value::utf8(badUtf8)});
    root.properties.push_back({"P", stream::Value::wide(bytes(badUtf16))});
    root.properties.push_back({"P", stream::Value::binary(bytes(block))});
    root.properties.push_back({"P", stream::Value::set({"in", "two words", "false"})});
    root.properties.push_back({"P", stream::Value::list({stream::Value::list({}), stream::Value::ident("int8")})});
    root.children.push_back(child);

    const std::string original = asString(stream::writeComponentStream(root));
    const std::string dump = reprinted(original);
    SCOPED_TRACE(dump);
    EXPECT_EQ(compileText(dump), original);
}

TEST(FormValues, DumpLayoutIsReadable)
{
    const std::string source =
        "TX Root {\n"
        "  N = 5\n"
        "  W = int16 5\n"
        "  K = ident \"wide\"\n"
        "  S = [a, \"b c\"]\n"
        "  L = (1, (\"x\"))\n"
        "  B = <" + std::string(66, '7') + ">\n"
        "  TY \"\" {\n"
        "  }\n"
        "  TZ z {\n"
        "    Q = \"q\"\n"
        "  }\n"
        "}\n";
    const std::string expected =
        "TX Root {\n"
        "  N = 5\n"
        "  W = int16 5\n"
        "  K = ident \"wide\"\n"
        "  S = [a, \"b c\"]\n"
        "  L = (\n"
        "    1\n"
        "    (\n"
        "      \"x\"\n"
        "    )\n"
        "  )\n"
        "  B = <\n"
        "    " + std::string(64, '7') + "\n"
        "    77\n"
        "  >\n"
        "\n"
        "  TY \"\" {\n"
        "  }\n"
        "\n"
        "  TZ z {\n"
        "    Q = \"q\"\n"
        "  }\n"
        "}\n";
    EXPECT_EQ(reprinted(compileText(source)), expected);
}

}  // namespace
}  // namespace tcm::tools::test
