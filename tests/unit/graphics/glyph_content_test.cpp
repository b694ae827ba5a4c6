// The three shipped button glyphs in content/glyphs: their file layout, and
// which of their pixels the button shows as transparent.

#include "graphics/bitmap_reader.h"
#include "graphics/glyph_mask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace tcm::graphics {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readGlyph(const std::string& name)
{
    const std::string path = std::string(TCM_CONTENT_DIR) + "/glyphs/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le(const Bytes& b, std::size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

struct Shipped {
    const char* file;
    int width, height;
    std::uint32_t fileSize, imageSize, resolution;
    int rowLength, fillBytes;
    bool fillIsZero;
    std::uint32_t key;
    std::size_t transparent;
};

constexpr Shipped kShipped[] = {
    {"hand.bmp", 102, 112, 34550, 34496, 3779, 308, 2, false, 0x9B9B9B, 40},
    {"eye.bmp", 103, 92, 28758, 28704, 3780, 312, 3, true, 0xFFFEFF, 274},
    {"face.bmp", 117, 151, 53206, 53152, 3780, 352, 1, true, 0xF7F7F7, 1728},
};

TEST(ShippedGlyphs, KeepTheirHeaderFieldsAndRowFill)
{
    for (const Shipped& s : kShipped) {
        SCOPED_TRACE(s.file);
        const Bytes f = readGlyph(s.file);
        ASSERT_EQ(f.size(), s.fileSize);
        EXPECT_EQ(f[0], 'B');
        EXPECT_EQ(f[1], 'M');
        const std::uint32_t header[] = {le(f, 2, 4),  le(f, 6, 4),  le(f, 10, 4), le(f, 14, 4), le(f, 18, 4),
                                        le(f, 22, 4), le(f, 26, 2), le(f, 28, 2), le(f, 30, 4), le(f, 34, 4),
                                        le(f, 38, 4), le(f, 42, 4), le(f, 46, 4), le(f, 50, 4)};
        const std::uint32_t expected[] = {s.fileSize, 0, 54, 40, static_cast<std::uint32_t>(s.width),
                                          static_cast<std::uint32_t>(s.height), 1, 24, 0, s.imageSize,
                                          s.resolution, s.resolution, 0, 0};
        EXPECT_EQ(std::vector<std::uint32_t>(std::begin(header), std::end(header)),
                  std::vector<std::uint32_t>(std::begin(expected), std::end(expected)));
        EXPECT_EQ(static_cast<std::uint32_t>(s.rowLength * s.height), s.imageSize);
        EXPECT_EQ(s.rowLength, 3 * s.width + s.fillBytes);
        int nonZeroFill = 0;
        for (int row = 0; row < s.height; ++row)
            for (int i = 0; i < s.fillBytes; ++i)
                nonZeroFill += f[54 + static_cast<std::size_t>(row * s.rowLength + 3 * s.width + i)] != 0;
        EXPECT_EQ(nonZeroFill, s.fillIsZero ? 0 : s.height * s.fillBytes);
    }
}

TEST(ShippedGlyphs, BottomLeftColourIsTransparentWhereverItOccurs)
{
    for (const Shipped& s : kShipped) {
        SCOPED_TRACE(s.file);
        const Bytes f = readGlyph(s.file);
        // The first stored pixel, blue green red, is the bottom-left one.
        EXPECT_EQ(std::uint32_t{f[56]} << 16 | std::uint32_t{f[55]} << 8 | f[54], s.key);
        const Raster glyph = readBitmap(f, PixelFormat::Xrgb32);
        ASSERT_EQ(glyph.width(), s.width);
        ASSERT_EQ(glyph.height(), s.height);
        EXPECT_EQ(glyphTransparentColour(glyph), s.key);
        const PixelMask mask = glyphMask(glyph);
        EXPECT_EQ(mask.transparentCount(), s.transparent);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                ASSERT_EQ(mask.transparent(x, y), glyph.rgbAt(x, y) == s.key) << x << "," << y;
    }
}

// Transparent pixels per display row of a mask.
std::vector<int> transparentPerRow(const PixelMask& m)
{
    std::vector<int> rows(static_cast<std::size_t>(m.height()));
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            rows[static_cast<std::size_t>(y)] += m.transparent(x, y);
    return rows;
}

TEST(ShippedGlyphs, HandShowsItsWhiteBackgroundAndHidesOnlyItsGreyMarks)
{
    const Raster hand = readBitmap(readGlyph("hand.bmp"), PixelFormat::Xrgb32);
    const PixelMask mask = glyphMask(hand);
    const std::vector<int> rows = transparentPerRow(mask);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const int expected = y == 2 ? 2 : y == rows.size() - 1 ? 38 : 0;
        EXPECT_EQ(rows[y], expected) << "row " << y;
    }
    for (int x = 0; x < 38; ++x)
        EXPECT_TRUE(mask.transparent(x, 111)) << x;
    // The top-left pixel is white, and white stays opaque.
    EXPECT_EQ(hand.rgbAt(0, 0), 0xFFFFFFu);
    EXPECT_FALSE(mask.transparent(0, 0));
}

