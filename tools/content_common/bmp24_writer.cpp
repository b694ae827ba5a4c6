#include "bmp24_writer.h"

namespace tcm::tools {

namespace {

void le(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const QImage& image, const Bmp24Options& options)
{
    const int w = image.width();
    const int h = image.height();
    const int pixelBytes = 3 * w;
    const int rowBytes = (pixelBytes + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(rowBytes * h);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    le(out, 54 + imageSize, 4);  // file size
    le(out, 0, 4);               // two reserved fields
    le(out, 54, 4);              // pixel offset
    le(out, 40, 4);
    le(out, static_cast<std::uint32_t>(w), 4);
    le(out, static_cast<std::uint32_t>(h), 4);  // positive: bottom row first
    le(out, 1, 2);                              // planes
    le(out, 24, 2);
    le(out, 0, 4);  // no compression
    le(out, imageSize, 4);
    le(out, static_cast<std::uint32_t>(options.pixelsPerMetre), 4);
    le(out, static_cast<std::uint32_t>(options.pixelsPerMetre), 4);
    le(out, 0, 4);  // colours used
    le(out, 0, 4);  // important colours
    for (int stored = 0; stored < h; ++stored) {
        const int y = h - 1 - stored;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out.push_back(static_cast<std::uint8_t>(qBlue(c)));
            out.push_back(static_cast<std::uint8_t>(qGreen(c)));
            out.push_back(static_cast<std::uint8_t>(qRed(c)));
        }
        for (int i = 0; i < rowBytes - pixelBytes; ++i)
            out.push_back(options.fill ? options.fill(stored, i) : 0);
    }
    return out;
}

}  // namespace tcm::tools
