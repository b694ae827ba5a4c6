#include "bmp_writer.h"

namespace tcm::tools {

Bytes encodeBmp(const RgbImage& image)
{
    constexpr std::uint32_t headersSize = 14 + 40;
    constexpr std::uint32_t pixelsPerMetre = 3780;
    const auto rowSize = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(image.height);

    ByteBuffer b;
    b.text("BM");
    b.u32le(headersSize + imageSize);
    b.u16le(0);
    b.u16le(0);
    b.u32le(headersSize); // pixel rows follow the headers directly

    b.u32le(40);
    b.u32le(static_cast<std::uint32_t>(image.width));
    b.u32le(static_cast<std::uint32_t>(image.height)); // positive: bottom row first
    b.u16le(1);  // planes
    b.u16le(24); // bits per pixel
    b.u32le(0);  // no compression
    b.u32le(imageSize);
    b.u32le(pixelsPerMetre);
    b.u32le(pixelsPerMetre);
    b.u32le(0);  // colours used
    b.u32le(0);  // important colours

    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            b.u8(p[2]);
            b.u8(p[1]);
            b.u8(p[0]);
        }
        b.zeros(rowSize - static_cast<std::uint32_t>(image.width) * 3);
    }
    return b.take();
}

}  // namespace tcm::tools
