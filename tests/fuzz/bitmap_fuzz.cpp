// libFuzzer entry for the bitmap reader: any input is either refused with a
// GraphicError or read into a raster; both pixel formats must agree on the
// outcome and on every pixel, and the raster must be safe to touch.
#include "graphics/bitmap_reader.h"
#include "graphics/graphic_error.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using namespace tcm::graphics;

[[noreturn]] void die(const char* why)
{
    std::fprintf(stderr, "bitmap_fuzz: %s\n", why);
    std::abort();
}

// The full cap makes every run that finds a large header allocate and clear
// up to 128 MB; a lower cap keeps the same checks and many more runs per second.
constexpr std::uint64_t kPixelCap = std::uint64_t{1} << 20;

std::optional<Raster> tryRead(tcm::stream::Bytes input, PixelFormat format)
{
    try {
        return readBitmap(input, format, kPixelCap);
    } catch (const GraphicError&) {
        return std::nullopt;  // refusing a malformed file is the expected outcome
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tcm::stream::Bytes input(data, size);
    const std::optional<Raster> xrgb = tryRead(input, PixelFormat::Xrgb32);
    const std::optional<Raster> rgb = tryRead(input, PixelFormat::Rgb24);
    if (xrgb.has_value() != rgb.has_value())
        die("the pixel formats disagree on whether the file is valid");
    if (!xrgb)
        return 0;
    if (xrgb->width() <= 0 || xrgb->height() <= 0 || xrgb->width() != rgb->width() ||
        xrgb->height() != rgb->height())
        die("bad raster size");
    auto check = [&](int x, int y) {
        if (xrgb->rgbAt(x, y) != rgb->rgbAt(x, y))
            die("the pixel formats disagree on a pixel");
        if (xrgb->row(y)[4 * static_cast<std::size_t>(x) + 3] != 0xFF)
            die("Xrgb32 padding byte is not 0xFF");
    };
    const int w = xrgb->width();
    const int h = xrgb->height();
    if (static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) <= (std::uint64_t{1} << 16)) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                check(x, y);
    } else {
        // Comparing every pixel of a huge, mostly empty raster only slows the
        // run; the corners still show a row or column outside the raster.
        for (int y : {0, h - 1})
            for (int x : {0, w - 1})
                check(x, y);
    }
    return 0;
}
