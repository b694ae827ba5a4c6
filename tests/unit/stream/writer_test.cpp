#include "stream/stream_writer.h"

#include "stream_bytes.h"

#include <array>
#include <functional>
#include <string>

namespace tcm::stream {
namespace {

using test::StreamBytes;

Property prop(std::string_view name, Value v) { return Property{name, std::move(v)}; }

TEST(WriterTest, EncodesTagsLengthsAndTerminators)
{
    ObjectRecord root{"Form", "F", {prop("W", Value::integerValue(-300))}, {}};
    root.children.push_back(ObjectRecord{"Btn", "", {prop("S", Value::set({"a"}))}, {}});
    StreamBytes expected;
    expected.sig().record("Form", "F").name("W").u8(0x03).le(0xFED4, 2).end();
    expected.record("Btn").name("S").u8(0x0B).name("a").end().end().end();
    expected.end();
    EXPECT_EQ(writeComponentStream(root), expected.bytes);
}

// A small but complete window: every value kind, dotted names, nesting.
struct SampleWindow {
    std::string longCaption = std::string(300, 'x');
    std::array<std::uint8_t, 6> picture{0x89, 'P', 'N', 'G', 0, 0xFF};
    std::array<std::uint8_t, 4> wideTitle{0x3D, 0xD8, 'A', 0};  // lone high surrogate, then 'A'

    ObjectRecord tree() const
    {
        ObjectRecord root{"Window", "MainWindow", {}, {}};
        root.properties = {
            prop("Left", Value::integerValue(120)),
            prop("Width", Value::integerValue(1024)),
            prop("Tag", Value::integerValue(-70000)),
            prop("Caption", Value::string("Viewer")),
            prop("Color", Value::ident("clBtnFace")),
            prop("Font.Height", Value::integerValue(-11)),
            prop("Font.Name", Value::utf8("Sans \xC3\xA9")),
            prop("BorderIcons", Value::set({"biSystemMenu", "biMinimize"})),
            prop("Visible", Value::boolean(true)),
        };
        ObjectRecord memo{"Memo", "Notes", {}, {}};
        memo.properties = {
            prop("Lines.Strings", Value::list({Value::string("one"), Value::string(longCaption),
                                              Value::list({Value::boolean(false)})})),
            prop("Hint", Value::wide(wideTitle)),
        };
        ObjectRecord image{"Image", "Logo", {prop("Picture.Data", Value::binary(picture))}, {}};
        ObjectRecord panel{"Panel", "Side", {prop("Align", Value::ident("alLeft"))}, {}};
        panel.children = {image, ObjectRecord{"Label", "", {}, {}}};
        root.children = {memo, panel};
        return root;
    }
};

TEST(WriterTest, RealisticWindowRoundTripsByteForByte)
{
    const SampleWindow sample;
    const std::vector<std::uint8_t> bytes = writeComponentStream(sample.tree());
    const ObjectRecord read = readComponentStream(bytes);
    EXPECT_EQ(writeComponentStream(read), bytes);

    EXPECT_EQ(read.properties[2].value.tag, ValueTag::Int32);
    EXPECT_EQ(read.properties[2].value.integer, -70000);
    EXPECT_EQ(read.properties[6].value.text(), "Sans \xC3\xA9");
    const Value& lines = read.children[0].properties[0].value;
    EXPECT_EQ(lines.items[1].tag, ValueTag::LString);
    EXPECT_EQ(lines.items[1].text(), sample.longCaption);
    EXPECT_EQ(read.children[0].properties[1].value.wideAt(0), char16_t{0xD83D});
    const ObjectRecord& logo = read.children[1].children[0];
    EXPECT_EQ(logo.properties[0].name, "Picture.Data");
    EXPECT_TRUE(std::equal(logo.properties[0].value.data.begin(), logo.properties[0].value.data.end(),
                           sample.picture.begin(), sample.picture.end()));
}

TEST(WriterTest, RefusesValuesTheirTagCannotHold)
{
    const std::string big(256, 'n');
    const std::array<std::uint8_t, 3> odd{1, 2, 3};
    auto tagged = [](ValueTag tag, std::int32_t integer) {
        Value v;
        v.tag = tag;
        v.integer = integer;
        return v;
    };
    auto withProp = [](Value v) { return ObjectRecord{"A", "", {prop("P", std::move(v))}, {}}; };
    auto shortString = [&](ValueTag tag) {
        Value v = Value::utf8(big);
        v.tag = tag;
        return v;
    };
    struct Case {
        const char* label;
        ObjectRecord root;
        const char* message;
    };
    const Case cases[] = {
        {"empty root class", ObjectRecord{"", "x", {}, {}}, "class name is empty"},
        {"empty child class", ObjectRecord{"A", "", {}, {ObjectRecord{}}}, "class name is empty"},
        {"long object name", ObjectRecord{"A", big, {}, {}}, "object name of 256 bytes"},
        {"empty property name", ObjectRecord{"A", "", {prop("", Value::boolean(true))}, {}},
         "property name is empty"},
        {"int8 out of range", withProp(tagged(ValueTag::Int8, 128)), "128 is out of range for int8"},
        {"int16 out of range", withProp(tagged(ValueTag::Int16, -32769)), "-32769 is out of range for int16"},
        {"long short string", withProp(shortString(ValueTag::String)), "string of 256 bytes"},
        {"long identifier", withProp(shortString(ValueTag::Ident)), "identifier of 256 bytes"},
        {"odd wide string", withProp(Value::wide(odd)), "odd number of bytes"},
        {"empty set element", withProp(Value::set({"a", ""})), "set element is empty"},
        {"terminator tag", withProp(tagged(ValueTag::Null, 0)), "no storable tag"},
        {"unknown tag", withProp(tagged(static_cast<ValueTag>(0x05), 0)), "no storable tag"},
        {"bad item in list", withProp(Value::list({tagged(ValueTag::Int8, -129)})), "-129"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            writeComponentStream(c.root);
            ADD_FAILURE() << "value was written";
        } catch (const StreamError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(WriterTest, ErrorOffsetIsBytesWrittenSoFar)
{
    // "TPF0", 01 'A', 00, 01 'P', tag: the out-of-range int8 is found at offset 10.
    Value v;
    v.tag = ValueTag::Int8;
    v.integer = 1000;
    try {
        writeComponentStream(ObjectRecord{"A", "", {prop("P", v)}, {}});
        FAIL() << "value was written";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.offset(), 10u);
    }
}

}  // namespace
}  // namespace tcm::stream
