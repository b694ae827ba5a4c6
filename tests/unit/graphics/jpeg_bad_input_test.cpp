#include "jpeg_test_support.h"

#include "graphics/graphic_error.h"

#include <jerror.h>

#include <optional>

namespace tcm::graphics {
namespace {

using test::ByteVector;
using test::Encoding;
using test::encodeJpeg;
using test::fixturePath;
using test::markerOffset;
using test::readFile;
using test::scanDataOffset;

ByteVector baseline() { return readFile(fixturePath("baseline_420.jpg")); }

// The message number of the JpegError `action` throws, or nothing.
template <typename Action>
std::optional<int> jpegErrorOf(Action&& action)
{
    try {
        action();
    } catch (const JpegError& e) {
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.code()));
        return e.code();
    }
    return std::nullopt;
}

// The frame header fields, patched in place.
ByteVector withFrame(ByteVector file, int precision, int width, int height, std::uint8_t marker = 0xC0)
{
    const std::size_t sof = markerOffset(file, 0xC0);
    file[sof + 1] = marker;
    file[sof + 4] = static_cast<std::uint8_t>(precision);
    file[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    file[sof + 6] = static_cast<std::uint8_t>(height);
    file[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    file[sof + 8] = static_cast<std::uint8_t>(width);
    return file;
}

ByteVector resized(int width, int height) { return withFrame(baseline(), 8, width, height); }

ByteVector concat(std::initializer_list<ByteVector> parts)
{
    ByteVector out;
    for (const ByteVector& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

ByteVector slice(const ByteVector& file, std::size_t from, std::size_t to)
{
    return ByteVector(file.begin() + static_cast<std::ptrdiff_t>(from), file.begin() + static_cast<std::ptrdiff_t>(to));
}

ByteVector encoded(int components, bool ycck = false)
{
    Encoding e;
    e.components = components;
    e.ycck = ycck;
    return encodeJpeg(e);
}

const ByteVector eoi = {0xFF, 0xD9};

// Headers that are refused when the picture is loaded, before any pixel
// memory exists.
TEST(JpegBadInputTest, RefusesBadHeadersAtLoad)
{
    struct Case {
        const char* label;
        ByteVector file;
        int code;
        JpegLimits limits = {};
    };
    const ByteVector base = baseline();
    const std::size_t dqt = markerOffset(base, 0xDB);
    const std::size_t dht = markerOffset(base, 0xC4);
    ByteVector shortDqt = base;
    shortDqt[dqt + 2] = 0;
    shortDqt[dqt + 3] = 1;
    ByteVector noFrame = base;  // the frame header turned into an application segment
    noFrame[markerOffset(base, 0xC0) + 1] = 0xEE;

    const Case cases[] = {
        {"not a JPEG file", {'B', 'M', 0x36, 0, 0, 0}, JERR_NO_SOI},
        {"start of image only", {0xFF, 0xD8}, JERR_NO_IMAGE},
        {"tables but no frame", concat({slice(base, 0, markerOffset(base, 0xC0)), eoi}), JERR_NO_IMAGE},
        {"frame but no scan", concat({slice(base, 0, dht), eoi}), JERR_SOF_NO_SOS},
        // The end-of-image marker supplied after the cut lands inside a table.
        {"cut inside the tables", slice(base, 0, dht + 20), JERR_BAD_HUFF_TABLE},
        {"segment length below 2", shortDqt, JERR_BAD_LENGTH},
        {"scan before any frame", noFrame, JERR_SOS_NO_SOF},
        {"application segment past the end", concat({{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF}, ByteVector(100, 0x41)}),
         JERR_NO_IMAGE},
        {"height 0", resized(101, 0), JERR_EMPTY_IMAGE},
        // J1: the size is refused before anything is allocated for it.
        {"65,500 x 65,500 in a 5 KB file", resized(65500, 65500), JERR_IMAGE_TOO_BIG},
        {"one row over the pixel cap", resized(8192, 4097), JERR_IMAGE_TOO_BIG},
        {"over a lower pixel cap", base, JERR_IMAGE_TOO_BIG, JpegLimits{101 * 67 - 1}},
        // J6: what libjpeg cannot turn into 8-bit colour rows.
        {"12-bit samples", withFrame(base, 12, 101, 67), JERR_BAD_PRECISION},
        {"lossless process", withFrame(base, 8, 101, 67, 0xC3), JERR_SOF_UNSUPPORTED},
        {"CMYK", encoded(4), JERR_CONVERSION_NOTIMPL},
        {"YCCK", encoded(4, true), JERR_CONVERSION_NOTIMPL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(jpegErrorOf([&] { JpegImage::fromFile(c.file, PixelFormat::Xrgb32, c.limits); }), c.code);
    }
}

TEST(JpegBadInputTest, AcceptsAHeaderAtThePixelCapWithoutDecoding)
{
    const JpegImage image = JpegImage::fromFile(resized(8192, 4096));
    EXPECT_EQ(image.width(), 8192);
    EXPECT_EQ(image.height(), 4096);
    EXPECT_FALSE(image.isDecoded());
}

// An empty file loads as 0 x 0; its one decode fails, and later decodes give
// the empty raster without trying again.
TEST(JpegBadInputTest, EmptyFileFailsItsDecodeOnce)
{
    JpegImage image = JpegImage::fromFile({});
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
    EXPECT_FALSE(image.isDecoded());
    EXPECT_EQ(jpegErrorOf([&] { image.decode(); }), JERR_INPUT_EMPTY);
    EXPECT_TRUE(image.isDecoded());
    EXPECT_EQ(jpegErrorOf([&] { EXPECT_TRUE(image.decode().empty()); }), std::nullopt);
}

// The rows of two rasters of the same shape, [from, to), are byte for byte the same.
bool sameRows(const Raster& a, const Raster& b, int from, int to)
{
    const std::size_t bytes = static_cast<std::size_t>(to - from) * a.stride();
    return a.stride() == b.stride() && std::memcmp(a.row(from), b.row(from), bytes) == 0;
}

// J4, J5: damage the decoder reports only as a warning is no error. It decodes
// what is there; what is missing comes out as libjpeg's mid grey.
TEST(JpegBadInputTest, WarningsDoNotStopTheDecode)
{
    const ByteVector base = baseline();
    JpegImage whole = JpegImage::fromFile(base);
    const Raster& expected = whole.decode();
    const std::size_t data = scanDataOffset(base);
    const std::size_t end = markerOffset(base, 0xD9);
    ASSERT_LT(data, end);

    const ByteVector noEnd = slice(base, 0, end);
    const ByteVector cutMidScan = slice(base, 0, data + (end - data) * 2 / 3);
    ByteVector corrupt = base;
    for (std::size_t i = data + (end - data) / 3; i < data + (end - data) / 2; ++i)
        corrupt[i] = static_cast<std::uint8_t>((i * 131) % 0xFF);  // never 0xFF: no markers made

    struct Case {
        const char* label;
        const ByteVector& file;
        bool intact;  // every row as in the whole file
    };
    for (const Case& c : {Case{"no end-of-image marker", noEnd, true}, Case{"cut in the middle of the scan", cutMidScan, false},
                          Case{"corrupt entropy-coded data", corrupt, false}}) {
        SCOPED_TRACE(c.label);
        JpegImage image = JpegImage::fromFile(c.file);
        const Raster* raster = nullptr;
        EXPECT_EQ(jpegErrorOf([&] { raster = &image.decode(); }), std::nullopt);
        ASSERT_NE(raster, nullptr);
        ASSERT_EQ(raster->height(), expected.height());
        EXPECT_TRUE(sameRows(*raster, expected, 0, 8));
        EXPECT_EQ(sameRows(*raster, expected, 0, expected.height()), c.intact);
    }
    JpegImage cut = JpegImage::fromFile(cutMidScan);
    const Raster& partial = cut.decode();
    for (int x = 0; x < partial.width(); x += 10)
        EXPECT_EQ(partial.rgbAt(x, partial.height() - 1), 0x808080u) << x;
}

// J7: a fatal error once rows exist (here a second frame header met while
// finishing a scan that was cut short). The rows decoded before it stay with
// the picture, the error is raised once, and later decodes return the same
// raster without decoding again.
TEST(JpegBadInputTest, FatalErrorAfterRowsKeepsThemAndRaisesOnce)
{
    const ByteVector base = baseline();
    const std::size_t data = scanDataOffset(base);
    const std::size_t sof = markerOffset(base, 0xC0);
    const ByteVector file = concat({slice(base, 0, data + (markerOffset(base, 0xD9) - data) / 2),
                                    slice(base, sof, scanDataOffset(base)), eoi});
    JpegImage whole = JpegImage::fromFile(base);
    JpegImage image = JpegImage::fromFile(file);

    EXPECT_EQ(jpegErrorOf([&] { image.decode(); }), JERR_SOF_DUPLICATE);
    EXPECT_TRUE(image.isDecoded());
    const Raster* kept = nullptr;
    EXPECT_EQ(jpegErrorOf([&] { kept = &image.decode(); }), std::nullopt);
    ASSERT_NE(kept, nullptr);
    ASSERT_FALSE(kept->empty());
    EXPECT_TRUE(sameRows(*kept, whole.decode(), 0, 8));
    EXPECT_EQ(kept->rgbAt(0, kept->height() - 1), 0x808080u);
    EXPECT_EQ(&image.decode(), kept);
}

// A scan script with more scans than any real file: every AC coefficient of
// every component sent in its own scan, bit by bit (2,090 scans).
std::vector<jpeg_scan_info> bitByBitScans()
{
    constexpr int topBit = 10;  // the highest point transform libjpeg's encoder takes
    std::vector<jpeg_scan_info> scans;
    auto add = [&](int components, int component, int ss, int ah, int al) {
        jpeg_scan_info scan{};
        scan.comps_in_scan = components;
        for (int i = 0; i < components; ++i)
            scan.component_index[i] = component + i;
        scan.Ss = ss;
        scan.Se = ss;
        scan.Ah = ah;
        scan.Al = al;
        scans.push_back(scan);
    };
    for (int ah = 0, al = topBit; al >= 0; ah = al--)
        add(3, 0, 0, ah, al);
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k < 64; ++k)
            for (int ah = 0, al = topBit; al >= 0; ah = al--)
                add(1, c, k, ah, al);
    return scans;
}

ByteVector progressive() { return readFile(fixturePath("progressive_420.jpg")); }

// The progressive fixture with the Huffman table of its second scan made
// invalid (the code counts add up to more than 256 codes).
ByteVector progressiveWithBadLaterTable()
{
    ByteVector file = progressive();
    const std::size_t firstScan = markerOffset(file, 0xDA);
    std::size_t dht = 0;
    for (int n = 0; (dht = markerOffset(file, 0xC4, n)) < firstScan; ++n) {
    }
    EXPECT_LT(dht, file.size());
    std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(dht + 5), 16, 0xFF);
    return file;
}

// J2, J3, J7: fatal errors while a file with many scans is read in, before any
// row exists. The error is raised once; the picture keeps no raster and is
// not decoded again.
TEST(JpegBadInputTest, FatalErrorBeforeRowsRaisesOnceAndKeepsNoRaster)
{
    Encoding manyScans;
    manyScans.width = 16;
    manyScans.height = 16;
    manyScans.scans = bitByBitScans();
    ASSERT_EQ(manyScans.scans.size(), 2090u);
    Encoding large;  // 3 x 1,024 blocks of coefficients: 384 KB
    large.width = 256;
    large.height = 256;
    large.lumaSampling = 1;
    large.progressive = true;

    struct Case {
        const char* label;
        ByteVector file;
        JpegLimits limits;
        int code;
    };
    const Case cases[] = {
        {"2,090 scans", encodeJpeg(manyScans), {}, jpegErrorTooManyScans},
        {"10 scans over a limit of 9", progressive(), JpegLimits{maxRasterPixels, 256L << 20, 9},
         jpegErrorTooManyScans},
        {"coefficients over the memory limit", encodeJpeg(large), JpegLimits{maxRasterPixels, 256 * 1024, 1000},
         JERR_NO_BACKING_STORE},
        {"bad Huffman table in a later scan", progressiveWithBadLaterTable(), {}, JERR_BAD_HUFF_TABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        JpegImage image = JpegImage::fromFile(c.file, PixelFormat::Xrgb32, c.limits);
        EXPECT_TRUE(image.isProgressive());
        EXPECT_EQ(jpegErrorOf([&] { image.decode(); }), c.code);
        EXPECT_EQ(jpegErrorOf([&] { EXPECT_TRUE(image.decode().empty()); }), std::nullopt);
        EXPECT_GT(image.width(), 0);  // still the header's size
    }
}

// The limits are bounds, not the usual case: a file right at the pixel and
// scan limits, and well within a small memory limit, decodes.
TEST(JpegBadInputTest, DecodesAFileWithinTightLimits)
{
    const JpegLimits atLimits{101 * 67, 256 * 1024, 10};
    JpegImage image = JpegImage::fromFile(progressive(), PixelFormat::Xrgb32, atLimits);
    EXPECT_EQ(image.decode().height(), 67);
}

}  // namespace
}  // namespace tcm::graphics
