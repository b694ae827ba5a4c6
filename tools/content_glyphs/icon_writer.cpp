#include "icon_writer.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace tcm::tools {

namespace {

// The standard 16 colours as 0xRRGGBB, in palette order.
constexpr std::uint32_t kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

void le(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

IconPixels parseIconDrawing(const std::string& text)
{
    IconPixels pixels{};
    std::istringstream in(text);
    std::string line;
    int row = 0;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (row == kIconSize)
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": more than 32 rows");
        if (line.size() != kIconSize)
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + std::to_string(line.size()) +
                                     " characters, expected 32");
        for (int x = 0; x < kIconSize; ++x) {
            const char c = line[static_cast<std::size_t>(x)];
            int index = -1;
            if (c != '.') {
                const auto at = std::string_view(kIconLetters).find(c);
                if (at == std::string_view::npos)
                    throw std::runtime_error("line " + std::to_string(lineNumber) + ": unknown colour letter '" +
                                             std::string(1, c) + "'");
                index = static_cast<int>(at);
            }
            pixels[static_cast<std::size_t>(row * kIconSize + x)] = index;
        }
        ++row;
    }
    if (row != kIconSize)
        throw std::runtime_error(std::to_string(row) + " rows, expected 32");
    return pixels;
}

std::vector<std::uint8_t> encodeIconImage(const IconPixels& pixels)
{
    constexpr int colourRow = kIconSize / 2;  // two pixels per byte, already a multiple of 4
    constexpr int maskRow = 4;                // 32 bits
    std::vector<std::uint8_t> out;
    le(out, 40, 4);
    le(out, kIconSize, 4);
    le(out, 2 * kIconSize, 4);  // colour image and mask together
    le(out, 1, 2);
    le(out, 4, 2);
    le(out, 0, 4);  // no compression
    le(out, colourRow * kIconSize, 4);
    le(out, 0, 4);  // resolutions
    le(out, 0, 4);
    le(out, 0, 4);  // colours used: all 16
    le(out, 0, 4);  // important colours
    for (std::uint32_t c : kPalette) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        out.push_back(0);
    }
    auto at = [&pixels](int x, int y) { return pixels[static_cast<std::size_t>(y * kIconSize + x)]; };
    for (int y = kIconSize - 1; y >= 0; --y)
        for (int x = 0; x < kIconSize; x += 2)
            out.push_back(static_cast<std::uint8_t>(std::max(at(x, y), 0) << 4 | std::max(at(x + 1, y), 0)));
    for (int y = kIconSize - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < kIconSize; ++x)
            if (at(x, y) < 0)
                bits |= 0x80000000u >> x;
        for (int i = 0; i < maskRow; ++i)
            out.push_back(static_cast<std::uint8_t>(bits >> (24 - 8 * i)));  // leftmost pixel first
    }
    return out;
}

std::vector<std::uint8_t> encodeIconGroup(std::uint16_t imageId, std::uint32_t imageBytes, std::uint8_t colourCount)
{
    std::vector<std::uint8_t> out;
    le(out, 0, 2);  // reserved
    le(out, 1, 2);  // type: icon
    le(out, 1, 2);  // one entry
    out.push_back(kIconSize);
    out.push_back(kIconSize);
    out.push_back(colourCount);
    out.push_back(0);  // reserved
    le(out, 1, 2);     // planes
    le(out, 4, 2);     // bits per pixel
    le(out, imageBytes, 4);
    le(out, imageId, 2);
    return out;
}

}  // namespace tcm::tools
