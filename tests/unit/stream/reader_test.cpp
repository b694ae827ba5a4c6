#include "stream_bytes.h"

#include <functional>

namespace tcm::stream {
namespace {

using test::StreamBytes;

// A root record "Obj" holding one property "P" whose value is `valueBytes`.
StreamBytes withValue(const StreamBytes& valueBytes)
{
    StreamBytes s;
    s.sig().record("Obj").name("P");
    s.bytes.insert(s.bytes.end(), valueBytes.bytes.begin(), valueBytes.bytes.end());
    return s.end().end();
}

TEST(ReaderTest, ReadsEveryValueKind)
{
    struct Case {
        const char* label;
        StreamBytes value;
        std::function<void(const Value&)> check;
    };
    const Case cases[] = {
        {"int8", StreamBytes().u8(0x02).u8(0xFE),
         [](const Value& v) { EXPECT_EQ(v.integer, -2); }},
        {"int16", StreamBytes().u8(0x03).le(0x8000, 2),
         [](const Value& v) { EXPECT_EQ(v.integer, -32768); }},
        {"int32", StreamBytes().u8(0x04).u32(0x80000001),
         [](const Value& v) { EXPECT_EQ(v.integer, INT32_MIN + 1); }},
        {"string", StreamBytes().u8(0x06).name("Hello"),
         [](const Value& v) { EXPECT_EQ(v.text(), "Hello"); }},
        {"empty string", StreamBytes().u8(0x06).u8(0),
         [](const Value& v) { EXPECT_EQ(v.text(), ""); }},
        {"identifier", StreamBytes().u8(0x07).name("clWindow"),
         [](const Value& v) { EXPECT_EQ(v.text(), "clWindow"); }},
        {"false", StreamBytes().u8(0x08), [](const Value& v) { EXPECT_TRUE(v.isBoolean()); }},
        {"true", StreamBytes().u8(0x09), [](const Value& v) { EXPECT_TRUE(v.isBoolean()); }},
        {"byte block", StreamBytes().u8(0x0A).u32(3).u8(0).u8(0xFF).u8(7),
         [](const Value& v) {
             ASSERT_EQ(v.data.size(), 3u);
             EXPECT_EQ(v.data[1], 0xFF);
         }},
        {"set", StreamBytes().u8(0x0B).name("akLeft").name("akTop").u8(0),
         [](const Value& v) { EXPECT_EQ(v.names, (std::vector<std::string_view>{"akLeft", "akTop"})); }},
        {"empty set", StreamBytes().u8(0x0B).u8(0),
         [](const Value& v) { EXPECT_TRUE(v.names.empty()); }},
        {"long string", StreamBytes().u8(0x0C).u32(4).raw("abcd"),
         [](const Value& v) { EXPECT_EQ(v.text(), "abcd"); }},
        {"wide string", StreamBytes().u8(0x12).u32(2).u8('h').u8(0).u8(0xAC).u8(0x20),
         [](const Value& v) {
             ASSERT_EQ(v.wideCount(), 2u);
             EXPECT_EQ(v.wideAt(0), u'h');
             EXPECT_EQ(v.wideAt(1), u'\u20AC');
         }},
        {"UTF-8 string", StreamBytes().u8(0x14).u32(3).raw("\xE2\x82\xAC"),
         [](const Value& v) { EXPECT_EQ(v.text(), "\xE2\x82\xAC"); }},
        {"nested list", StreamBytes().u8(0x01).u8(0x02).u8(5).u8(0x01).u8(0x09).u8(0).u8(0),
         [](const Value& v) {
             ASSERT_EQ(v.items.size(), 2u);
             EXPECT_EQ(v.items[0].integer, 5);
             ASSERT_EQ(v.items[1].items.size(), 1u);
             EXPECT_EQ(v.items[1].items[0].tag, ValueTag::True);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const StreamBytes input = withValue(c.value);
        const ObjectRecord root = readComponentStream(input.view());
        ASSERT_EQ(root.properties.size(), 1u);
        const Value& v = root.properties[0].value;
        EXPECT_EQ(static_cast<int>(v.tag), c.value.bytes[0]);
        c.check(v);
    }
}

TEST(ReaderTest, TextAndBlocksAreViewsIntoTheInput)
{
    const StreamBytes input = withValue(StreamBytes().u8(0x0A).u32(2).u8(1).u8(2));
    const ObjectRecord root = readComponentStream(input.view());
    const Bytes block = root.properties[0].value.data;
    EXPECT_EQ(block.data(), input.bytes.data() + input.size() - 4);
    EXPECT_EQ(root.className.data(), reinterpret_cast<const char*>(input.bytes.data()) + 5);
}

TEST(ReaderTest, ReadsNestedChildrenDottedNamesAndOffsets)
{
    StreamBytes s;
    s.sig().record("Window", "Main");                   // root at 4
    s.name("Font.Height").u8(0x02).u8(0xF5);            // property at 16
    s.name("Lines.Strings").u8(0x01).u8(0x06).name("a").u8(0).end();
    const std::size_t panelAt = s.size();
    s.record("Panel", "Side").end();
    s.record("Button", "Ok").name("Caption").u8(0x06).name("OK").end().end();
    s.end();                                             // Panel's children
    s.record("Label", "").end().end();
    s.end();                                             // root's children
    const ObjectRecord root = readComponentStream(s.view());

    EXPECT_EQ(root.className, "Window");
    EXPECT_EQ(root.name, "Main");
    EXPECT_EQ(root.offset, 4u);
    ASSERT_EQ(root.properties.size(), 2u);
    EXPECT_EQ(root.properties[0].name, "Font.Height");
    EXPECT_EQ(root.properties[0].offset, 16u);
    EXPECT_EQ(root.properties[0].value.integer, -11);
    EXPECT_EQ(root.properties[1].name, "Lines.Strings");

    ASSERT_EQ(root.children.size(), 2u);
    const ObjectRecord& panel = root.children[0];
    EXPECT_EQ(panel.offset, panelAt);
    EXPECT_TRUE(panel.properties.empty());
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children[0].name, "Ok");
    EXPECT_EQ(panel.children[0].properties[0].value.text(), "OK");
    EXPECT_EQ(root.children[1].className, "Label");
    EXPECT_EQ(root.children[1].name, "") << "an empty object name is allowed";
}

TEST(ReaderTest, KeepsDuplicatePropertiesInStoredOrder)
{
    StreamBytes s;
    s.sig().record("Edit").name("Text").u8(0x06).name("first");
    s.name("Width").u8(0x02).u8(10);
    s.name("Text").u8(0x06).name("last").end().end();
    const ObjectRecord root = readComponentStream(s.view());
    ASSERT_EQ(root.properties.size(), 3u);
    EXPECT_EQ(root.properties[0].value.text(), "first");
    EXPECT_EQ(root.properties[2].name, "Text");
    EXPECT_EQ(root.properties[2].value.text(), "last");
}

TEST(ReaderTest, AcceptsNestingAndCountsExactlyAtTheLimits)
{
    // Three records deep, a list at depth 4: allowed with maxDepth 4.
    StreamBytes s;
    s.sig().record("A").end().record("B").end().record("C").name("L").u8(0x01).u8(0x08).u8(0);
    s.end().end().end().end();  // C's properties, then the child lists of C, B and A
    ReadLimits limits;
    limits.maxDepth = 4;
    limits.maxObjects = 3;
    limits.maxValues = 2;
    EXPECT_NO_THROW(readComponentStream(s.view(), limits));

    // One less of any limit is refused, so none is off by one.
    for (std::size_t ReadLimits::*limit : {&ReadLimits::maxDepth, &ReadLimits::maxObjects, &ReadLimits::maxValues}) {
        ReadLimits tighter = limits;
        --(tighter.*limit);
        EXPECT_THROW(readComponentStream(s.view(), tighter), StreamError);
    }
}

}  // namespace
}  // namespace tcm::stream
