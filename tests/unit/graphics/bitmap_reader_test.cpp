#include "bitmap_builder.h"

#include "graphics/bitmap_reader.h"
#include "graphics/graphic_error.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tcm::graphics {
namespace {

using test::append;
using test::BmpFile;
using test::packedRow;
using test::row24;

constexpr PixelFormat kFormats[] = {PixelFormat::Rgb24, PixelFormat::Xrgb32};

// A colour that differs in every channel between neighbouring pixels and rows.
std::uint32_t colourAt(int x, int y)
{
    return (static_cast<std::uint32_t>(x * 40 + 7) & 0xFF) << 16 | (static_cast<std::uint32_t>(y * 50 + 3) & 0xFF) << 8 |
           (static_cast<std::uint32_t>((x + y) * 17 + 100) & 0xFF);
}

// A 24-bit file whose display row y holds colourAt(x, y), stored in the order `height`'s sign says.
BmpFile picture24(int width, int height, std::uint8_t fill = 0xAB)
{
    BmpFile f;
    f.width = width;
    f.height = height;
    const int rows = height < 0 ? -height : height;
    for (int i = 0; i < rows; ++i) {
        const int y = height < 0 ? i : rows - 1 - i;
        std::vector<std::uint32_t> rgb;
        for (int x = 0; x < width; ++x)
            rgb.push_back(colourAt(x, y));
        append(f.pixels, row24(rgb, fill));
    }
    return f;
}

Raster read(const std::vector<std::uint8_t>& file, PixelFormat format = PixelFormat::Xrgb32)
{
    return readBitmap(file, format);
}

std::string readError(const std::vector<std::uint8_t>& file)
{
    try {
        readBitmap(file, PixelFormat::Xrgb32);
    } catch (const GraphicError& e) {
        return e.what();
    }
    ADD_FAILURE() << "bitmap was accepted";
    return {};
}

void expectPixels(const Raster& r, int width, int height, const std::function<std::uint32_t(int, int)>& expected)
{
    ASSERT_EQ(r.width(), width);
    ASSERT_EQ(r.height(), height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(r.rgbAt(x, y), expected(x, y)) << "at " << x << ", " << y;
            // Every Xrgb32 pixel is opaque, also one the file was too short to hold.
            if (r.format() == PixelFormat::Xrgb32) {
                ASSERT_EQ(r.row(y)[4 * static_cast<std::size_t>(x) + 3], 0xFF) << "at " << x << ", " << y;
            }
        }
    }
}

void patch32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(BitmapReaderTest, Reads24BitRowsInBothOrdersWithoutReadingFillBytes)
{
    // Odd widths need 3, 2 or 1 fill bytes per row; non-zero fill shifts every
    // row of a reader that takes it for pixels.
    for (int width : {1, 2, 3, 5, 7}) {
        for (int height : {3, -3}) {
            for (PixelFormat format : kFormats) {
                SCOPED_TRACE("width " + std::to_string(width) + ", height " + std::to_string(height) +
                             (format == PixelFormat::Rgb24 ? ", Rgb24" : ", Xrgb32"));
                const Raster r = read(picture24(width, height).bytes(), format);
                EXPECT_EQ(r.format(), format);
                expectPixels(r, width, 3, colourAt);
            }
        }
    }
}

TEST(BitmapReaderTest, WritesEachPixelFormatsByteOrder)
{
    BmpFile f;
    f.pixels = row24({0x112233}, 0);
    const Raster rgb = read(f.bytes(), PixelFormat::Rgb24);
    EXPECT_EQ(std::vector<std::uint8_t>(rgb.row(0), rgb.row(0) + 3), (std::vector<std::uint8_t>{0x11, 0x22, 0x33}));
    const Raster xrgb = read(f.bytes(), PixelFormat::Xrgb32);
    EXPECT_EQ(std::vector<std::uint8_t>(xrgb.row(0), xrgb.row(0) + 4),
              (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0xFF}));
}

