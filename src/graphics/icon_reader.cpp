#include "icon_reader.h"

#include "graphic_error.h"

#include <array>
#include <cstddef>
#include <string>

namespace tcm::graphics {

namespace {

constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t le16(stream::Bytes b, std::size_t at)
{
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8;
}

std::uint32_t le32(stream::Bytes b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

[[noreturn]] void fail(const std::string& what)
{
    throw GraphicError("Icon is not valid: " + what);
}

// Bytes in one stored row of `width` pixels at `bits` per pixel, filled to 4 bytes.
std::size_t rowBytes(int width, unsigned bits)
{
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// The info header fields an icon image depends on, checked.
struct IconHeader {
    std::size_t headerSize;
    int width;
    int height;  // of the colour image alone
    unsigned bits;
    std::size_t paletteEntries;
};

IconHeader readHeader(stream::Bytes image)
{
    if (image.size() < kInfoHeaderSize)
        fail("the image has " + std::to_string(image.size()) + " bytes, too few for its header");
    const std::uint32_t headerSize = le32(image, 0);
    if (headerSize < kInfoHeaderSize || headerSize > image.size())
        fail("header size " + std::to_string(headerSize));
    const auto width = static_cast<std::int32_t>(le32(image, 4));
    const auto height = static_cast<std::int32_t>(le32(image, 8));
    const std::uint32_t planes = le16(image, 12);
    const std::uint32_t bits = le16(image, 14);
    const std::uint32_t compression = le32(image, 16);
    const std::uint32_t coloursUsed = le32(image, 32);
    if (width < 1 || width > maxIconSize)
        fail("width " + std::to_string(width));
    // The stored height covers the colour image and the mask.
    if (height != 2 * width)
        fail("height " + std::to_string(height) + " is not twice the width " + std::to_string(width));
    if (planes != 1)
        fail(std::to_string(planes) + " planes");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        fail(std::to_string(bits) + " bits per pixel");
    if (compression != 0)
        fail("compression " + std::to_string(compression));
    std::size_t entries = 0;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        if (coloursUsed > most)
            fail(std::to_string(coloursUsed) + " colours for " + std::to_string(bits) + " bits per pixel");
        entries = coloursUsed == 0 ? most : coloursUsed;
    } else if (coloursUsed != 0) {
        fail(std::to_string(coloursUsed) + " colours for " + std::to_string(bits) + " bits per pixel");
    }
    return {headerSize, width, width, bits, entries};
}

// The palette index of pixel x in a packed row, leftmost pixel in the highest bits.
unsigned paletteIndex(const std::uint8_t* row, int x, unsigned bits)
{
    const std::size_t bit = static_cast<std::size_t>(x) * bits;
    const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

}  // namespace

std::vector<IconGroupEntry> readIconGroup(stream::Bytes group)
{
    if (group.size() < kGroupHeaderSize)
        fail("the group has " + std::to_string(group.size()) + " bytes, too few for its header");
    if (const std::uint32_t reserved = le16(group, 0); reserved != 0)
        fail("group reserved field " + std::to_string(reserved));
    if (const std::uint32_t type = le16(group, 2); type != 1)
        fail("group type " + std::to_string(type));
    const std::size_t count = le16(group, 4);
    if (count == 0)
        fail("the group has no entries");
    if (group.size() < kGroupHeaderSize + count * kGroupEntrySize)
        fail("the group's " + std::to_string(count) + " entries run past its end");
    std::vector<IconGroupEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kGroupHeaderSize + i * kGroupEntrySize;
        IconGroupEntry e;
        e.width = group[at] == 0 ? 256 : group[at];
        e.height = group[at + 1] == 0 ? 256 : group[at + 1];
        e.colourCount = group[at + 2];
        e.planes = static_cast<int>(le16(group, at + 4));
        e.bitsPerPixel = static_cast<int>(le16(group, at + 6));
        e.bytesInResource = le32(group, at + 8);
        e.imageId = static_cast<std::uint16_t>(le16(group, at + 12));
        entries.push_back(e);
    }
    return entries;
}

MaskedImage readIconImage(stream::Bytes image, PixelFormat format)
{
    const IconHeader h = readHeader(image);
    // Every size below is bounded by maxIconSize, so none can overflow.
    const std::size_t paletteStart = h.headerSize;
    const std::size_t colourStart = paletteStart + 4 * h.paletteEntries;
    const std::size_t colourRow = rowBytes(h.width, h.bits);
    const std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(h.height);
    const std::size_t maskRow = rowBytes(h.width, 1);
    const std::size_t end = maskStart + maskRow * static_cast<std::size_t>(h.height);
    if (end > image.size())
        fail("the image has " + std::to_string(image.size()) + " bytes, its colour image and mask need " +
             std::to_string(end));

    std::array<std::uint32_t, 256> palette{};  // entries the table lacks stay black
    for (std::size_t i = 0; i < h.paletteEntries; ++i) {
        const std::size_t at = paletteStart + 4 * i;
        palette[i] = std::uint32_t{image[at + 2]} << 16 | std::uint32_t{image[at + 1]} << 8 | image[at];
    }

    MaskedImage out{Raster(h.width, h.height, format), PixelMask(h.width, h.height)};
    for (int y = 0; y < h.height; ++y) {
        const std::size_t stored = static_cast<std::size_t>(h.height - 1 - y);  // bottom row first
        const std::uint8_t* colour = image.data() + colourStart + stored * colourRow;
        const std::uint8_t* mask = image.data() + maskStart + stored * maskRow;
        for (int x = 0; x < h.width; ++x) {
            bool transparent = paletteIndex(mask, x, 1) != 0;
            std::uint32_t rgb = 0;
            if (h.bits <= 8) {
                rgb = palette[paletteIndex(colour, x, h.bits)];
            } else {
                const std::uint8_t* p = colour + static_cast<std::size_t>(x) * (h.bits / 8);
                rgb = std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
                // A 32-bit image may leave its AND mask empty and mark
                // transparency in the alpha byte alone.
                transparent = transparent || (h.bits == 32 && p[3] == 0);
            }
            out.pixels.setRgb(x, y, rgb);
            if (transparent)
                out.mask.setTransparent(x, y);
        }
    }
    return out;
}

}  // namespace tcm::graphics
