// Ill-formed stored Unicode is repaired before it is converted: one U+FFFD
// for each lone surrogate and for each maximal ill-formed part of UTF-8.

#include "text/unicode.h"

#include <gtest/gtest.h>

namespace tcm::text {
namespace {

const std::string R(kReplacementUtf8);

TEST(Utf16ToUtf8, PairsJoinAndLoneSurrogatesAreReplaced)
{
    const struct {
        std::u16string in;
        std::string out;
    } cases[] = {
        {u"", ""},
        {u"Az", "Az"},
        {u"\u00E9\u3000\u809D", "\xC3\xA9\xE3\x80\x80\xE8\x82\x9D"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},                    // a surrogate pair
        {u"a\xD800" "b", "a" + R + "b"},                        // high surrogate alone
        {u"a\xDC00", "a" + R},                                  // low surrogate alone, at the end
        {u"\xDC00\xD800", R + R},                               // a pair in the wrong order
        {u"\xD800", R},                                         // high surrogate at the very end
        {u"\xD83D\xD83D\xDE00", R + "\xF0\x9F\x98\x80"},        // the second high one pairs
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf16ToUtf8(c.in), c.out) << ::testing::PrintToString(c.out);
}

TEST(RepairUtf8, WellFormedTextStaysAndEachIllFormedPartBecomesOneReplacement)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"", ""},
        {"\xE8\x82\x9D\xEF\xBC\x9A ok", "\xE8\x82\x9D\xEF\xBC\x9A ok"},
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},           // U+10FFFF, the last character
        {"a\xFF" "b", "a" + R + "b"},                      // never a lead byte
        {"\x80\x80", R + R},                               // stray continuation bytes
        {"\xC0\xAF", R + R},                               // overlong "/"
        {"\xE0\x80\xAF", R + R + R},                       // overlong, three bytes
        {"\xED\xA0\x80", R + R + R},                       // an encoded surrogate
        {"\xF4\x90\x80\x80", R + R + R + R},               // beyond U+10FFFF
        {"\xE8\x82", R},                                   // cut short at the end
        {"\xE8\x82" "x", R + "x"},                         // cut short before ASCII
        {"\xF0\x9F\x98" "\xE8\x82\x9D", R + "\xE8\x82\x9D"},  // cut short before a character
    };
    for (const auto& c : cases)
        EXPECT_EQ(repairUtf8(c.in), c.out) << ::testing::PrintToString(c.in);
}

}  // namespace
}  // namespace tcm::text