TEST(BitmapReaderTest, ReadsPaletteDepthsWithFillBitsSet)
{
    struct Case {
        unsigned bits;
        int width;  // leaves unused bits in the last byte and fill bytes in each row
    };
    for (const Case c : {Case{1, 9}, Case{1, 33}, Case{4, 5}, Case{8, 3}}) {
        for (PixelFormat format : kFormats) {
            SCOPED_TRACE(std::to_string(c.bits) + " bits, width " + std::to_string(c.width));
            const unsigned colours = 1u << c.bits;
            auto paletteColour = [](unsigned i) { return (0x010307 * i + 0x402010) & 0xFFFFFF; };
            auto index = [&](int x, int y) { return static_cast<unsigned>(x * 3 + y * 5 + 1) % colours; };
            BmpFile f;
            f.bits = static_cast<std::uint16_t>(c.bits);
            f.width = c.width;
            f.height = 2;
            for (unsigned i = 0; i < colours; ++i)
                f.palette.push_back(paletteColour(i));
            for (int y : {1, 0}) {  // bottom row first
                std::vector<unsigned> indices;
                for (int x = 0; x < c.width; ++x)
                    indices.push_back(index(x, y));
                append(f.pixels, packedRow(c.bits, indices, 0xFF));
            }
            expectPixels(read(f.bytes(), format), c.width, 2,
                         [&](int x, int y) { return paletteColour(index(x, y)); });
        }
    }
}

