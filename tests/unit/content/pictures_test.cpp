// The shipped pictures, read byte by byte from content/pictures: the two JPEG
// charts keep the coding structure the viewer's decoder and the window
// description rely on, and the face-zone bitmap keeps its exact header.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using View = std::span<const std::uint8_t>;

Bytes readPicture(const std::string& name)
{
    const std::string path = std::string(TCM_CONTENT_DIR) + "/pictures/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// ------------------------------------------------------------------ bounds-checked reads
// A field that would run past the end throws, so a damaged file fails the
// test with the offset instead of reading beyond the buffer.

View sub(View v, std::size_t offset, std::size_t size)
{
    if (offset > v.size() || size > v.size() - offset)
        throw std::out_of_range("field of " + std::to_string(size) + " bytes at offset " + std::to_string(offset) +
                                " runs past the end (" + std::to_string(v.size()) + " bytes)");
    return v.subspan(offset, size);
}

std::uint8_t u8(View v, std::size_t at) { return sub(v, at, 1)[0]; }
std::uint16_t be16(View v, std::size_t at)
{
    const View s = sub(v, at, 2);
    return static_cast<std::uint16_t>(s[0] << 8 | s[1]);
}
std::uint32_t be32(View v, std::size_t at) { return std::uint32_t{be16(v, at)} << 16 | be16(v, at + 2); }
std::uint16_t le16(View v, std::size_t at)
{
    const View s = sub(v, at, 2);
    return static_cast<std::uint16_t>(s[1] << 8 | s[0]);
}
std::uint32_t le32(View v, std::size_t at) { return std::uint32_t{le16(v, at + 2)} << 16 | le16(v, at); }
std::string_view text(View v, std::size_t at, std::size_t size)
{
    const View s = sub(v, at, size);
    return {reinterpret_cast<const char*>(s.data()), s.size()};
}

// ------------------------------------------------------------------ JPEG segment walker

enum Marker : std::uint8_t {
    SOF0 = 0xC0, DHT = 0xC4, SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, DQT = 0xDB, DRI = 0xDD,
    APP0 = 0xE0, APP1 = 0xE1, APP2 = 0xE2,
};

struct Segment {
    std::uint8_t marker = 0;
    std::size_t offset = 0; // of the segment's 0xFF byte
    View payload;           // the bytes after the length field
};

struct JpegLayout {
    std::vector<Segment> segments; // SOI, the segments up to and including SOS, EOI
    std::size_t eoiOffset = 0;

    std::vector<Segment> all(std::uint8_t marker) const
    {
        std::vector<Segment> out;
        for (const Segment& s : segments)
            if (s.marker == marker)
                out.push_back(s);
        return out;
    }
    std::vector<std::uint8_t> markers() const
    {
        std::vector<std::uint8_t> out;
        for (const Segment& s : segments)
            out.push_back(s.marker);
        return out;
    }
};

// Walks the segments from SOI to the first scan, then the entropy-coded data
// (where 0xFF 0x00 is a stuffed byte and RST0..RST7 belong to the data) up to
// the next marker, which must be EOI.
JpegLayout walkJpeg(View file)
{
    JpegLayout out;
    if (be16(file, 0) != 0xFF00 + SOI)
        throw std::runtime_error("no SOI at the start");
    out.segments.push_back({SOI, 0, {}});
    std::size_t at = 2;
    for (;;) {
        if (u8(file, at) != 0xFF)
            throw std::runtime_error("no marker at offset " + std::to_string(at));
        const std::uint8_t marker = u8(file, at + 1);
        const std::uint16_t length = be16(file, at + 2);
        if (length < 2)
            throw std::runtime_error("segment length below 2 at offset " + std::to_string(at));
        out.segments.push_back({marker, at, sub(file, at + 4, length - 2u)});
        at += 2u + length;
        if (marker == SOS)
            break;
    }
    for (;; ++at) {
        if (u8(file, at) != 0xFF)
            continue;
        const std::uint8_t next = u8(file, at + 1);
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
            ++at;
            continue;
        }
        if (next == 0xFF) // fill byte before a marker
            continue;
        if (next != EOI)
            throw std::runtime_error("marker inside the entropy-coded data at offset " + std::to_string(at));
        break;
    }
    out.segments.push_back({EOI, at, {}});
    out.eoiOffset = at;
    return out;
}

