#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tcm::graphics::test {

// Writes a bitmap file from header fields given one by one, so a test can
// state exactly the (possibly broken) file it feeds the reader. Unset
// optional fields take the value a correct writer would store.
struct BmpFile {
    std::string signature = "BM";
    std::uint32_t headerSize = 40;  // 12 writes a core header; more than 40 pads with zeros
    std::int32_t width = 1;
    std::int32_t height = 1;        // a core header stores the low 16 bits of width and height
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::optional<std::uint32_t> imageSize;    // default: pixels.size()
    std::optional<std::uint32_t> pixelOffset;  // default: where the pixels start
    std::optional<std::uint32_t> fileSize;     // default: the written size
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;        // 0xRRGGBB, written in the header's entry size
    std::vector<std::uint8_t> pixels;          // stored rows, fill bytes included

    std::vector<std::uint8_t> bytes() const
    {
        std::vector<std::uint8_t> out;
        auto le = [&out](std::uint32_t v, int width) {
            for (int i = 0; i < width; ++i)
                out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const bool core = headerSize == 12;
        const std::size_t entrySize = core ? 3 : 4;
        const std::size_t start = 14 + headerSize + palette.size() * entrySize;
        const std::size_t total = start + pixels.size();

        out.insert(out.end(), signature.begin(), signature.end());
        le(fileSize.value_or(static_cast<std::uint32_t>(total)), 4);
        le(0, 4);  // two reserved fields
        le(pixelOffset.value_or(static_cast<std::uint32_t>(start)), 4);
        le(headerSize, 4);
        if (core) {
            le(static_cast<std::uint32_t>(width), 2);
            le(static_cast<std::uint32_t>(height), 2);
            le(planes, 2);
            le(bits, 2);
        } else if (headerSize >= 40) {
            le(static_cast<std::uint32_t>(width), 4);
            le(static_cast<std::uint32_t>(height), 4);
            le(planes, 2);
            le(bits, 2);
            le(compression, 4);
            le(imageSize.value_or(static_cast<std::uint32_t>(pixels.size())), 4);
            le(3780, 4);
            le(3780, 4);
            le(coloursUsed, 4);
            le(0, 4);  // important colours
            out.resize(14 + headerSize, 0);
        }
        for (std::uint32_t c : palette) {
            le(c & 0xFF, 1);          // blue
            le((c >> 8) & 0xFF, 1);   // green
            le((c >> 16) & 0xFF, 1);  // red
            if (!core)
                le(0, 1);
        }
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

// One stored 24-bit row: blue, green, red per pixel, then `fill` up to a multiple of 4 bytes.
inline std::vector<std::uint8_t> row24(const std::vector<std::uint32_t>& rgb, std::uint8_t fill)
{
    std::vector<std::uint8_t> row;
    for (std::uint32_t c : rgb) {
        row.push_back(static_cast<std::uint8_t>(c));
        row.push_back(static_cast<std::uint8_t>(c >> 8));
        row.push_back(static_cast<std::uint8_t>(c >> 16));
    }
    while (row.size() % 4 != 0)
        row.push_back(fill);
    return row;
}

// One stored palette row of `bits` per index, leftmost pixel in the highest
// bits; unused low bits of the last byte and the fill bytes take `fill`.
inline std::vector<std::uint8_t> packedRow(unsigned bits, const std::vector<unsigned>& indices, std::uint8_t fill)
{
    const unsigned perByte = 8 / bits;
    std::vector<std::uint8_t> row((indices.size() + perByte - 1) / perByte, 0);
    for (std::size_t x = 0; x < indices.size(); ++x)
        row[x / perByte] |= static_cast<std::uint8_t>(indices[x] << (8 - bits * (1 + x % perByte)));
    if (const unsigned used = indices.size() % perByte; used != 0)
        row.back() |= static_cast<std::uint8_t>(fill & ((1u << (8 - bits * used)) - 1));
    while (row.size() % 4 != 0)
        row.push_back(fill);
    return row;
}

inline void append(std::vector<std::uint8_t>& to, const std::vector<std::uint8_t>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace tcm::graphics::test
