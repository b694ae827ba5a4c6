// libFuzzer entry for the icon readers: any input is read both as an icon
// group and as an icon image. Each is either refused with a GraphicError or
// read; an image must come out the same in both pixel formats, within the
// size limit, with a mask of its own size, and safe to touch everywhere.
#include "graphics/graphic_error.h"
#include "graphics/icon_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using namespace tcm::graphics;

[[noreturn]] void die(const char* why)
{
    std::fprintf(stderr, "icon_fuzz: %s\n", why);
    std::abort();
}

std::optional<MaskedImage> tryImage(tcm::stream::Bytes input, PixelFormat format)
{
    try {
        return readIconImage(input, format);
    } catch (const GraphicError&) {
        return std::nullopt;  // refusing a malformed image is the expected outcome
    }
}

void checkGroup(tcm::stream::Bytes input)
{
    try {
        for (const IconGroupEntry& e : readIconGroup(input))
            if (e.width < 1 || e.width > 256 || e.height < 1 || e.height > 256)
                die("group entry size out of range");
    } catch (const GraphicError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tcm::stream::Bytes input(data, size);
    checkGroup(input);
    const std::optional<MaskedImage> xrgb = tryImage(input, PixelFormat::Xrgb32);
    const std::optional<MaskedImage> rgb = tryImage(input, PixelFormat::Rgb24);
    if (xrgb.has_value() != rgb.has_value())
        die("the pixel formats disagree on whether the image is valid");
    if (!xrgb)
        return 0;
    const int w = xrgb->pixels.width();
    const int h = xrgb->pixels.height();
    if (w < 1 || w > maxIconSize || h != w || rgb->pixels.width() != w || rgb->pixels.height() != h ||
        xrgb->mask.width() != w || xrgb->mask.height() != h)
        die("bad image or mask size");
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (xrgb->pixels.rgbAt(x, y) != rgb->pixels.rgbAt(x, y))
                die("the pixel formats disagree on a pixel");
            if (xrgb->mask.transparent(x, y) != rgb->mask.transparent(x, y))
                die("the pixel formats disagree on the mask");
        }
    }
    return 0;
}
