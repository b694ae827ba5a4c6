#include "stream_bytes.h"

namespace tcm::stream {
namespace {

using test::readError;
using test::StreamBytes;

// Signature, a root record "A" and a property name "P": the value starts at offset 9.
StreamBytes prop() { return StreamBytes().sig().record("A").name("P"); }
constexpr std::size_t kValueAt = 9;

struct Malformed {
    const char* label;
    StreamBytes input;
    std::size_t offset;
    const char* message;
};

TEST(ReaderErrorsTest, RejectsMalformedStreamsWithOffsetAndReason)
{
    const Malformed cases[] = {
        {"empty input", StreamBytes(), 0, "bad signature"},
        {"short signature", StreamBytes().raw("TP"), 0, "bad signature"},
        {"wrong signature", StreamBytes().raw("TPF1").record("A").end().end(), 0, "bad signature"},
        {"no root", StreamBytes().sig(), 4, "ends before the root object"},
        {"empty root class", StreamBytes().sig().u8(0).u8(0).u8(0), 4, "empty class name"},
        {"class name past end", StreamBytes().sig().u8(5).raw("AB"), 5,
         "class name of 5 bytes runs past the end (2 bytes left)"},
        {"object name missing", StreamBytes().sig().name("A"), 6, "unexpected end of stream in object name"},
        {"property name past end", StreamBytes().sig().record("A").u8(9).raw("x"), 8,
         "property name of 9 bytes runs past the end (1 byte left)"},
        {"value missing", prop(), kValueAt, "unexpected end of stream in value"},
        {"unknown tag", prop().u8(0x05).end().end(), kValueAt, "unknown value tag 0x05"},
        {"high unknown tag", prop().u8(0xFF), kValueAt, "unknown value tag 0xFF"},
        {"terminator as value", prop().u8(0x00).end(), kValueAt, "unknown value tag 0x00"},
        {"truncated int8", prop().u8(0x02), 10, "int8 of 1 byte runs past the end (0 bytes left)"},
        {"truncated int16", prop().u8(0x03).u8(1), 10, "int16 of 2 bytes runs past the end (1 byte left)"},
        {"truncated int32", prop().u8(0x04).raw("abc"), 10,
         "int32 of 4 bytes runs past the end (3 bytes left)"},
        {"string past end", prop().u8(0x06).u8(10).raw("a"), 11,
         "string of 10 bytes runs past the end (1 byte left)"},
        {"identifier length missing", prop().u8(0x07), 10, "unexpected end of stream in identifier"},
        {"block length truncated", prop().u8(0x0A).u8(1).u8(0), 10,
         "byte block length of 4 bytes runs past the end (2 bytes left)"},
        {"byte block 0xFFFFFFFF", prop().u8(0x0A).u32(0xFFFFFFFF).repeat("x", 12), 14,
         "byte block of 4294967295 bytes runs past the end (12 bytes left)"},
        {"byte block one past", prop().u8(0x0A).u32(3).raw("xy"), 14,
         "byte block of 3 bytes runs past the end (2 bytes left)"},
        {"long string 0xFFFFFFFF", prop().u8(0x0C).u32(0xFFFFFFFF), 14,
         "long string of 4294967295 bytes runs past the end (0 bytes left)"},
        {"long string one past", prop().u8(0x0C).u32(5).raw("abcd"), 14,
         "long string of 5 bytes runs past the end (4 bytes left)"},
        {"UTF-8 0xFFFFFFFF", prop().u8(0x14).u32(0xFFFFFFFF).raw("ab"), 14,
         "UTF-8 string of 4294967295 bytes runs past the end (2 bytes left)"},
        {"UTF-8 one past", prop().u8(0x14).u32(1), 14, "UTF-8 string of 1 byte runs past the end (0 bytes left)"},
        {"wide 0xFFFFFFFF", prop().u8(0x12).u32(0xFFFFFFFF).raw("ab"), 14,
         "wide string of 8589934590 bytes runs past the end (2 bytes left)"},
        // 0x80000000 units is 2^32 bytes: a 32-bit product would wrap to 0 and be accepted.
        {"wide byte size wraps 32 bits", prop().u8(0x12).u32(0x80000000).end().end(), 14,
         "wide string of 4294967296 bytes runs past the end (2 bytes left)"},
        {"wide one past", prop().u8(0x12).u32(2).raw("abc"), 14,
         "wide string of 4 bytes runs past the end (3 bytes left)"},
        {"list not terminated", prop().u8(0x01).u8(0x02).u8(5), 12, "list not terminated"},
        {"set not terminated", prop().u8(0x0B).name("a"), 12, "set not terminated"},
        {"set element past end", prop().u8(0x0B).u8(5).raw("ab"), 11,
         "set element of 5 bytes runs past the end (2 bytes left)"},
        {"property list not terminated", prop().u8(0x08), 10, "property list not terminated"},
        {"child list not terminated", StreamBytes().sig().record("A").end(), 8, "child list not terminated"},
        {"inner child list not terminated", StreamBytes().sig().record("A").end().record("B").end().end(), 13,
         "child list not terminated"},
        {"trailing bytes", StreamBytes().sig().record("A").end().end().raw("xy"), 9,
         "2 bytes of unexpected data after the root object"},
        {"second root", StreamBytes().sig().record("A").end().end().record("B").end().end(), 9,
         "unexpected data after the root object"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.label);
        const StreamError e = readError(c.input.view());
        EXPECT_EQ(e.offset(), c.offset);
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("at offset " + std::to_string(c.offset) + ":"),
                  std::string::npos)
            << e.what();
    }
}

TEST(ReaderErrorsTest, MessageIsReadableAsAWhole)
{
    const StreamError e = readError(prop().u8(0x05).view());
    EXPECT_STREQ(e.what(), "Invalid stream format at offset 9: unknown value tag 0x05");
}

// Each record is "01 'A' 00 00": class, empty name, empty property list.
TEST(ReaderErrorsTest, DeeplyNestedRecordsStopAtTheDepthLimit)
{
    const std::size_t deep = 100'000;
    StreamBytes s;
    s.sig().repeat(std::string("\x01" "A\0\0", 4), deep).repeat(std::string(1, '\0'), deep);
    const StreamError e = readError(s.view());
    EXPECT_EQ(e.offset(), 4u + 4u * 64u) << "the 65th record is refused";
    EXPECT_NE(std::string(e.what()).find("nesting deeper than 64"), std::string::npos) << e.what();
}

TEST(ReaderErrorsTest, DeeplyNestedListsStopAtTheDepthLimit)
{
    StreamBytes s = prop();
    s.repeat("\x01", 100'000);
    const StreamError e = readError(s.view());
    // The root record is depth 1, so the 64th list is depth 65.
    EXPECT_EQ(e.offset(), kValueAt + 63);
    EXPECT_NE(std::string(e.what()).find("nesting deeper than 64"), std::string::npos) << e.what();
}

TEST(ReaderErrorsTest, RecordsAndListsShareTheDepthBudget)
{
    ReadLimits limits;
    limits.maxDepth = 2;
    StreamBytes s;
    s.sig().record("A").end().record("B").name("L").u8(0x01).u8(0).end().end().end();
    EXPECT_EQ(readError(s.view(), limits).offset(), 13u) << "the list inside B is depth 3";
}

TEST(ReaderErrorsTest, AMillionEmptyChildrenFailOnTheObjectCount)
{
    StreamBytes s;
    s.sig().record("A").end().repeat(std::string("\x01" "A\0\0\0", 5), 1'000'000).end();
    const StreamError e = readError(s.view());
    // The root is object 1; child 10,000 (0-based 9,999) is object 10,001.
    EXPECT_EQ(e.offset(), 8u + 5u * 9'999u);
    EXPECT_NE(std::string(e.what()).find("more than 10000 objects"), std::string::npos) << e.what();
}

TEST(ReaderErrorsTest, ValueCountIncludesListItemsAndSetElements)
{
    StreamBytes list = prop();
    list.u8(0x01).repeat("\x08", 1'000'000).end().end().end();
    const StreamError e = readError(list.view());
    EXPECT_EQ(e.offset(), kValueAt + 1'000'000) << "the list itself is value 1";
    EXPECT_NE(std::string(e.what()).find("more than 1000000 values"), std::string::npos) << e.what();

    ReadLimits limits;
    limits.maxValues = 3;
    const StreamBytes set = prop().u8(0x0B).name("a").name("b").name("c").end().end().end();
    EXPECT_EQ(readError(set.view(), limits).offset(), 14u) << "set element c is value 4";
}

}  // namespace
}  // namespace tcm::stream
