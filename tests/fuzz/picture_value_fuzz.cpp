// libFuzzer entry for the picture and glyph values: what the readers return
// must lie inside the input and account for every byte of it, and a bitmap
// inside either is read on as the program does.
#include "graphics/bitmap_reader.h"
#include "graphics/glyph_value.h"
#include "graphics/graphic_error.h"
#include "graphics/picture_value.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace tcm::graphics;
using tcm::stream::Bytes;

[[noreturn]] void die(const char* why)
{
    std::fprintf(stderr, "picture_value_fuzz: %s\n", why);
    std::abort();
}

unsigned touch(Bytes b)
{
    unsigned sum = 0;
    for (std::uint8_t c : b)
        sum += c;
    return sum;
}

void readBitmapInside(Bytes file)
{
    try {
        // A lower pixel cap than the program's keeps each run fast.
        const Raster r = readBitmap(file, PixelFormat::Xrgb32, std::uint64_t{1} << 20);
        volatile std::uint32_t sink = r.rgbAt(r.width() - 1, r.height() - 1);
        (void)sink;
    } catch (const GraphicError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes input(data, size);
    try {
        const PictureValue p = readPictureValue(input);
        if (size == 0 || p.className.size() != data[0] ||
            reinterpret_cast<const std::uint8_t*>(p.className.data()) != data + 1 ||
            p.file.data() != data + 5 + p.className.size() || 5 + p.className.size() + p.file.size() != size)
            die("picture value parts do not cover the input exactly");
        volatile unsigned sink = touch(p.file);
        (void)sink;
        if (p.className == "TBitmap")
            readBitmapInside(p.file);
    } catch (const GraphicError&) {
    }
    try {
        const Bytes file = readGlyphValue(input);
        if (file.data() != data + 4 || file.size() + 4 != size)
            die("glyph file does not cover the input exactly");
        readBitmapInside(file);
    } catch (const GraphicError&) {
    }
    return 0;
}
