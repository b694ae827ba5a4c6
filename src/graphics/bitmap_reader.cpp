#include "bitmap_reader.h"

#include "graphic_error.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace tcm::graphics {

namespace {

using stream::Bytes;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr const char* kNotValid = "Bitmap image is not valid";

[[noreturn]] void fail(const std::string& message)
{
    throw GraphicError(message);
}

std::uint16_t u16(Bytes b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(Bytes b, std::size_t at)
{
    return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
           (std::uint32_t{b[at + 3]} << 24);
}

const char* compressionName(std::uint32_t compression)
{
    switch (compression) {
    case 1: return "RLE8";
    case 2: return "RLE4";
    case 3: return "bit fields";
    case 4: return "JPEG";
    case 5: return "PNG";
    case 6: return "alpha bit fields";
    case 11: return "CMYK";
    case 12: return "CMYK RLE8";
    case 13: return "CMYK RLE4";
    default: return nullptr;
    }
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// What the headers say, checked: width and height are positive and their
// product is within the pixel cap.
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bits = 0;
    std::uint64_t tableStart = 0;  // directly after the info header
    std::uint64_t tableEntries = 0;
    std::uint64_t entrySize = 0;   // 3 after a core header, 4 after an info header
    std::uint32_t imageSize = 0;
};

Layout readLayout(Bytes file, std::uint64_t maxPixels)
{
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        fail(kNotValid);
    if (file.size() < kFileHeaderSize + 4)
        fail("Bitmap file ends before its info header");
    const std::uint32_t headerSize = u32(file, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize)
        fail("Bitmap info header of " + std::to_string(headerSize) + " bytes is not supported");
    const std::uint64_t headerEnd = kFileHeaderSize + std::uint64_t{headerSize};
    if (headerEnd > file.size())
        fail("Bitmap info header of " + std::to_string(headerSize) + " bytes is cut short (" +
             std::to_string(file.size() - kFileHeaderSize) + " bytes left)");

    Layout l;
    l.tableStart = headerEnd;
    std::uint16_t planes = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::int64_t storedHeight = 0;
    if (headerSize == kCoreHeaderSize) {
        // Core header: unsigned 16-bit sizes (always bottom-up), no compression, a full colour table.
        l.width = u16(file, 18);
        storedHeight = u16(file, 20);
        planes = u16(file, 22);
        l.bits = u16(file, 24);
        l.entrySize = 3;
    } else {
        l.width = static_cast<std::int32_t>(u32(file, 18));
        storedHeight = static_cast<std::int32_t>(u32(file, 22));
        planes = u16(file, 26);
        l.bits = u16(file, 28);
        compression = u32(file, 30);
        l.imageSize = u32(file, 34);
        coloursUsed = u32(file, 46);
        l.entrySize = 4;
    }

    if (planes != 1)
        fail(kNotValid);
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24)
        fail("Bitmap of " + std::to_string(l.bits) + " bits per pixel is not supported");
    if (compression != 0) {
        const char* name = compressionName(compression);
        fail("Bitmap compression " + std::to_string(compression) + (name ? std::string(" (") + name + ")" : "") +
             " is not supported");
    }
    if (l.width <= 0)
        fail("Bitmap width " + std::to_string(l.width) + " is not valid");
    // INT32_MIN has no positive counterpart in 32 bits: refuse it, like 0, before taking the magnitude.
    if (storedHeight == 0 || storedHeight == std::numeric_limits<std::int32_t>::min())
        fail("Bitmap height " + std::to_string(storedHeight) + " is not valid");
    l.topDown = storedHeight < 0;
    l.height = l.topDown ? -storedHeight : storedHeight;
    if (static_cast<std::uint64_t>(l.width) * static_cast<std::uint64_t>(l.height) > maxPixels)
        fail("Bitmap of " + std::to_string(l.width) + " x " + std::to_string(l.height) + " pixels is too large");

    // Palette depths index a table of at most 2^bits colours; a 24-bit file may
    // carry a table too (colours used > 0), which is skipped.
    const std::uint64_t maxColours = std::uint64_t{1} << l.bits;
    if (coloursUsed > maxColours)
        fail("Bitmap uses " + std::to_string(coloursUsed) + " colours, more than " + std::to_string(l.bits) +
             (l.bits == 1 ? " bit" : " bits") + " per pixel can index");
    l.tableEntries = coloursUsed != 0 ? coloursUsed : (l.bits <= 8 ? maxColours : 0);
    if (l.tableStart + l.tableEntries * l.entrySize > file.size())
        fail("Bitmap colour table of " + std::to_string(l.tableEntries) + " entries is cut short");
    return l;
}

void put(std::uint8_t* p, PixelFormat format, Rgb c)
{
    if (format == PixelFormat::Xrgb32) {
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
        p[3] = 0xFF;
    } else {
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
}

// Decodes the pixels of one stored row into `out`. `row` holds at most the
// row's bytes, fill included; only the first `width` pixels are read, so fill
// bytes never become pixels. A pixel whose bytes the row lacks stays black:
// the raster starts zeroed, which is black in Rgb24, while Xrgb32 also needs
// its padding byte set for the pixel to be opaque black.
void decodeRow(Bytes row, const Layout& l, const std::array<Rgb, 256>& palette, std::uint8_t* out,
               PixelFormat format, std::size_t bytesPerPixel)
{
    const std::uint64_t present = l.bits == 24 ? row.size() / 3 : row.size() * (8 / l.bits);
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(present, l.width));
    if (l.bits == 24) {
        for (std::size_t x = 0; x < count; ++x, out += bytesPerPixel) {
            const std::uint8_t* p = row.data() + 3 * x;
            put(out, format, Rgb{p[2], p[1], p[0]});
        }
    } else {
        const unsigned perByte = 8 / l.bits;
        const unsigned mask = (1u << l.bits) - 1;
        for (std::size_t x = 0; x < count; ++x, out += bytesPerPixel) {
            // The leftmost pixel sits in the byte's highest bits.
            const unsigned shift = 8 - l.bits * (1 + static_cast<unsigned>(x % perByte));
            put(out, format, palette[(row[x / perByte] >> shift) & mask]);
        }
    }
    if (format == PixelFormat::Xrgb32)
        for (auto x = count; x < static_cast<std::size_t>(l.width); ++x, out += bytesPerPixel)
            out[3] = 0xFF;
}

}  // namespace

