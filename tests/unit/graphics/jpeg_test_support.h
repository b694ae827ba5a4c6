#pragma once

// Helpers for the JPEG tests: pictures made with libjpeg's own encoder, file
// surgery by marker, and a pixel-for-pixel comparison with libjpeg's djpeg.

#include "graphics/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <sys/wait.h>

namespace tcm::graphics::test {

using ByteVector = std::vector<std::uint8_t>;

inline ByteVector readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string fixturePath(const std::string& name)
{
    return std::string(TCM_JPEG_FIXTURES) + "/" + name;
}

// The colour the test encoder draws at (x, y): gradients and a hard-edged
// block, so that rows, columns and channels are all told apart.
inline std::uint32_t patternRgb(int x, int y)
{
    if (x >= 8 && x < 24 && y >= 8 && y < 16)
        return 0xFF2010;
    const auto r = static_cast<std::uint32_t>((x * 5) & 0xFF);
    const auto g = static_cast<std::uint32_t>((y * 7) & 0xFF);
    const auto b = static_cast<std::uint32_t>(((x + y) * 3) & 0xFF);
    return (r << 16) | (g << 8) | b;
}

// What the test encoder makes. components: 1 greyscale, 3 YCbCr, 4 CMYK.
struct Encoding {
    int width = 48;
    int height = 32;
    int components = 3;
    int quality = 90;
    int lumaSampling = 2;  // 2: 4:2:0, 1: 4:4:4
    bool progressive = false;
    int restartRows = 0;
    bool ycck = false;  // with 4 components: YCCK instead of CMYK
    std::uint32_t solidRgb = 0xFFFFFFFF;  // a single colour instead of the pattern
    std::vector<jpeg_scan_info> scans;  // a scan script of its own
};

namespace detail {
// Encoding the test's own valid settings does not fail; if it does, the test
// run stops here with libjpeg's message.
[[noreturn]] inline void encoderFailed(j_common_ptr cinfo)
{
    (*cinfo->err->output_message)(cinfo);
    std::abort();
}
}  // namespace detail

inline ByteVector encodeJpeg(const Encoding& e)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    err.error_exit = detail::encoderFailed;
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(e.width);
    cinfo.image_height = static_cast<JDIMENSION>(e.height);
    cinfo.input_components = e.components;
    cinfo.in_color_space = e.components == 1 ? JCS_GRAYSCALE : e.components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    if (e.components == 4 && e.ycck)
        jpeg_set_colorspace(&cinfo, JCS_YCCK);
    jpeg_set_quality(&cinfo, e.quality, TRUE);
    cinfo.comp_info[0].h_samp_factor = e.lumaSampling;
    cinfo.comp_info[0].v_samp_factor = e.lumaSampling;
    cinfo.restart_in_rows = e.restartRows;
    if (e.progressive)
        jpeg_simple_progression(&cinfo);
    if (!e.scans.empty()) {
        cinfo.scan_info = e.scans.data();
        cinfo.num_scans = static_cast<int>(e.scans.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(e.width * e.components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < e.width; ++x) {
            const std::uint32_t rgb = e.solidRgb <= 0xFFFFFF ? e.solidRgb : patternRgb(x, y);
            const int c[3] = {int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF};
            JSAMPLE* p = &row[static_cast<std::size_t>(x * e.components)];
            if (e.components == 1)
                p[0] = static_cast<JSAMPLE>((c[0] * 77 + c[1] * 150 + c[2] * 29) >> 8);
            for (int i = 0; i < 3 && e.components >= 3; ++i)
                p[i] = static_cast<JSAMPLE>(e.components == 4 ? 255 - c[i] : c[i]);
            if (e.components == 4)
                p[3] = 0;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    ByteVector bytes(out, out + outSize);
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return bytes;
}

// Offset of the first segment with this marker (the offset of its 0xFF), or
// of the nth when n > 0; bytes.size() when there is none. Walks segments by
// their lengths and skips over entropy-coded data.
inline std::size_t markerOffset(const ByteVector& bytes, std::uint8_t marker, int n = 0)
{
    std::size_t i = 2;
    while (i + 4 <= bytes.size()) {
        if (bytes[i] != 0xFF || bytes[i + 1] == 0x00 || bytes[i + 1] == 0xFF ||
            (bytes[i + 1] >= 0xD0 && bytes[i + 1] <= 0xD7)) {
            ++i;  // entropy-coded data, stuffed bytes, fill bytes, restart markers
            continue;
        }
        if (bytes[i + 1] == marker && n-- == 0)
            return i;
        if (bytes[i + 1] == 0xD9)
            break;
        i += 2 + ((std::size_t{bytes[i + 2]} << 8) | bytes[i + 3]);
    }
    return bytes.size();
}

// Offset of the first byte of entropy-coded data of the first scan.
inline std::size_t scanDataOffset(const ByteVector& bytes)
{
    const std::size_t sos = markerOffset(bytes, 0xDA);
    return sos + 2 + ((std::size_t{bytes[sos + 2]} << 8) | bytes[sos + 3]);
}

struct Rgb24Image {
    int width = 0;
    int height = 0;
    ByteVector rgb;
};

// The file decoded by `djpeg -dct float -rgb -ppm`: the same libjpeg settings
// the program decodes with (floating-point IDCT, smooth upsampling, block
// smoothing), always in colour.
inline Rgb24Image djpegReference(const std::string& path)
{
    Rgb24Image image;
    const std::string djpeg = TCM_DJPEG;
    if (djpeg.empty() || djpeg.find("NOTFOUND") != std::string::npos) {
        ADD_FAILURE() << "djpeg was not found at configure time (Debian: libjpeg-turbo-progs)";
        return image;
    }
    // Its warnings (a file cut short) go nowhere, as the program's do.
    const std::string command = "'" + djpeg + "' -dct float -rgb -ppm '" + path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return image;
    }
    ByteVector out;
    unsigned char chunk[65536];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.insert(out.end(), chunk, chunk + n);
    // Exit status 2 is djpeg's "decoded, with warnings".
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 2)) << command;
    int maxValue = 0;
    int headerLength = 0;
    out.push_back(0);  // terminate for sscanf
    if (std::sscanf(reinterpret_cast<const char*>(out.data()), "P6 %d %d %d%n", &image.width, &image.height,
                    &maxValue, &headerLength) != 3 ||
        maxValue != 255) {
        ADD_FAILURE() << "djpeg did not write a binary PPM for " << path;
        return Rgb24Image{};
    }
    out.pop_back();
    const std::size_t start = static_cast<std::size_t>(headerLength) + 1;  // one whitespace byte
    const std::size_t size = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3;
    EXPECT_EQ(out.size(), start + size) << path;
    if (out.size() < start + size)
        return Rgb24Image{};
    image.rgb.assign(out.begin() + static_cast<std::ptrdiff_t>(start), out.begin() + static_cast<std::ptrdiff_t>(start + size));
    return image;
}

