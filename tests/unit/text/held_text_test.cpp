// Stored Unicode strings to held 8-bit text of a character set and back.
// The character sets are named explicitly, so no locale has to be installed:
// the program passes its locale's set in their place.

#include "text/held_text.h"
#include "text/unicode.h"

#include <gtest/gtest.h>

namespace tcm::text {
namespace {

const std::string R(kReplacementUtf8);
constexpr const char* kGbk = "GBK";
constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kLatin1 = "ISO-8859-1";
constexpr const char* kAscii = "ANSI_X3.4-1968";

TEST(HeldFromUtf16, ConvertsToTheCharacterSetAndSubstitutesWhatItLacks)
{
    const struct {
        const char* codeset;
        std::u16string in;
        std::string held;
    } cases[] = {
        {kGbk, u"\u3000\u30001\u3001\u809D\uFF1A\u9F3B",
         "\xA1\xA1\xA1\xA1" "1\xA1\xA2\xB8\xCE\xA3\xBA\xB1\xC7"},
        {kGbk, u"\u201C\u9619\u4E2D\u201D\uFF08x\uFF09\uFF5E",
         "\xA1\xB0\xE3\xDA\xD6\xD0\xA1\xB1\xA3\xA8x\xA3\xA9\xA1\xAB"},
        {kGbk, u"\u00E9", "\xA8\xA6"},
        {kGbk, u"a\xD800" "b", "a?b"},                // U+FFFD is not in GBK either
        {kGbk, u"\U0001F600!", "?!"},
        {"GB18030", u"\U0001F600\xDC00", "\x94\x39\xFC\x36\x84\x31\xA4\x37"},
        {kUtf8, u"\u809D\xD800", "\xE8\x82\x9D" + R},
        {kUtf8, u"\U0001F600", "\xF0\x9F\x98\x80"},
        {kLatin1, u"\u00E9\u809Dx", "\xE9?x"},
        {kAscii, u"\u809Da\u9F3B", "?a?"},
        {"NO-SUCH-CHARACTER-SET", u"\u00E9\u809Dx", "??x"},
        {kAscii, u"plain ASCII ~!@#$%^&*()_+{}|:\"<>?\t\r\n",
         "plain ASCII ~!@#$%^&*()_+{}|:\"<>?\t\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(heldFromUtf16(c.in, c.codeset), c.held) << c.codeset << " " << utf16ToUtf8(c.in);
}

TEST(HeldFromUtf8, RepairsFirstThenConverts)
{
    EXPECT_EQ(heldFromUtf8("\xE8\x82\x9D\xFF", kGbk), "\xB8\xCE?");
    EXPECT_EQ(heldFromUtf8("a\xFF" "b", kUtf8), "a" + R + "b");
    EXPECT_EQ(heldFromUtf8("\xC3\xA9\xED\xA0\x80", kLatin1), "\xE9???");
    EXPECT_EQ(heldFromUtf8("", kGbk), "");
}

// Whatever a character set lacks, the ASCII characters and the line breaks
// around it come through in place, and every substitute is plain ASCII.
TEST(HeldFromUtf16, AsciiAndLineBreaksSurviveEveryCharacterSet)
{
    const std::u16string mixed =
        u"1\u809D2\uFF1A3\u201C4\u201D5\xD800" u"6\U0001F6007\u30008\r\n\u4E00\r\n9\u00E9\r\n";
    for (const char* codeset : {kGbk, kUtf8, kLatin1, kAscii, "NO-SUCH-CHARACTER-SET"}) {
        SCOPED_TRACE(codeset);
        const std::string held = heldFromUtf16(mixed, codeset);
        std::string digits;
        int lineBreaks = 0;
        for (std::size_t i = 0; i < held.size(); ++i) {
            if (held[i] >= '0' && held[i] <= '9')
                digits += held[i];
            if (held.compare(i, 2, "\r\n") == 0)
                ++lineBreaks;
        }
        EXPECT_EQ(digits, "123456789");
        EXPECT_EQ(lineBreaks, 3);
        EXPECT_TRUE(held.ends_with("\r\n"));
        if (std::string_view(codeset) == kAscii) {
            for (char ch : held)
                EXPECT_LT(static_cast<unsigned char>(ch), 0x80);
        }
    }
}

TEST(HeldToUtf8, DecodesAndMarksWhatIsNoCharacterOfTheSet)
{
    const struct {
        const char* codeset;
        std::string held;
        std::string shown;
    } cases[] = {
        {kGbk, "\xB8\xCE\xA3\xBA" "1\r\n", "\xE8\x82\x9D\xEF\xBC\x9A" "1\r\n"},
        {kGbk, "a\xB8", "a" + R},                       // the first byte of a pair, at the end
        {kGbk, "\xFF" "a", R + "a"},
        {kLatin1, "\xE9", "\xC3\xA9"},
        {kAscii, "x\xE9", "x" + R},
        {kUtf8, "\xE8\x82\x9D\xF4\x90\x80\x80", "\xE8\x82\x9D" + R + R + R + R},
        {"NO-SUCH-CHARACTER-SET", "a\xE9", "a" + R},
    };
    for (const auto& c : cases)
        EXPECT_EQ(heldToUtf8(c.held, c.codeset), c.shown) << c.codeset << " " << ::testing::PrintToString(c.held);
}

TEST(HeldToUtf8, GivesBackWhatTheSetCouldHold)
{
    const std::u16string text = u"\u3000\u30001\u3001\u809D\uFF1A\u201C\u9619\u4E2D\u201D\uFF08\uFF09\u00E9 end\r\n";
    for (const char* codeset : {kGbk, "GB18030", kUtf8})
        EXPECT_EQ(heldToUtf8(heldFromUtf16(text, codeset), codeset), utf16ToUtf8(text)) << codeset;
}

TEST(AppendHeldLine, EveryLineEndsInCrLf)
{
    std::string held;
    appendHeldLine(held, "first ");
    appendHeldLine(held, "");
    appendHeldLine(held, "last");
    EXPECT_EQ(held, "first \r\n\r\nlast\r\n");
}

}  // namespace
}  // namespace tcm::text