Raster readBitmap(Bytes file, PixelFormat format, std::uint64_t maxPixels)
{
    const Layout l = readLayout(file, std::min(maxPixels, maxRasterPixels));

    // Entries past the table's end stay black, so any index of up to 8 bits
    // has a defined colour and nothing outside the table is read.
    std::array<Rgb, 256> palette{};
    if (l.bits <= 8) {
        for (std::uint64_t i = 0; i < l.tableEntries; ++i) {
            const std::uint8_t* e = file.data() + l.tableStart + i * l.entrySize;
            palette[i] = Rgb{e[2], e[1], e[0]};
        }
    }

    // Rows are filled up to a multiple of 4 bytes. width x bits is at most
    // 2^25 x 24, so this and every row offset below fit easily in 64 bits.
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(l.width) * l.bits + 31) / 32 * 4;
    const std::uint64_t pixelStart = l.tableStart + l.tableEntries * l.entrySize;
    const std::uint64_t wanted = l.imageSize != 0 ? l.imageSize : rowSize * static_cast<std::uint64_t>(l.height);
    const Bytes pixels = file.subspan(pixelStart, std::min<std::uint64_t>(wanted, file.size() - pixelStart));

    Raster raster(static_cast<int>(l.width), static_cast<int>(l.height), format);
    const std::size_t bytesPerPixel = raster.bytesPerPixel();
    for (std::int64_t i = 0; i < l.height; ++i) {
        const std::uint64_t start = static_cast<std::uint64_t>(i) * rowSize;
        const bool missing = start >= pixels.size();  // the file ended before this row: it stays black
        if (missing && format == PixelFormat::Rgb24)
            break;  // zeroed rows are black already
        const Bytes row =
            missing ? Bytes{} : pixels.subspan(start, std::min<std::uint64_t>(rowSize, pixels.size() - start));
        const auto y = static_cast<int>(l.topDown ? i : l.height - 1 - i);
        decodeRow(row, l, palette, raster.row(y), format, bytesPerPixel);
    }
    return raster;
}

}  // namespace tcm::graphics
