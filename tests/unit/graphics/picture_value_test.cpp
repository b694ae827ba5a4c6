#include "graphics/glyph_value.h"
#include "graphics/graphic_error.h"
#include "graphics/picture_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tcm::graphics {
namespace {

std::vector<std::uint8_t> bytes(std::string_view s)
{
    return {s.begin(), s.end()};
}

// [n][name][L as 4 bytes LE][file]; `length` overrides L.
std::vector<std::uint8_t> pictureValue(std::string_view name, std::string_view file, std::uint32_t length)
{
    std::vector<std::uint8_t> v{static_cast<std::uint8_t>(name.size())};
    v.insert(v.end(), name.begin(), name.end());
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    v.insert(v.end(), file.begin(), file.end());
    return v;
}

std::vector<std::uint8_t> pictureValue(std::string_view name, std::string_view file)
{
    return pictureValue(name, file, static_cast<std::uint32_t>(file.size()));
}

std::string pictureError(const std::vector<std::uint8_t>& value)
{
    try {
        readPictureValue(value);
    } catch (const GraphicError& e) {
        return e.what();
    }
    ADD_FAILURE() << "picture value was accepted";
    return {};
}

TEST(PictureValueTest, SplitsNameAndFileAsViewsIntoTheValue)
{
    struct Case {
        std::string_view name;
        std::string_view file;
    };
    // An empty file and an empty or unknown name are the picture reader's business, not errors here.
    for (const Case c : {Case{"TBitmap", "BM\x01\x02"}, Case{"TJPEGImage", "\xFF\xD8"}, Case{"TBitmap", ""},
                         Case{"", "x"}, Case{"TSomething", "abc"}}) {
        SCOPED_TRACE(std::string(c.name) + " / " + std::to_string(c.file.size()));
        const std::vector<std::uint8_t> value = pictureValue(c.name, c.file);
        const PictureValue p = readPictureValue(value);
        EXPECT_EQ(p.className, c.name);
        EXPECT_EQ(std::string(p.file.begin(), p.file.end()), c.file);
        EXPECT_EQ(p.file.data(), value.data() + 5 + c.name.size());
        EXPECT_EQ(p.className.data(), reinterpret_cast<const char*>(value.data() + 1));
    }
}

TEST(PictureValueTest, RejectsEveryTruncationOfAValue)
{
    const std::vector<std::uint8_t> full = pictureValue("TBitmap", "BMxyz");
    const auto expected = [](std::size_t size) -> std::string {
        if (size == 0)
            return "Picture value is empty";
        if (size < 8)
            return "Picture class name of 7 bytes runs past the end (" + std::to_string(size - 1) +
                   (size == 2 ? " byte left)" : " bytes left)");
        if (size < 12)
            return "Picture value ends inside its file length (" + std::to_string(size - 8) + " of 4 bytes)";
        return "Picture file of 5 bytes runs past the end (" + std::to_string(size - 12) +
               (size == 13 ? " byte left)" : " bytes left)");
    };
    for (std::size_t size = 0; size < full.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(pictureError({full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size)}), expected(size));
    }
}

TEST(PictureValueTest, RejectsBadLengthFields)
{
    std::vector<std::uint8_t> trailing = pictureValue("TBitmap", "BM");
    trailing.push_back(0);
    trailing.push_back(0);
    struct Case {
        const char* label;
        std::vector<std::uint8_t> value;
        std::string message;
    };
    const Case cases[] = {
        {"name length 255 in a short value", bytes("\xFFTBitmap"),
         "Picture class name of 255 bytes runs past the end (7 bytes left)"},
        {"file length one past", pictureValue("TBitmap", "BM", 3),
         "Picture file of 3 bytes runs past the end (2 bytes left)"},
        {"file length 0xFFFFFFFF", pictureValue("TBitmap", "BM", 0xFFFFFFFF),
         "Picture file of 4294967295 bytes runs past the end (2 bytes left)"},
        {"file length 0 with bytes after it", pictureValue("TBitmap", "BM", 0),
         "Picture value has 2 bytes of unexpected data after its file"},
        {"bytes after the file", trailing, "Picture value has 2 bytes of unexpected data after its file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(pictureError(c.value), c.message);
    }
}

std::string glyphError(const std::vector<std::uint8_t>& value)
{
    try {
        readGlyphValue(value);
    } catch (const GraphicError& e) {
        return e.what();
    }
    ADD_FAILURE() << "glyph value was accepted";
    return {};
}

TEST(GlyphValueTest, ReturnsTheFileAsAViewIntoTheValue)
{
    for (std::string_view file : {std::string_view("BM\x00\x01", 4), std::string_view()}) {
        SCOPED_TRACE(file.size());
        std::vector<std::uint8_t> value = pictureValue("", file);
        value.erase(value.begin());  // a glyph value has no class name
        const stream::Bytes got = readGlyphValue(value);
        EXPECT_EQ(got.size(), file.size());
        EXPECT_EQ(got.data(), value.data() + 4);
    }
}

TEST(GlyphValueTest, RejectsTruncationsAndBadLengths)
{
    const std::vector<std::uint8_t> full = {3, 0, 0, 0, 'B', 'M', 'x'};
    for (std::size_t size = 0; size < full.size(); ++size) {
        SCOPED_TRACE(size);
        const std::string message =
            size < 4 ? "Glyph value ends inside its file length (" + std::to_string(size) + " of 4 bytes)"
                     : "Glyph file of 3 bytes runs past the end (" + std::to_string(size - 4) +
                           (size == 5 ? " byte left)" : " bytes left)");
        EXPECT_EQ(glyphError({full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size)}), message);
    }
    EXPECT_EQ(glyphError({0xFF, 0xFF, 0xFF, 0xFF, 'B'}), "Glyph file of 4294967295 bytes runs past the end (1 byte left)");
    EXPECT_EQ(glyphError({1, 0, 0, 0, 'B', 'M'}), "Glyph value has 1 byte of unexpected data after its file");
}

}  // namespace
}  // namespace tcm::graphics
