// The disclaimer and the article as the main window's compiled description
// stores them (the "Lines.Strings" of Memo1 and Memo2), and what they become
// as held text under the character sets users have.

#include "stream/stream_reader.h"
#include "text/held_text.h"
#include "text/unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tcm::text {
namespace {

using stream::ObjectRecord;
using stream::Value;
using stream::ValueTag;

constexpr char16_t kIdeographicSpace = u'\u3000';
const std::u16string kIndent = u"\u3000\u3000";

const ObjectRecord* findRecord(const ObjectRecord& r, std::string_view name)
{
    if (r.name == name)
        return &r;
    for (const ObjectRecord& child : r.children)
        if (const ObjectRecord* found = findRecord(child, name))
            return found;
    return nullptr;
}

// The compiled description, read once for all tests.
class StoredTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::ifstream in(TCM_UNIT1_STREAM, std::ios::binary);
        ASSERT_TRUE(in) << TCM_UNIT1_STREAM;
        bytes_ = new std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        root_ = new ObjectRecord(stream::readComponentStream(*bytes_));
    }
    static void TearDownTestSuite()
    {
        delete root_;
        delete bytes_;
    }

    // The stored "Lines.Strings" list of a text box.
    static const Value& lines(std::string_view memo)
    {
        const ObjectRecord* r = findRecord(*root_, memo);
        EXPECT_NE(r, nullptr) << memo;
        for (const stream::Property& p : r->properties)
            if (p.name == "Lines.Strings")
                return p.value;
        ADD_FAILURE() << memo << " has no Lines.Strings";
        static const Value none;
        return none;
    }

    static std::vector<std::u16string> article()
    {
        std::vector<std::u16string> out;
        for (const Value& v : lines("Memo2").items) {
            EXPECT_EQ(v.tag, ValueTag::WString);
            std::u16string line(v.wideCount(), u'\0');
            for (std::size_t i = 0; i < line.size(); ++i)
                line[i] = v.wideAt(i);
            out.push_back(line);
        }
        return out;
    }

private:
    static inline std::vector<std::uint8_t>* bytes_ = nullptr;
    static inline ObjectRecord* root_ = nullptr;
};

bool isIdeograph(char16_t c)
{
    return c >= 0x4E00 && c <= 0x9FFF;
}

std::string utf8(const std::u16string& s)
{
    return utf16ToUtf8(s);
}

// Half-width columns: two for a character held in two bytes under GBK
// (ideographs, full-width and CJK signs), one for any other.
std::size_t columns(const std::u16string& line)
{
    return heldFromUtf16(line, "GBK").size();
}

TEST_F(StoredTexts, DisclaimerIsFourEightBitLinesHeldIn123Bytes)
{
    const std::vector<std::string> expected = {
        "For reference only, for ",
        "the misuse of personal and property ",
        "damage caused shall not be ",
        "responsible, hereby declare.",
    };
    const Value& list = lines("Memo1");
    ASSERT_EQ(list.tag, ValueTag::List);
    std::vector<std::string> stored;
    std::string held;
    for (const Value& v : list.items) {
        EXPECT_EQ(v.tag, ValueTag::String);
        stored.emplace_back(v.text());
        appendHeldLine(held, v.text());
    }
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(held.size(), 123u);
}

// Line numbers below count from 1, as the article's outline does.
const std::set<int> kContinuationLines = {9,  12, 17, 18, 21, 24, 25, 26, 29, 30, 31, 34,
                                          35, 38, 41, 44, 45, 46, 51, 54, 55, 56, 61, 65};

TEST_F(StoredTexts, ArticleIndentsAndContinuationLines)
{
    const std::vector<std::u16string> a = article();
    ASSERT_EQ(a.size(), 91u);
    std::size_t ideographicSpaces = 0;
    for (int n = 1; n <= 91; ++n) {
        const std::u16string& line = a[n - 1];
        SCOPED_TRACE(std::to_string(n) + ": " + utf8(line));
        ASSERT_FALSE(line.empty());
        ideographicSpaces += static_cast<std::size_t>(std::ranges::count(line, kIdeographicSpace));
        const bool indented = line.starts_with(kIndent);
        EXPECT_EQ(indented, n != 1 && !kContinuationLines.contains(n));
        if (indented) {
            EXPECT_NE(line[2], kIdeographicSpace);  // exactly two
        }
    }
    // Two for each of the 66 indented lines, and none anywhere else.
    EXPECT_EQ(ideographicSpaces, 132u);
}

TEST_F(StoredTexts, ArticleLinesBreakAtAbout138Columns)
{
    const std::vector<std::u16string> a = article();
    ASSERT_EQ(a.size(), 91u);
    std::size_t widest = 0;
    for (const std::u16string& line : a)
        widest = std::max(widest, columns(line));
    EXPECT_LE(widest, 143u);
    for (int n : kContinuationLines) {
        const std::u16string& broken = a[n - 2];
        SCOPED_TRACE(std::to_string(n - 1) + ": " + utf8(broken));
        EXPECT_GE(columns(broken), 137u);
        EXPECT_NE(broken.back(), u' ');
        // A paragraph goes on where a line was broken, so the next line never
        // opens with a sign that closes something.
        EXPECT_EQ(std::u16string(u"\uFF0C\u3002\u3001\uFF1B\uFF1A\uFF09").find(a[n - 1].front()),
                  std::u16string::npos);
    }
}