// ------------------------------------------------------------------ Exif (TIFF) directories

struct IfdEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::size_t valueAt = 0; // offset of the entry's 4-byte value field
};

struct Ifd {
    std::vector<IfdEntry> entries;
    std::uint32_t next = 0;

    std::vector<std::uint16_t> tags() const
    {
        std::vector<std::uint16_t> out;
        for (const IfdEntry& e : entries)
            out.push_back(e.tag);
        return out;
    }
    const IfdEntry& operator[](std::uint16_t tag) const
    {
        for (const IfdEntry& e : entries)
            if (e.tag == tag)
                return e;
        throw std::runtime_error("tag " + std::to_string(tag) + " missing");
    }
};

Ifd readIfd(View tiff, std::uint32_t offset)
{
    Ifd ifd;
    const std::uint16_t count = le16(tiff, offset);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::size_t at = offset + 2u + 12u * i;
        ifd.entries.push_back({le16(tiff, at), le16(tiff, at + 2), le32(tiff, at + 4), at + 8});
    }
    ifd.next = le32(tiff, offset + 2u + 12u * count);
    return ifd;
}

constexpr std::uint16_t kShort = 3, kLong = 4, kRational = 5, kAscii = 2;

std::uint32_t scalar(View tiff, const IfdEntry& e)
{
    if (e.count != 1 || (e.type != kShort && e.type != kLong))
        throw std::runtime_error("tag " + std::to_string(e.tag) + " is not a single SHORT or LONG");
    return e.type == kShort ? le16(tiff, e.valueAt) : le32(tiff, e.valueAt);
}

std::pair<std::uint32_t, std::uint32_t> rational(View tiff, const IfdEntry& e)
{
    if (e.count != 1 || e.type != kRational)
        throw std::runtime_error("tag " + std::to_string(e.tag) + " is not a single RATIONAL");
    const std::uint32_t at = le32(tiff, e.valueAt);
    return {le32(tiff, at), le32(tiff, at + 4)};
}

std::string ascii(View tiff, const IfdEntry& e)
{
    if (e.type != kAscii || e.count == 0)
        throw std::runtime_error("tag " + std::to_string(e.tag) + " is not ASCII");
    const std::size_t at = e.count <= 4 ? e.valueAt : le32(tiff, e.valueAt);
    const std::string_view s = text(tiff, at, e.count);
    if (s.back() != '\0')
        throw std::runtime_error("ASCII value without its terminating zero");
    return std::string(s.substr(0, s.size() - 1));
}

// ------------------------------------------------------------------ decoding with libjpeg

struct Decoded {
    bool ok = false;
    std::string error;
    int width = 0;
    int height = 0;
    int components = 0;
    long warnings = 0;
};

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

void jumpOnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// No locals change after setjmp here, so nothing is left indeterminate by the jump.
bool decodeInto(jpeg_decompress_struct& cinfo, ErrorManager& err, View file, Decoded& out)
{
    if (setjmp(err.jump))
        return false;
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, row, 1);
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    out.components = cinfo.num_components;
    jpeg_finish_decompress(&cinfo);
    out.warnings = err.pub.num_warnings;
    return true;
}

Decoded decode(View file)
{
    Decoded out;
    ErrorManager err;
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpOnError;
    err.pub.output_message = [](j_common_ptr) {}; // warnings are counted, not printed
    jpeg_create_decompress(&cinfo);
    out.ok = decodeInto(cinfo, err, file, out);
    if (!out.ok)
        out.error = err.message;
    jpeg_destroy_decompress(&cinfo);
    return out;
}

// ------------------------------------------------------------------ the standard tables
// ITU-T T.81 Annex K: example quantisation tables (natural order) and the
// typical Huffman tables (code counts per length, then the values).