// A reader that took the hand glyph's fill bytes for pixels would shift every
// row; with them cleared the picture must read the same.
TEST(ShippedGlyphs, HandReadsTheSameWithItsFillBytesCleared)
{
    const Bytes noisy = readGlyph("hand.bmp");
    Bytes clean = noisy;
    for (int row = 0; row < 112; ++row)
        for (int i = 0; i < 2; ++i)
            clean[54 + static_cast<std::size_t>(row * 308 + 306 + i)] = 0;
    ASSERT_NE(clean, noisy);
    for (PixelFormat format : {PixelFormat::Xrgb32, PixelFormat::Rgb24}) {
        const Raster a = readBitmap(noisy, format);
        const Raster b = readBitmap(clean, format);
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 102; ++x)
                ASSERT_EQ(a.rgbAt(x, y), b.rgbAt(x, y)) << x << "," << y;
        EXPECT_EQ(glyphMask(a).transparentCount(), 40u);
    }
}

TEST(ShippedGlyphs, EyeKeepsPureWhiteOpaque)
{
    const Raster eye = readBitmap(readGlyph("eye.bmp"), PixelFormat::Xrgb32);
    const PixelMask mask = glyphMask(eye);
    int white = 0;
    for (int y = 0; y < eye.height(); ++y) {
        for (int x = 0; x < eye.width(); ++x) {
            if (eye.rgbAt(x, y) == 0xFFFFFF) {
                ++white;
                EXPECT_FALSE(mask.transparent(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_TRUE(mask.transparent(0, 91));
}

TEST(ShippedGlyphs, FaceIsTransparentAlongItsEdgesAndInSinglePixels)
{
    const Raster face = readBitmap(readGlyph("face.bmp"), PixelFormat::Xrgb32);
    const PixelMask mask = glyphMask(face);
    auto edge = [](int x, int y) { return y < 5 || y >= 148 || x < 2; };
    std::size_t edgePixels = 0;
    std::size_t scattered = 0;
    for (int y = 0; y < 151; ++y) {
        for (int x = 0; x < 117; ++x) {
            if (edge(x, y)) {
                ++edgePixels;
                ASSERT_TRUE(mask.transparent(x, y)) << x << "," << y;
            } else if (mask.transparent(x, y)) {
                ++scattered;
                // Single pixels: no transparent neighbour inside the drawing.
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if ((dx || dy) && !edge(x + dx, y + dy)) {
                            EXPECT_FALSE(mask.transparent(x + dx, y + dy)) << x << "," << y;
                        }
            }
        }
    }
    EXPECT_EQ(edgePixels, 8u * 117 + 2u * 143);
    EXPECT_EQ(scattered, 1728u - edgePixels);
}

}  // namespace
}  // namespace tcm::graphics
