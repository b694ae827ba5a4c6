// Values read from files next to the form: raw, picture and glyph byte
// blocks, string lists from text files, and the depfile naming them.

#include "form_test_support.h"

#include "form_compiler/content_blocks.h"
#include "form_compiler/depfile.h"
#include "form_text/form_error.h"
#include "stream/stream_reader.h"

#include <gtest/gtest.h>

namespace tcm::tools::test {
namespace {

std::string dataOf(const stream::Value& v)
{
    return {reinterpret_cast<const char*>(v.data.data()), v.data.size()};
}

class FormContent : public ::testing::Test {
protected:
    TempDir dir;
    const std::string jpeg = hexBytes("FF D8 FF E0 00 00 01 02");
    const std::string bitmap = "BM" + hexBytes("00 7F 80 FF");

    void SetUp() override
    {
        dir.write("images/page.jpg", jpeg);
        dir.write("glyphs/button.bmp", bitmap);
        dir.write("text/memo.txt", "\xEF\xBB\xBF" "First\r\n\r\n中药\n");
    }

    CompiledForm compile(const std::string& body)
    {
        const auto form = dir.write("forms/main.form", "TX a {\n" + body + "}\n");
        return compileFormFile(form, noSchema());
    }
};

TEST_F(FormContent, BlocksWrapTheFileBytesExactly)
{
    // Paths are relative to the form's folder, not the working directory.
    const CompiledForm out = compile("  P = picture TJPEGImage \"../images/page.jpg\"\n"
                                     "  G = glyph \"../glyphs/button.bmp\"\n"
                                     "  F = file \"../glyphs/button.bmp\"\n");
    const stream::ObjectRecord r = stream::readComponentStream(out.stream);
    ASSERT_EQ(r.properties.size(), 3u);
    for (const stream::Property& p : r.properties)
        EXPECT_EQ(p.value.tag, stream::ValueTag::Binary) << p.name;
    EXPECT_EQ(dataOf(r.properties[0].value), hexBytes("0A") + "TJPEGImage" + hexBytes("08 00 00 00") + jpeg);
    EXPECT_EQ(dataOf(r.properties[1].value), hexBytes("06 00 00 00") + bitmap);
    EXPECT_EQ(dataOf(r.properties[2].value), bitmap);
}

TEST_F(FormContent, LinesBecomeNarrowOrWideStrings)
{
    const CompiledForm out = compile("  N = lines \"../text/memo.txt\"\n"
                                     "  W = lines wide \"../text/memo.txt\"\n");
    const stream::ObjectRecord r = stream::readComponentStream(out.stream);
    ASSERT_EQ(r.properties.size(), 2u);

    const stream::Value& narrow = r.properties[0].value;
    ASSERT_EQ(narrow.tag, stream::ValueTag::List);
    ASSERT_EQ(narrow.items.size(), 3u);
    for (const stream::Value& item : narrow.items)
        EXPECT_EQ(item.tag, stream::ValueTag::String);
    EXPECT_EQ(narrow.items[0].text(), "First");
    EXPECT_EQ(narrow.items[1].text(), "");
    EXPECT_EQ(narrow.items[2].text(), "中药");

    const stream::Value& wide = r.properties[1].value;
    ASSERT_EQ(wide.items.size(), 3u);
    for (const stream::Value& item : wide.items)
        EXPECT_EQ(item.tag, stream::ValueTag::WString);
    EXPECT_EQ(dataOf(wide.items[0]), hexBytes("46 00 69 00 72 00 73 00 74 00"));
    EXPECT_EQ(dataOf(wide.items[1]), "");
    EXPECT_EQ(dataOf(wide.items[2]), hexBytes("2D 4E 6F 83"));
}

TEST_F(FormContent, DependenciesNameEachFileOnce)
{
    const CompiledForm out = compile("  A = file \"../images/page.jpg\"\n"
                                     "  B = picture TBitmap \"../images/page.jpg\"\n"
                                     "  C = lines \"../text/memo.txt\"\n");
    const std::vector<std::filesystem::path> expected = {
        dir.path() / "forms/main.form", dir.path() / "images/page.jpg", dir.path() / "text/memo.txt"};
    EXPECT_EQ(out.dependencies, expected);
}

TEST_F(FormContent, UnreadableContentIsReportedAtThePath)
{
    const struct {
        std::string file;
        std::string body;
        std::string where;
        std::string message;
    } cases[] = {
        {"", "  P = glyph \"../missing.bmp\"\n", ":2:13: error: ", "cannot read '"},
        {"", "  P = file \"..\"\n", ":2:12: error: ", "it is a folder"},
        {"bad.txt", "  P = lines wide \"../bad.txt\"\n", ":2:18: error: ", "line 2 is not valid UTF-8"},
        {"", "  P = picture \"\" \"../images/page.jpg\"\n", ":2:15: error: ", "must not be empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        if (!c.file.empty())
            dir.write(c.file, "ok\n\xC3(\n");
        try {
            compile(c.body);
            ADD_FAILURE() << "compiled";
        } catch (const FormError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("main.form" + c.where), std::string::npos) << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
        }
    }
}

TEST(TextLines, SplitsLikeAnEditorShowsThem)
{
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"\n\n", {"", ""}},
        {"a\rb\n", {"a\rb"}},
        {"\xEF\xBB\xBFx\n", {"x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(Depfile, EscapesWhatMakeWouldSplit)
{
    EXPECT_EQ(makeDepfile("out/Unit1.stream", {"/src/Unit1.form", "/src/my images/a#1$.jpg"}),
              "out/Unit1.stream: \\\n  /src/Unit1.form \\\n  /src/my\\ images/a\\#1$$.jpg\n");
}

}  // namespace
}  // namespace tcm::tools::test
