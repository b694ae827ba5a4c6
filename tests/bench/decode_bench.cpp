// Decoding the shipped charts: the program's path (stored picture value in,
// raster ready to draw out) against a minimal decode with plain libjpeg and
// the same settings into fresh memory, alternating, in one run. Prints the
// ratio of the medians; the goal is at most 1.05.

#include "graphics/jpeg_image.h"
#include "graphics/picture_value.h"

#include <jpeglib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stored form of a picture: class name, file length, file.
Bytes pictureValue(const Bytes& file)
{
    const std::string name = "TJPEGImage";
    Bytes value{static_cast<std::uint8_t>(name.size())};
    value.insert(value.end(), name.begin(), name.end());
    const auto n = static_cast<std::uint32_t>(file.size());
    for (int i = 0; i < 4; ++i)
        value.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    value.insert(value.end(), file.begin(), file.end());
    return value;
}

double ourDecode(const Bytes& value)
{
    const auto start = Clock::now();
    const auto picture = tcm::graphics::readPictureValue(value);
    auto jpeg = tcm::graphics::JpegImage::fromFile(picture.file, tcm::graphics::PixelFormat::Xrgb32);
    const auto& raster = jpeg.decode();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (raster.empty())
        std::abort();
    return ms;
}

// Plain libjpeg: same settings, same buffer, a fresh output buffer.
double referenceDecode(const Bytes& file)
{
    const auto start = Clock::now();
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_fancy_upsampling = TRUE;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    cinfo.quantize_colors = FALSE;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = std::size_t{cinfo.output_width} * 4;
    std::unique_ptr<std::uint8_t, decltype(&std::free)> pixels(
        static_cast<std::uint8_t*>(std::calloc(cinfo.output_height, stride)), &std::free);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.get() + std::size_t{cinfo.output_scanline} * stride;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string content = argc > 1 ? argv[1] : "content";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    for (const char* name : {"hand-chart.jpg", "eye-chart.jpg"}) {
        const Bytes file = readFile(content + "/pictures/" + name);
        const Bytes value = pictureValue(file);
        std::vector<double> ours, reference;
        ourDecode(value);
        referenceDecode(file);
        for (int i = 0; i < rounds; ++i) {
            ours.push_back(ourDecode(value));
            reference.push_back(referenceDecode(file));
        }
        std::printf("%-15s ours %7.2f ms  reference %7.2f ms  ratio %.3f (goal <= 1.05)\n", name,
                    median(ours), median(reference), median(ours) / median(reference));
    }
}
