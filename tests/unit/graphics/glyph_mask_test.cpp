#include "bitmap_builder.h"

#include "graphics/bitmap_reader.h"
#include "graphics/glyph_mask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tcm::graphics {
namespace {

using test::append;
using test::BmpFile;
using test::row24;

// A 24-bit glyph file from display rows, top row first, stored in the order
// the height's sign gives.
std::vector<std::uint8_t> glyphFile(const std::vector<std::vector<std::uint32_t>>& rows, bool bottomUp,
                                    std::uint8_t fill)
{
    BmpFile f;
    f.width = static_cast<std::int32_t>(rows.front().size());
    f.height = bottomUp ? static_cast<std::int32_t>(rows.size()) : -static_cast<std::int32_t>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        append(f.pixels, row24(rows[bottomUp ? rows.size() - 1 - i : i], fill));
    return f.bytes();
}

// The mask as text, top row first: '#' transparent, '.' opaque.
std::vector<std::string> maskRows(const PixelMask& m)
{
    std::vector<std::string> rows;
    for (int y = 0; y < m.height(); ++y) {
        std::string row;
        for (int x = 0; x < m.width(); ++x)
            row += m.transparent(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(GlyphMask, TransparentExactlyWhereTheColourIsTheBottomLeftPixels)
{
    constexpr std::uint32_t K = 0x9B9B9B;
    const struct {
        const char* what;
        std::vector<std::vector<std::uint32_t>> rows;  // display order
        std::vector<std::string> mask;
    } cases[] = {
        {"the top-left colour is not the key",
         {{0xFFFFFF, K, 0xFFFFFF}, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, {K, 0x123456, K}},
         {".#.", "...", "#.#"}},
        {"colours one step away in any channel stay opaque",
         {{0x9C9B9B, 0x9B9C9B, 0x9B9B9C}, {0x9A9B9B, 0x9B9A9B, 0x9B9B9A}, {K, 0x9B9B9B, 0x1B9B9B}},
         {"...", "...", "##."}},
        {"the key is whatever the bottom-left pixel holds, even black",
         {{0x000000, 0x000001, 0x000000}, {0x000000, 0x010000, 0x000100}},
         {"#.#", "#.."}},
        {"a one-pixel glyph is all key", {{0xFFFEFF}}, {"#"}},
        // Widths of 9 and 17 cross the mask's byte boundaries.
        {"a row wider than a byte of mask bits",
         {{K, 1, K, 1, K, 1, K, 1, K, 1, K, 1, K, 1, K, 1, K}, {K, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, K}},
         {"#.#.#.#.#.#.#.#.#", "#...............#"}},
    };
    for (const auto& c : cases) {
        for (bool bottomUp : {true, false}) {
            for (PixelFormat format : {PixelFormat::Xrgb32, PixelFormat::Rgb24}) {
                SCOPED_TRACE(std::string(c.what) + (bottomUp ? ", bottom-up" : ", top-down") +
                             (format == PixelFormat::Rgb24 ? ", Rgb24" : ", Xrgb32"));
                // Fill bytes that spell the key colour must not count as pixels.
                const Raster glyph = readBitmap(glyphFile(c.rows, bottomUp, 0x9B), format);
                EXPECT_EQ(glyphTransparentColour(glyph), c.rows.back().front());
                const PixelMask mask = glyphMask(glyph);
                EXPECT_EQ(maskRows(mask), c.mask);
            }
        }
    }
}

TEST(GlyphMask, CountsAndClearsBitsAndHandlesAnEmptyGlyph)
{
    PixelMask m(13, 3);
    EXPECT_EQ(m.transparentCount(), 0u);
    m.setTransparent(0, 0);
    m.setTransparent(12, 2);
    m.setTransparent(8, 1);
    EXPECT_EQ(m.transparentCount(), 3u);
    EXPECT_TRUE(m.transparent(12, 2));
    EXPECT_FALSE(m.transparent(11, 2));
    m.setTransparent(8, 1, false);
    EXPECT_EQ(m.transparentCount(), 2u);

    const PixelMask none = glyphMask(Raster());
    EXPECT_EQ(none.width(), 0);
    EXPECT_EQ(none.height(), 0);
    EXPECT_EQ(none.transparentCount(), 0u);
    EXPECT_EQ(glyphTransparentColour(Raster()), 0u);
}

}  // namespace
}  // namespace tcm::graphics