constexpr std::array<std::uint8_t, 64> kLuminanceQuant = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
};
constexpr std::array<std::uint8_t, 64> kChrominanceQuant = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
};

// Natural (row-major) index of each position in the zig-zag order in which
// DQT stores a table: anti-diagonals, alternating direction.
std::array<int, 64> zigzagToNatural()
{
    std::array<int, 64> order{};
    int k = 0;
    for (int s = 0; s < 15; ++s) {
        const int lo = s < 8 ? 0 : s - 7;
        const int hi = s < 8 ? s : 7;
        for (int i = 0; i <= hi - lo; ++i) {
            const int row = s % 2 == 0 ? hi - i : lo + i;
            order[k++] = row * 8 + (s - row);
        }
    }
    return order;
}

struct HuffmanTable {
    std::uint8_t classAndId; // 0x00 DC 0, 0x10 AC 0, 0x01 DC 1, 0x11 AC 1
    std::array<std::uint8_t, 16> counts;
    std::vector<std::uint8_t> values;
};

const std::vector<std::uint8_t> kDcValues = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

const HuffmanTable kStandardHuffman[] = {
    {0x00, {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, kDcValues},
    {0x10, {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D},
     {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07,
      0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52, 0xD1, 0xF0,
      0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25, 0x26, 0x27, 0x28,
      0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49,
      0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69,
      0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89,
      0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
      0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5,
      0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2,
      0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8,
      0xF9, 0xFA}},
    {0x01, {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}, kDcValues},
    {0x11, {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
     {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71,
      0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xA1, 0xB1, 0xC1, 0x09, 0x23, 0x33, 0x52, 0xF0,
      0x15, 0x62, 0x72, 0xD1, 0x0A, 0x16, 0x24, 0x34, 0xE1, 0x25, 0xF1, 0x17, 0x18, 0x19, 0x1A, 0x26,
      0x27, 0x28, 0x29, 0x2A, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
      0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68,
      0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87,
      0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5,
      0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3,
      0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA,
      0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8,
      0xF9, 0xFA}},
};

// ------------------------------------------------------------------ the two charts

enum class Quantisation { StandardAtHalf, AllOnes };

struct Chart {
    const char* file;
    int width;
    int height;
    std::pair<std::uint32_t, std::uint32_t> resolution; // Exif, dots per inch
    bool printerProfile;                                 // APP2 with the cut-short CMYK profile
    Quantisation quantisation;
};

// Names the chart in test output instead of dumping its bytes.
void PrintTo(const Chart& chart, std::ostream* os) { *os << chart.file; }

const Chart kCharts[] = {
    {"hand-chart.jpg", 1181, 1752, {300, 1}, false, Quantisation::StandardAtHalf},
    {"eye-chart.jpg", 1700, 2494, {720000, 10000}, true, Quantisation::AllOnes},
};

class ChartFileTest : public testing::TestWithParam<Chart> {
protected:
    void SetUp() override
    {
        bytes_ = readPicture(GetParam().file);
        layout_ = walkJpeg(bytes_);
    }

    Segment only(std::uint8_t marker) const
    {
        const std::vector<Segment> found = layout_.all(marker);
        if (found.size() != 1)
            throw std::runtime_error("expected one segment of marker " + std::to_string(marker) + ", found " +
                                     std::to_string(found.size()));
        return found.front();
    }

    Bytes bytes_;
    JpegLayout layout_;
};

TEST_P(ChartFileTest, SegmentsComeInTheFixedOrderAndNothingFollowsEoi)
{
    std::vector<std::uint8_t> expected = {SOI, APP0, APP1};
    if (GetParam().printerProfile)
        expected.push_back(APP2);
    expected.insert(expected.end(), {DQT, DQT, SOF0, DHT, DHT, DHT, DHT, SOS, EOI});

    EXPECT_EQ(layout_.markers(), expected);
    EXPECT_EQ(layout_.eoiOffset + 2, bytes_.size());
    EXPECT_TRUE(layout_.all(DRI).empty());
}

TEST_P(ChartFileTest, JfifHeaderIsVersion101At96DotsPerInchWithoutThumbnail)
{
    const View app0 = only(APP0).payload;
    ASSERT_EQ(app0.size(), 14u);
    EXPECT_EQ(text(app0, 0, 5), std::string_view("JFIF\0", 5));
    EXPECT_EQ(u8(app0, 5), 1);  // version 1.01
    EXPECT_EQ(u8(app0, 6), 1);
    EXPECT_EQ(u8(app0, 7), 1);  // dots per inch
    EXPECT_EQ(be16(app0, 8), 96);
    EXPECT_EQ(be16(app0, 10), 96);
    EXPECT_EQ(u8(app0, 12), 0); // no thumbnail in APP0
    EXPECT_EQ(u8(app0, 13), 0);
}

TEST_P(ChartFileTest, ExifRecordsResolutionPixelSizeAndAJpegThumbnail)
{
    const Chart& chart = GetParam();
    const View app1 = only(APP1).payload;
    ASSERT_EQ(text(app1, 0, 6), std::string_view("Exif\0\0", 6));
    const View tiff = app1.subspan(6);
    ASSERT_EQ(text(tiff, 0, 4), std::string_view("II*\0", 4));

    const Ifd ifd0 = readIfd(tiff, le32(tiff, 4));
    EXPECT_EQ(ifd0.tags(), (std::vector<std::uint16_t>{0x0112, 0x011A, 0x011B, 0x0128, 0x0131, 0x0132, 0x8769}));
    EXPECT_EQ(scalar(tiff, ifd0[0x0112]), 1u); // orientation: top-left
    EXPECT_EQ(rational(tiff, ifd0[0x011A]), chart.resolution);
    EXPECT_EQ(rational(tiff, ifd0[0x011B]), chart.resolution);
    EXPECT_EQ(scalar(tiff, ifd0[0x0128]), 2u); // inch
    EXPECT_EQ(ascii(tiff, ifd0[0x0131]), "tcm-viewer content generator");
    EXPECT_EQ(ascii(tiff, ifd0[0x0132]).size(), 19u); // "YYYY:MM:DD HH:MM:SS"

    const Ifd exif = readIfd(tiff, scalar(tiff, ifd0[0x8769]));
    EXPECT_EQ(exif.tags(), (std::vector<std::uint16_t>{0xA001, 0xA002, 0xA003}));
    EXPECT_EQ(scalar(tiff, exif[0xA001]), 0xFFFFu); // uncalibrated colour space
    EXPECT_EQ(scalar(tiff, exif[0xA002]), static_cast<std::uint32_t>(chart.width));
    EXPECT_EQ(scalar(tiff, exif[0xA003]), static_cast<std::uint32_t>(chart.height));

    ASSERT_NE(ifd0.next, 0u) << "no second directory for the thumbnail";
    const Ifd ifd1 = readIfd(tiff, ifd0.next);
    EXPECT_EQ(scalar(tiff, ifd1[0x0103]), 6u); // JPEG-compressed thumbnail
    const View thumbnail = sub(tiff, scalar(tiff, ifd1[0x0201]), scalar(tiff, ifd1[0x0202]));
    const JpegLayout thumbLayout = walkJpeg(thumbnail);
    EXPECT_EQ(thumbLayout.eoiOffset + 2, thumbnail.size());
    const Decoded small = decode(thumbnail);
    ASSERT_TRUE(small.ok) << small.error;
    EXPECT_EQ(std::max(small.width, small.height), 160);
    EXPECT_EQ(small.width < small.height, chart.width < chart.height);
}

TEST_P(ChartFileTest, OnlyTheEyeChartCarriesTheCutShortPrinterProfile)
{
    const std::vector<Segment> app2 = layout_.all(APP2);
    if (!GetParam().printerProfile) {
        EXPECT_TRUE(app2.empty());
        return;
    }
    ASSERT_EQ(app2.size(), 1u);
    const View chunk = app2.front().payload;
    EXPECT_EQ(text(chunk, 0, 12), std::string_view("ICC_PROFILE\0", 12));
    EXPECT_EQ(u8(chunk, 12), 1); // chunk 1
    EXPECT_EQ(u8(chunk, 13), 1); // of 1
    const View profile = chunk.subspan(14);
    EXPECT_EQ(profile.size(), 32000u);
    EXPECT_EQ(be32(profile, 0), 557168u); // declared size: longer than what is carried
    EXPECT_EQ(text(profile, 12, 4), "prtr");
    EXPECT_EQ(text(profile, 16, 4), "CMYK");
    EXPECT_EQ(text(profile, 20, 4), "Lab ");
    EXPECT_EQ(text(profile, 36, 4), "acsp");
}

TEST_P(ChartFileTest, QuantisationTablesAreTheStandardTablesAtTheirScale)
{
    const std::vector<Segment> dqt = layout_.all(DQT);
    ASSERT_EQ(dqt.size(), 2u);
    const std::array<int, 64> natural = zigzagToNatural();
    const std::array<std::uint8_t, 64>* standard[] = {&kLuminanceQuant, &kChrominanceQuant};
    for (std::uint8_t id = 0; id < 2; ++id) {
        SCOPED_TRACE("table " + std::to_string(id));
        const View table = dqt[id].payload;
        ASSERT_EQ(table.size(), 65u);
        EXPECT_EQ(u8(table, 0), id); // 8-bit precision, table id
        for (int k = 0; k < 64; ++k) {
            const int base = (*standard[id])[static_cast<std::size_t>(natural[k])];
            const int expected = GetParam().quantisation == Quantisation::AllOnes ? 1 : (base + 1) / 2;
            EXPECT_EQ(u8(table, 1 + k), expected) << "zig-zag position " << k;
        }
    }
}

TEST_P(ChartFileTest, FrameIsBaselineYCbCr420)
{
    const View sof = only(SOF0).payload;
    ASSERT_EQ(sof.size(), 15u);
    EXPECT_EQ(u8(sof, 0), 8); // precision
    EXPECT_EQ(be16(sof, 1), GetParam().height);
    EXPECT_EQ(be16(sof, 3), GetParam().width);
    ASSERT_EQ(u8(sof, 5), 3);
    const std::uint8_t expected[3][3] = {{1, 0x22, 0}, {2, 0x11, 1}, {3, 0x11, 1}}; // id, sampling, table
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE("component " + std::to_string(c + 1));
        EXPECT_EQ(u8(sof, 6 + 3 * c), expected[c][0]);
        EXPECT_EQ(u8(sof, 7 + 3 * c), expected[c][1]);
        EXPECT_EQ(u8(sof, 8 + 3 * c), expected[c][2]);
    }
}

TEST_P(ChartFileTest, HuffmanTablesAreTheStandardTypicalTables)
{
    const std::vector<Segment> dht = layout_.all(DHT);
    ASSERT_EQ(dht.size(), std::size(kStandardHuffman));
    for (std::size_t i = 0; i < dht.size(); ++i) {
        const HuffmanTable& want = kStandardHuffman[i];
        SCOPED_TRACE("DHT segment " + std::to_string(i));
        const View table = dht[i].payload;
        ASSERT_EQ(table.size(), 1 + 16 + want.values.size()); // one table per segment
        EXPECT_EQ(u8(table, 0), want.classAndId);
        EXPECT_TRUE(std::equal(want.counts.begin(), want.counts.end(), table.begin() + 1));
        EXPECT_TRUE(std::equal(want.values.begin(), want.values.end(), table.begin() + 17));
    }
}

TEST_P(ChartFileTest, OneInterleavedScanCoversAllComponents)
{
    const View sos = only(SOS).payload;
    ASSERT_EQ(sos.size(), 10u);
    ASSERT_EQ(u8(sos, 0), 3);
    const std::uint8_t expected[3][2] = {{1, 0x00}, {2, 0x11}, {3, 0x11}}; // id, DC and AC tables
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(u8(sos, 1 + 2 * c), expected[c][0]);
        EXPECT_EQ(u8(sos, 2 + 2 * c), expected[c][1]);
    }
    EXPECT_EQ(u8(sos, 7), 0);  // coefficients 0 ...
    EXPECT_EQ(u8(sos, 8), 63); // ... to 63 in this one scan
    EXPECT_EQ(u8(sos, 9), 0);  // no successive approximation
}