// Checks a raster byte for byte against RGB rows: Rgb24 as R, G, B; Xrgb32
// as B, G, R, 0xFF. Reports the first difference and how many pixels differ.
inline void expectSamePixels(const Raster& raster, const Rgb24Image& expected, const std::string& what)
{
    ASSERT_EQ(raster.width(), expected.width) << what;
    ASSERT_EQ(raster.height(), expected.height) << what;
    std::size_t differing = 0;
    std::string first;
    for (int y = 0; y < raster.height(); ++y) {
        const std::uint8_t* row = raster.row(y);
        for (int x = 0; x < raster.width(); ++x) {
            const std::uint8_t* want = &expected.rgb[(static_cast<std::size_t>(y) * expected.width + x) * 3];
            const std::uint8_t* got = row + static_cast<std::size_t>(x) * raster.bytesPerPixel();
            const bool same = raster.format() == PixelFormat::Rgb24
                                  ? std::memcmp(got, want, 3) == 0
                                  : got[0] == want[2] && got[1] == want[1] && got[2] == want[0] && got[3] == 0xFF;
            if (!same && differing++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    EXPECT_EQ(differing, 0u) << what << ": first difference at " << first;
}

// Decodes the file at `path` in both pixel formats and checks every pixel
// against djpeg's decode of the same file.
inline void expectSameAsDjpeg(const std::string& path)
{
    const Rgb24Image reference = djpegReference(path);
    ASSERT_FALSE(reference.rgb.empty()) << path;
    const ByteVector file = readFile(path);
    for (PixelFormat format : {PixelFormat::Xrgb32, PixelFormat::Rgb24}) {
        JpegImage image = JpegImage::fromFile(file, format);
        expectSamePixels(image.decode(), reference,
                         path + (format == PixelFormat::Xrgb32 ? " as Xrgb32" : " as Rgb24"));
    }
}

}  // namespace tcm::graphics::test