TEST_F(StoredTexts, ArticleHeadingsAndNumbering)
{
    const std::vector<std::u16string> a = article();
    ASSERT_EQ(a.size(), 91u);
    const auto line = [&a](int n) { return a[n - 1]; };
    const auto number = [](int k) {
        const std::string digits = std::to_string(k);
        return std::u16string(digits.begin(), digits.end());
    };

    // Part one: its heading, then four numbered general rules.
    EXPECT_TRUE(line(1).starts_with(u"\u4E00\u3001 \u300A")) << utf8(line(1));
    EXPECT_NE(line(1).find(u'\u300B'), std::u16string::npos);
    EXPECT_TRUE(line(1).ends_with(u" "));
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(line(1 + k).starts_with(kIndent + number(k) + u"\u3001")) << utf8(line(1 + k));
    EXPECT_TRUE(line(6).starts_with(kIndent + u"\u4E8C\u3001")) << utf8(line(6));

    // Part two: fourteen numbered zones, each heading followed by its text lines.
    const int textLines[14] = {2, 2, 1, 3, 2, 4, 4, 3, 2, 2, 4, 1, 2, 4};
    int n = 7;
    for (int k = 1; k <= 14; ++k) {
        const std::u16string heading = line(n);
        SCOPED_TRACE(std::to_string(n) + ": " + utf8(heading));
        EXPECT_TRUE(heading.starts_with(kIndent + number(k) + u"\u3001"));
        EXPECT_TRUE(heading.ends_with(k == 6 ? u":" : u"\uFF1A"));
        for (int t = 1; t <= textLines[k - 1]; ++t)
            EXPECT_FALSE(line(n + t).ends_with(u"\uFF1A")) << "a heading where text belongs: " << utf8(line(n + t));
        n += 1 + textLines[k - 1];
    }
    EXPECT_EQ(n, 57);

    // The appendix: one ideograph and a colon, then notes (1) to (6), 3 and 4 sharing a line.
    EXPECT_EQ(line(57).size(), 5u);
    EXPECT_TRUE(isIdeograph(line(57)[2]));
    EXPECT_EQ(line(57).substr(3), u"\uFF1A ");
    const int noteLine[7] = {0, 58, 59, 60, 60, 62, 63};
    for (int k = 1; k <= 6; ++k) {
        const std::u16string mark = u"(" + number(k) + u")";
        EXPECT_NE(line(noteLine[k]).find(mark), std::u16string::npos) << utf8(mark);
        if (k != 4) {
            EXPECT_TRUE(line(noteLine[k]).starts_with(kIndent + mark)) << utf8(mark);
        }
    }

    // The grave signs: heading, introduction in quotation marks, twelve signs, closing note.
    EXPECT_TRUE(line(77).ends_with(u" "));
    EXPECT_NE(line(78).find(u'\u201C'), std::u16string::npos);
    EXPECT_NE(line(78).find(u'\u201D'), std::u16string::npos);
    EXPECT_TRUE(isIdeograph(line(78).back())) << "no closing punctuation";
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(line(78 + k).starts_with(kIndent + number(k) + u"\uFF1A")) << utf8(line(78 + k));
    std::u16string closing = line(91);
    while (closing.ends_with(u" "))
        closing.pop_back();
    EXPECT_TRUE(closing.starts_with(kIndent + u"\uFF08") && closing.ends_with(u"\uFF09")) << utf8(closing);
}

// Under a Simplified Chinese character set every character is held as
// stored, two bytes for each that is not ASCII.
TEST_F(StoredTexts, ArticleIsWhollyInGbk)
{
    std::size_t expectedSize = 0;
    std::string held;
    for (const std::u16string& line : article()) {
        const std::string gbk = heldFromUtf16(line, "GBK");
        EXPECT_EQ(heldToUtf8(gbk, "GBK"), utf8(line));
        for (char16_t c : line)
            expectedSize += c < 0x80 ? 1 : 2;
        appendHeldLine(held, gbk);
    }
    expectedSize += 2 * 91;
    EXPECT_EQ(held.size(), expectedSize);
    EXPECT_TRUE(held.ends_with("\r\n"));
}

// The held article under the character sets users have: the line count and
// every ASCII character always stay; a Western set substitutes ideographs.
TEST_F(StoredTexts, ArticleUnderEachCharacterSet)
{
    const std::vector<std::u16string> a = article();
    for (const char* codeset : {"GBK", "UTF-8", "ISO-8859-1", "ANSI_X3.4-1968"}) {
        SCOPED_TRACE(codeset);
        const bool holdsAll = std::string_view(codeset) == "GBK" || std::string_view(codeset) == "UTF-8";
        std::string held;
        for (const std::u16string& line : a) {
            const std::string h = heldFromUtf16(line, codeset);
            // Character by character, so each ASCII one is seen in its place.
            std::string pieces;
            std::size_t ideographs = 0;
            for (char16_t c : line) {
                const std::string piece = heldFromUtf16(std::u16string(1, c), codeset);
                if (c < 0x80) {
                    EXPECT_EQ(piece, std::string(1, static_cast<char>(c)));
                } else if (!holdsAll) {
                    EXPECT_TRUE(std::ranges::all_of(piece, [](char b) { return static_cast<unsigned char>(b) < 0x80; }));
                }
                if (isIdeograph(c)) {
                    ++ideographs;
                    if (!holdsAll) {
                        EXPECT_EQ(piece, "?");
                    }
                }
                pieces += piece;
            }
            EXPECT_EQ(h, pieces);
            if (holdsAll) {
                EXPECT_EQ(heldToUtf8(h, codeset), utf8(line));
            } else {
                EXPECT_GE(static_cast<std::size_t>(std::ranges::count(h, '?')), ideographs);
            }
            appendHeldLine(held, h);
        }
        std::size_t lineEnds = 0;
        for (std::size_t at = held.find("\r\n"); at != std::string::npos; at = held.find("\r\n", at + 2))
            ++lineEnds;
        EXPECT_EQ(lineEnds, 91u);
        EXPECT_TRUE(held.ends_with("\r\n"));
    }
}

}  // namespace
}  // namespace tcm::text