TEST_P(ChartFileTest, DecodesCleanlyAtFullSize)
{
    const Decoded picture = decode(bytes_);
    ASSERT_TRUE(picture.ok) << picture.error;
    EXPECT_EQ(picture.width, GetParam().width);
    EXPECT_EQ(picture.height, GetParam().height);
    EXPECT_EQ(picture.components, 3);
    EXPECT_EQ(picture.warnings, 0);
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartFileTest, testing::ValuesIn(kCharts),
                         [](const testing::TestParamInfo<Chart>& info) {
                             return std::string(info.param.file).starts_with("hand") ? "HandChart" : "EyeChart";
                         });

// ------------------------------------------------------------------ the face-zone bitmap

constexpr int kFaceWidth = 544;
constexpr int kFaceHeight = 477;
constexpr std::size_t kFaceRowBytes = kFaceWidth * 3;

TEST(FaceZonesBitmapTest, HeadersHoldTheFixedFieldsAndTheFileItsSize)
{
    const Bytes bmp = readPicture("face-zones.bmp");
    EXPECT_EQ(bmp.size(), 778518u);
    EXPECT_EQ(text(bmp, 0, 2), "BM");
    struct Field {
        const char* name;
        std::size_t offset;
        int size;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"file size", 2, 4, 778518},   {"reserved 1", 6, 2, 0},    {"reserved 2", 8, 2, 0},
        {"pixel offset", 10, 4, 54},   {"info size", 14, 4, 40},   {"width", 18, 4, kFaceWidth},
        {"height", 22, 4, kFaceHeight}, {"planes", 26, 2, 1},       {"bits per pixel", 28, 2, 24},
        {"compression", 30, 4, 0},     {"image size", 34, 4, 778464}, {"x pixels per metre", 38, 4, 3780},
        {"y pixels per metre", 42, 4, 3780}, {"colours used", 46, 4, 0}, {"important colours", 50, 4, 0},
    };
    for (const Field& f : fields)
        EXPECT_EQ(f.size == 2 ? le16(bmp, f.offset) : le32(bmp, f.offset), f.value) << f.name;
    EXPECT_EQ(54 + kFaceRowBytes * kFaceHeight, bmp.size()); // rows need no padding at this width
}

TEST(FaceZonesBitmapTest, CornersAreWhiteWhileTheDrawingIsNot)
{
    const Bytes bmp = readPicture("face-zones.bmp");
    // Rows are stored bottom-up, pixels as blue, green, red.
    const auto pixel = [&](int x, int y) {
        const std::size_t at = 54 + kFaceRowBytes * static_cast<std::size_t>(kFaceHeight - 1 - y) + 3u * x;
        return std::uint32_t{u8(bmp, at + 2)} << 16 | std::uint32_t{u8(bmp, at + 1)} << 8 | u8(bmp, at);
    };
    for (const auto& [x, y] : {std::pair{0, 0}, {kFaceWidth - 1, 0}, {0, kFaceHeight - 1},
                              {kFaceWidth - 1, kFaceHeight - 1}})
        EXPECT_EQ(pixel(x, y), 0xFFFFFFu) << "corner " << x << ", " << y;

    int dark = 0;
    for (int y = 0; y < kFaceHeight; ++y)
        for (int x = 0; x < kFaceWidth; ++x)
            dark += (pixel(x, y) & 0xFF) < 0x80;
    EXPECT_GT(dark, kFaceWidth * kFaceHeight / 100) << "the face drawing and its labels are missing";
}

}  // namespace
