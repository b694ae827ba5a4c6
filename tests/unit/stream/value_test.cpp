#include "stream/value.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tcm::stream {
namespace {

TEST(ValueTest, IntegerValuePicksSmallestTag)
{
    struct Case {
        std::int32_t v;
        ValueTag tag;
    };
    const Case cases[] = {
        {0, ValueTag::Int8},          {127, ValueTag::Int8},        {-128, ValueTag::Int8},
        {128, ValueTag::Int16},       {-129, ValueTag::Int16},      {32767, ValueTag::Int16},
        {-32768, ValueTag::Int16},    {32768, ValueTag::Int32},     {-32769, ValueTag::Int32},
        {INT32_MAX, ValueTag::Int32}, {INT32_MIN, ValueTag::Int32},
    };
    for (const Case& c : cases) {
        const Value v = Value::integerValue(c.v);
        EXPECT_EQ(v.tag, c.tag) << c.v;
        EXPECT_EQ(v.integer, c.v);
        EXPECT_TRUE(v.isInteger());
    }
}

TEST(ValueTest, StringSwitchesToLongStringAbove255Bytes)
{
    const std::string s255(255, 'a');
    const std::string s256(256, 'a');
    EXPECT_EQ(Value::string(s255).tag, ValueTag::String);
    EXPECT_EQ(Value::string(s256).tag, ValueTag::LString);
    EXPECT_EQ(Value::string(s256).text(), s256);
    EXPECT_EQ(Value::string(s256).text().data(), s256.data()) << "helpers must not copy";
}

TEST(ValueTest, KindPredicates)
{
    const std::array<std::uint8_t, 2> block{1, 2};
    EXPECT_TRUE(Value::boolean(true).isBoolean());
    EXPECT_EQ(Value::boolean(false).tag, ValueTag::False);
    EXPECT_TRUE(Value::ident("alNone").isNarrowText());
    EXPECT_TRUE(Value::utf8("x").isNarrowText());
    EXPECT_FALSE(Value::binary(block).isNarrowText());
    EXPECT_TRUE(Value::binary(block).text().empty()) << "text() only exposes narrow text";
    EXPECT_FALSE(Value::list({}).isInteger());
}

TEST(ValueTest, WideAtAssemblesLittleEndianUnitsFromAnyAlignment)
{
    // Starts at an odd address to show that no unaligned 16-bit load happens.
    const std::array<std::uint8_t, 7> buffer{0xEE, 0x41, 0x00, 0x3D, 0xD8, 0xAC, 0x20};
    const Value v = Value::wide(Bytes(buffer).subspan(1));
    ASSERT_EQ(v.wideCount(), 3u);
    EXPECT_EQ(v.wideAt(0), u'A');
    EXPECT_EQ(v.wideAt(1), char16_t{0xD83D}) << "a lone surrogate is passed through untouched";
    EXPECT_EQ(v.wideAt(2), u'\u20AC');
    EXPECT_EQ(v.wideAt(3), 0) << "out of range yields 0, never reads past the data";
    EXPECT_EQ(Value::ident("x").wideCount(), 0u);
}

}  // namespace
}  // namespace tcm::stream