// Where the colour table sits, how big its entries are and how many it has
// decide where the pixels start; an index past the table's end draws black.
TEST(BitmapReaderTest, PlacesColourTableAndPixelsAfterEachHeaderKind)
{
    struct Case {
        const char* label;
        BmpFile file;
        std::vector<std::uint32_t> expected;  // one row
    };
    auto make = [](std::uint32_t headerSize, std::uint16_t bits, std::uint32_t coloursUsed,
                   std::vector<std::uint32_t> palette, std::vector<std::uint8_t> pixels) {
        BmpFile f;
        f.headerSize = headerSize;
        f.bits = bits;
        f.width = 4;
        f.coloursUsed = coloursUsed;
        f.palette = std::move(palette);
        f.pixels = std::move(pixels);
        return f;
    };
    std::vector<std::uint32_t> grey(256);
    for (unsigned i = 0; i < 256; ++i)
        grey[i] = i * 0x010101;
    const std::vector<std::uint32_t> two = {0xFF0000, 0x00FF00};
    const Case cases[] = {
        {"core header, 8 bits, 3-byte entries", make(12, 8, 0, grey, packedRow(8, {0, 9, 128, 255}, 0)),
         {0x000000, 0x090909, 0x808080, 0xFFFFFF}},
        {"core header, 1 bit", make(12, 1, 0, two, packedRow(1, {1, 0, 0, 1}, 0)),
         {0x00FF00, 0xFF0000, 0xFF0000, 0x00FF00}},
        {"core header, 24 bits", make(12, 24, 0, {}, row24({1, 2, 3, 4}, 0)), {1, 2, 3, 4}},
        {"124-byte info header, 4 bits", make(124, 4, 2, two, packedRow(4, {1, 1, 0, 1}, 0)),
         {0x00FF00, 0x00FF00, 0xFF0000, 0x00FF00}},
        {"24 bits with a table of 2 entries to skip", make(40, 24, 2, two, row24({5, 6, 7, 8}, 0)), {5, 6, 7, 8}},
        {"8 bits, 2 colours used, indices past the table", make(40, 8, 2, two, packedRow(8, {0, 1, 2, 255}, 0)),
         {0xFF0000, 0x00FF00, 0, 0}},
        {"4 bits, 3 colours used, index 15", make(40, 4, 3, {1, 2, 3}, packedRow(4, {2, 15, 0, 3}, 0)), {3, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        expectPixels(read(c.file.bytes()), 4, 1, [&](int x, int) { return c.expected[x]; });
    }
}

TEST(BitmapReaderTest, ReadsTheFaceBitmapLayout)
{
    // 544 x 477 at 24 bits: rows of 1,632 bytes with no fill, white corners.
    constexpr int w = 544, h = 477;
    auto colour = [](int x, int y) -> std::uint32_t {
        if ((x == 0 || x == w - 1) && (y == 0 || y == h - 1))
            return 0xFFFFFF;
        return colourAt(x, y);
    };
    BmpFile f;
    f.width = w;
    f.height = h;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint32_t> rgb;
        for (int x = 0; x < w; ++x)
            rgb.push_back(colour(x, y));
        append(f.pixels, row24(rgb, 0));
    }
    const std::vector<std::uint8_t> file = f.bytes();
    ASSERT_EQ(file.size(), 778'518u);
    const std::vector<std::uint8_t> header(file.begin(), file.begin() + 54);
    const std::vector<std::uint8_t> expectedHeader = {
        'B', 'M', 0x16, 0xE1, 0x0B, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // size 778,518, offset 54
        40, 0, 0, 0, 0x20, 0x02, 0, 0, 0xDD, 0x01, 0, 0,       // 40, 544, 477
        1, 0, 24, 0, 0, 0, 0, 0, 0xE0, 0xE0, 0x0B, 0,          // planes, bits, none, 778,464
        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(header, expectedHeader);
    for (PixelFormat format : kFormats)
        expectPixels(read(file, format), w, h, colour);
}

TEST(BitmapReaderTest, ReadsStraightOnWhateverTheStoredPixelOffsetSays)
{
    const Raster honest = read(picture24(3, 2).bytes());
    for (std::uint32_t offset : {0u, 53u, 55u, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(offset);
        BmpFile f = picture24(3, 2);
        f.pixelOffset = offset;
        expectPixels(read(f.bytes()), 3, 2, [&](int x, int y) { return honest.rgbAt(x, y); });
    }
}

TEST(BitmapReaderTest, ShortPixelDataLeavesWhatIsMissingBlack)
{
    // 3 x 3 at 24 bits: 12-byte rows (9 pixel bytes, 3 fill).
    struct Case {
        const char* label;
        int height;
        std::optional<std::uint32_t> imageSize;
        std::size_t keptPixelBytes;
        std::function<bool(int, int)> present;
    };
    const Case cases[] = {
        {"image size 0: computed from the rows", 3, 0u, 36, [](int, int) { return true; }},
        {"image size past the end: cut to the file", 3, 1000u, 36, [](int, int) { return true; }},
        {"image size one row: later rows unread", 3, 12u, 36, [](int, int y) { return y == 2; }},
        {"file ends after the bottom row", 3, std::nullopt, 12, [](int, int y) { return y == 2; }},
        {"file ends inside a pixel", 3, std::nullopt, 16, [](int x, int y) { return y == 2 || (y == 1 && x == 0); }},
        {"file ends in the fill bytes", 3, std::nullopt, 34, [](int, int) { return true; }},
        {"top-down: the bottom rows are missing", -3, std::nullopt, 15, [](int x, int y) { return y == 0 || (y == 1 && x == 0); }},
        {"no pixel bytes at all", 3, std::nullopt, 0, [](int, int) { return false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        BmpFile f = picture24(3, c.height);
        f.imageSize = c.imageSize.value_or(36);
        f.pixels.resize(c.keptPixelBytes);
        expectPixels(read(f.bytes()), 3, 3, [&](int x, int y) { return c.present(x, y) ? colourAt(x, y) : 0u; });
    }
}

TEST(BitmapReaderTest, ShortPalettePixelDataStopsAtTheLastWholeIndex)
{
    // 1 bit, 12 x 2: the bottom row is 4 bytes, the top row has 1 byte of its 2 index bytes.
    BmpFile f;
    f.bits = 1;
    f.width = 12;
    f.height = 2;
    f.palette = {0x0000FF, 0xFFFFFF};
    f.pixels = packedRow(1, std::vector<unsigned>(12, 1), 0);
    f.pixels.push_back(0xFF);
    expectPixels(read(f.bytes()), 12, 2, [](int x, int y) { return y == 1 || x < 8 ? 0xFFFFFFu : 0u; });
}

// Inputs the bitmap fuzzer found, kept byte for byte: the file ends before
// its last row, and the rows it lacks came out with a clear Xrgb32 padding
// byte (transparent instead of opaque black).
TEST(BitmapReaderTest, FuzzerFoundShortFilesReadAlikeInBothFormats)
{
    struct Case {
        const char* label;
        std::vector<std::uint8_t> file;
    };
    const Case cases[] = {
        {"crash-ed7b5680: 1 bit, 9 x 2, one pixel byte",
         {0x42, 0x4d, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3e, 0x00, 0x00, 0x00, 0x28, 0x00,
          0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0xc4, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0x00, 0xa5, 0x80, 0xff, 0xff, 0x5a, 0x7f, 0x00, 0x00}},
        {"crash-ce0014be: 4 bits, 5 x 2, one row",
         {0x42, 0x4d, 0x4a, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00, 0x00, 0x28, 0x00,
          0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0xc4, 0x0e, 0x00, 0x00, 0xc4, 0x0e, 0x00, 0x00, 0x03, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0xff, 0x00, 0x00, 0xff, 0x00,
          0x00, 0x21, 0x0f, 0xf0, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Raster rgb = read(c.file, PixelFormat::Rgb24);
        expectPixels(read(c.file, PixelFormat::Xrgb32), rgb.width(), rgb.height(),
                     [&](int x, int y) { return rgb.rgbAt(x, y); });
    }
}

TEST(BitmapReaderTest, AcceptsAPictureOfExactlyThePixelCap)
{
    BmpFile f;
    f.bits = 1;
    f.width = 1 << 25;
    f.palette = {0, 0xFFFFFF};
    f.pixels = {0x80, 0, 0, 0};
    const Raster r = read(f.bytes(), PixelFormat::Rgb24);
    ASSERT_EQ(static_cast<std::uint64_t>(r.width()), maxRasterPixels);
    EXPECT_EQ(r.rgbAt(0, 0), 0xFFFFFFu);
    EXPECT_EQ(r.rgbAt(1, 0), 0u);
}

TEST(BitmapReaderTest, HonoursALowerPixelCapFromTheCaller)
{
    const std::vector<std::uint8_t> file = picture24(4, -4).bytes();
    EXPECT_EQ(readBitmap(file, PixelFormat::Xrgb32, 16).height(), 4);
    try {
        readBitmap(file, PixelFormat::Xrgb32, 15);
        ADD_FAILURE() << "bitmap was accepted";
    } catch (const GraphicError& e) {
        EXPECT_STREQ(e.what(), "Bitmap of 4 x 4 pixels is too large");
    }
}

TEST(BitmapReaderTest, RejectsMalformedFilesWithAClearMessage)
{
    const std::string notValid = "Bitmap image is not valid";
    auto with = [](const std::function<void(BmpFile&)>& change) {
        BmpFile f = picture24(1, 1);
        change(f);
        return f.bytes();
    };
    auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto patched = [](std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t v) {
        patch32(bytes, at, v);
        return bytes;
    };
    const std::vector<std::uint8_t> good = picture24(1, 1).bytes();
    BmpFile core = picture24(1, 1);
    core.headerSize = 12;
    struct Case {
        const char* label;
        std::vector<std::uint8_t> file;
        std::string message;
    };
    const Case cases[] = {
        {"empty file", {}, notValid},
        {"signature only", cut(good, 2), notValid},
        {"file header cut short", cut(good, 13), notValid},
        {"signature MB", with([](BmpFile& f) { f.signature = "MB"; }), notValid},
        {"signature bm", with([](BmpFile& f) { f.signature = "bm"; }), notValid},
        {"no info header size", cut(good, 14), "Bitmap file ends before its info header"},
        {"info header size cut", cut(good, 17), "Bitmap file ends before its info header"},
        {"info header size 0", patched(good, 14, 0), "Bitmap info header of 0 bytes is not supported"},
        {"info header size 39", patched(good, 14, 39), "Bitmap info header of 39 bytes is not supported"},
        {"info header cut short", cut(good, 30), "Bitmap info header of 40 bytes is cut short (16 bytes left)"},
        {"core header cut short", cut(core.bytes(), 24),
         "Bitmap info header of 12 bytes is cut short (10 bytes left)"},
        {"info header size 0xFFFFFFFF", patched(good, 14, 0xFFFFFFFF),
         "Bitmap info header of 4294967295 bytes is cut short (44 bytes left)"},
        {"planes 0", with([](BmpFile& f) { f.planes = 0; }), notValid},
        {"planes 2", with([](BmpFile& f) { f.planes = 2; }), notValid},
        {"core header planes 2", [&] { BmpFile f = core; f.planes = 2; return f.bytes(); }(), notValid},
        {"0 bits", with([](BmpFile& f) { f.bits = 0; }), "Bitmap of 0 bits per pixel is not supported"},
        {"2 bits", with([](BmpFile& f) { f.bits = 2; }), "Bitmap of 2 bits per pixel is not supported"},
        {"16 bits", with([](BmpFile& f) { f.bits = 16; }), "Bitmap of 16 bits per pixel is not supported"},
        {"32 bits", with([](BmpFile& f) { f.bits = 32; }), "Bitmap of 32 bits per pixel is not supported"},
        {"RLE8", with([](BmpFile& f) { f.compression = 1; }), "Bitmap compression 1 (RLE8) is not supported"},
        {"RLE4", with([](BmpFile& f) { f.compression = 2; }), "Bitmap compression 2 (RLE4) is not supported"},
        {"bit fields", with([](BmpFile& f) { f.compression = 3; }),
         "Bitmap compression 3 (bit fields) is not supported"},
        {"JPEG", with([](BmpFile& f) { f.compression = 4; }), "Bitmap compression 4 (JPEG) is not supported"},
        {"unknown compression", with([](BmpFile& f) { f.compression = 99; }),
         "Bitmap compression 99 is not supported"},
        {"width 0", with([](BmpFile& f) { f.width = 0; }), "Bitmap width 0 is not valid"},
        {"width -1", with([](BmpFile& f) { f.width = -1; }), "Bitmap width -1 is not valid"},
        {"width INT_MIN", with([](BmpFile& f) { f.width = INT_MIN; }), "Bitmap width -2147483648 is not valid"},
        {"height 0", with([](BmpFile& f) { f.height = 0; }), "Bitmap height 0 is not valid"},
        {"height INT_MIN", with([](BmpFile& f) { f.height = INT_MIN; }), "Bitmap height -2147483648 is not valid"},
        {"core width 0", [&] { BmpFile f = core; f.width = 0; return f.bytes(); }(), "Bitmap width 0 is not valid"},
        {"core height 0", [&] { BmpFile f = core; f.height = 0; return f.bytes(); }(), "Bitmap height 0 is not valid"},
        {"width 2^30", with([](BmpFile& f) { f.width = 1073741824; }),
         "Bitmap of 1073741824 x 1 pixels is too large"},
        {"width 2^30 at 1 bit", with([](BmpFile& f) { f.width = 1073741824; f.bits = 1; f.palette = {0, 1}; }),
         "Bitmap of 1073741824 x 1 pixels is too large"},
        {"32768 x 32769", with([](BmpFile& f) { f.width = 32768; f.height = 32769; }),
         "Bitmap of 32768 x 32769 pixels is too large"},
        {"32768 x -32769", with([](BmpFile& f) { f.width = 32768; f.height = -32769; }),
         "Bitmap of 32768 x 32769 pixels is too large"},
        {"32768 x 32769 at 32 bits", with([](BmpFile& f) { f.width = 32768; f.height = 32769; f.bits = 32; }),
         "Bitmap of 32 bits per pixel is not supported"},
        {"one pixel over the cap", with([](BmpFile& f) { f.width = (1 << 25) + 1; }),
         "Bitmap of 33554433 x 1 pixels is too large"},
        {"core 65535 x 65535", [&] { BmpFile f = core; f.width = 65535; f.height = 65535; return f.bytes(); }(),
         "Bitmap of 65535 x 65535 pixels is too large"},
        {"257 colours at 8 bits", with([](BmpFile& f) { f.bits = 8; f.coloursUsed = 257; }),
         "Bitmap uses 257 colours, more than 8 bits per pixel can index"},
        {"17 colours at 4 bits", with([](BmpFile& f) { f.bits = 4; f.coloursUsed = 17; }),
         "Bitmap uses 17 colours, more than 4 bits per pixel can index"},
        {"3 colours at 1 bit", with([](BmpFile& f) { f.bits = 1; f.coloursUsed = 3; }),
         "Bitmap uses 3 colours, more than 1 bit per pixel can index"},
        {"0xFFFFFFFF colours at 8 bits", with([](BmpFile& f) { f.bits = 8; f.coloursUsed = 0xFFFFFFFF; }),
         "Bitmap uses 4294967295 colours, more than 8 bits per pixel can index"},
        {"0xFFFFFFFF colours at 24 bits", with([](BmpFile& f) { f.coloursUsed = 0xFFFFFFFF; }),
         "Bitmap uses 4294967295 colours, more than 24 bits per pixel can index"},
        {"8 bits without a colour table", with([](BmpFile& f) { f.bits = 8; }),
         "Bitmap colour table of 256 entries is cut short"},
        {"20 colours used, 10 stored", with([](BmpFile& f) {
             f.bits = 8;
             f.coloursUsed = 20;
             f.palette.assign(10, 0);
         }),
         "Bitmap colour table of 20 entries is cut short"},
        {"24 bits, 2^24 colours used, none stored", with([](BmpFile& f) { f.coloursUsed = 1u << 24; }),
         "Bitmap colour table of 16777216 entries is cut short"},
        {"core 8 bits without a colour table", [&] { BmpFile f = core; f.bits = 8; return f.bytes(); }(),
         "Bitmap colour table of 256 entries is cut short"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(readError(c.file), c.message);
    }
}

}  // namespace
}  // namespace tcm::graphics
