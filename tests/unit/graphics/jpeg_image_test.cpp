#include "jpeg_test_support.h"

#include "graphics/graphic_error.h"

namespace tcm::graphics {
namespace {

using test::ByteVector;
using test::Encoding;
using test::encodeJpeg;
using test::fixturePath;
using test::readFile;

struct Fixture {
    const char* name;
    int width;
    int height;
    bool grayscale;
    bool progressive;
};

const Fixture fixtures[] = {
    {"baseline_420.jpg", 101, 67, false, false},
    {"progressive_420.jpg", 101, 67, false, true},
    {"grey.jpg", 75, 50, true, false},
    {"restart_444.jpg", 101, 67, false, false},
    {"progressive_cut.jpg", 101, 67, false, true},
};

TEST(JpegImageTest, LoadingReadsTheHeaderOnly)
{
    for (const Fixture& f : fixtures) {
        SCOPED_TRACE(f.name);
        const ByteVector file = readFile(fixturePath(f.name));
        const JpegImage image = JpegImage::fromFile(file);
        EXPECT_EQ(image.width(), f.width);
        EXPECT_EQ(image.height(), f.height);
        EXPECT_EQ(image.isGrayscale(), f.grayscale);
        EXPECT_EQ(image.isProgressive(), f.progressive);
        EXPECT_FALSE(image.isDecoded());
        // The picture keeps its own copy of the whole file.
        EXPECT_NE(image.fileBytes().data(), file.data());
        EXPECT_TRUE(std::equal(file.begin(), file.end(), image.fileBytes().begin(), image.fileBytes().end()));
    }
}

// Progressive (complete, and cut short so that block smoothing shows),
// greyscale, restart markers, partial MCUs: every pixel in both layouts as
// libjpeg's own decoder gives it with the same settings.
TEST(JpegImageTest, DecodesEveryFixtureLikeDjpeg)
{
    for (const Fixture& f : fixtures)
        test::expectSameAsDjpeg(fixturePath(f.name));
}

TEST(JpegImageTest, DecodesOnceAndKeepsTheRaster)
{
    JpegImage image = JpegImage::fromFile(readFile(fixturePath("baseline_420.jpg")));
    const Raster& first = image.decode();
    EXPECT_TRUE(image.isDecoded());
    ASSERT_FALSE(first.empty());
    const std::uint8_t* pixels = first.row(0);
    const Raster& second = image.decode();
    EXPECT_EQ(&second, &first);
    EXPECT_EQ(second.row(0), pixels);
    EXPECT_EQ(image.width(), 101);
    EXPECT_EQ(image.height(), 67);
}

// Byte order in memory, not through Raster's accessors: Xrgb32 is B, G, R, 0xFF
// and Rgb24 is R, G, B; a greyscale file comes out with three equal channels.
TEST(JpegImageTest, LaysOutColourAndGreyInTheRasterFormat)
{
    struct Case {
        const char* label;
        int components;
        PixelFormat format;
        std::vector<std::uint8_t> pixel;
    };
    const Case cases[] = {
        {"colour Xrgb32", 3, PixelFormat::Xrgb32, {0x10, 0x20, 0xF0, 0xFF}},
        {"colour Rgb24", 3, PixelFormat::Rgb24, {0xF0, 0x20, 0x10}},
        {"grey Xrgb32", 1, PixelFormat::Xrgb32, {0x50, 0x50, 0x50, 0xFF}},
        {"grey Rgb24", 1, PixelFormat::Rgb24, {0x50, 0x50, 0x50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Encoding e;
        e.components = c.components;
        e.lumaSampling = 1;
        e.quality = 100;
        e.solidRgb = c.components == 1 ? 0x505050 : 0xF02010;
        JpegImage image = JpegImage::fromFile(encodeJpeg(e), c.format);
        const Raster& raster = image.decode();
        ASSERT_EQ(raster.format(), c.format);
        for (int y : {0, e.height - 1}) {
            for (int x : {0, e.width - 1}) {
                const std::uint8_t* p = raster.row(y) + static_cast<std::size_t>(x) * raster.bytesPerPixel();
                for (std::size_t i = 0; i < c.pixel.size(); ++i)
                    EXPECT_NEAR(p[i], c.pixel[i], 1) << "pixel (" << x << ", " << y << ") byte " << i;
            }
        }
    }
}

// Segments the decoder skips may be longer than a source block and end on or
// across block boundaries; the pixels are the same as without them.
TEST(JpegImageTest, SkipsLongSegmentsAcrossSourceBlocks)
{
    const ByteVector plain = readFile(fixturePath("baseline_420.jpg"));
    JpegImage reference = JpegImage::fromFile(plain);
    const Raster& expected = reference.decode();
    for (std::size_t length : {4094u, 4095u, 9000u, 65535u}) {
        SCOPED_TRACE(length);
        ByteVector file(plain.begin(), plain.begin() + 2);
        const ByteVector segment = {0xFF, 0xEF, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
        file.insert(file.end(), segment.begin(), segment.end());
        file.insert(file.end(), length - 2, 0xA5);
        file.insert(file.end(), plain.begin() + 2, plain.end());
        JpegImage image = JpegImage::fromFile(file);
        const Raster& raster = image.decode();
        ASSERT_EQ(raster.sizeInBytes(), expected.sizeInBytes());
        EXPECT_EQ(std::memcmp(raster.row(0), expected.row(0), raster.sizeInBytes()), 0);
    }
}

}  // namespace
}  // namespace tcm::graphics
