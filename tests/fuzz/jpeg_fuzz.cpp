// libFuzzer entry: any input either fails to load with JpegError, or loads
// and then decodes fully, partly or not at all with at most one JpegError.
// The raster, when there is one, has the header's size and every byte of it
// is readable; later decodes neither throw nor decode again.
#include "graphics/graphic_error.h"
#include "graphics/jpeg_image.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace tcm::graphics;

[[noreturn]] void die(const char* why)
{
    std::fprintf(stderr, "jpeg_fuzz: %s\n", why);
    std::abort();
}

unsigned touch(const Raster& raster)
{
    unsigned sum = 0;
    for (int y = 0; y < raster.height(); ++y) {
        const std::uint8_t* row = raster.row(y);
        for (std::size_t i = 0; i < raster.stride(); ++i)
            sum += row[i];
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Smaller than the program's pixel cap so that each input stays quick;
    // the code paths are the same.
    JpegLimits limits;
    limits.maxPixels = std::uint64_t{1} << 20;
    const PixelFormat format = size % 2 == 0 ? PixelFormat::Xrgb32 : PixelFormat::Rgb24;

    JpegImage image;
    try {
        image = JpegImage::fromFile(tcm::stream::Bytes(data, size), format, limits);
    } catch (const JpegError&) {
        return 0;  // refusing a malformed header is the expected outcome
    }
    const int width = image.width();
    const int height = image.height();
    bool failed = false;
    try {
        image.decode();
    } catch (const JpegError&) {
        failed = true;
    }
    if (!image.isDecoded())
        die("decode() ran but the picture is not marked decoded");
    const Raster* raster = nullptr;
    try {
        raster = &image.decode();
    } catch (const JpegError&) {
        die("a second decode() threw");
    }
    if (raster->empty()) {
        if (!failed)
            die("a decode without an error left no raster");
        return 0;
    }
    if (raster->width() != width || raster->height() != height || raster->format() != format)
        die("the raster does not have the header's size and the asked format");
    volatile unsigned sink = touch(*raster);
    (void)sink;
    return 0;
}
