#include "exif_block.h"

#include <stdexcept>
#include <vector>

namespace tcm::tools {

namespace {

enum class TiffType : std::uint16_t { Ascii = 2, Short = 3, Long = 4, Rational = 5 };

// One directory entry; a value of more than 4 bytes lives in the directory's
// value area and the entry holds its offset.
struct Entry {
    std::uint16_t tag;
    TiffType type;
    std::uint32_t count;
    std::uint32_t inlineValue = 0; // SHORT or LONG stored in the entry
    Bytes outOfLine;               // RATIONAL or long ASCII, stored after the directory
};

Entry shortEntry(std::uint16_t tag, std::uint16_t value) { return {tag, TiffType::Short, 1, value, {}}; }
Entry longEntry(std::uint16_t tag, std::uint32_t value) { return {tag, TiffType::Long, 1, value, {}}; }

Entry rationalEntry(std::uint16_t tag, Rational r)
{
    ByteBuffer b;
    b.u32le(r.numerator);
    b.u32le(r.denominator);
    return {tag, TiffType::Rational, 1, 0, b.take()};
}

Entry asciiEntry(std::uint16_t tag, const std::string& text)
{
    Bytes value(text.begin(), text.end());
    value.push_back(0);
    if (value.size() <= 4)
        throw std::logic_error("short ASCII values are not needed here");
    return {tag, TiffType::Ascii, static_cast<std::uint32_t>(value.size()), 0, std::move(value)};
}

std::size_t directorySize(const std::vector<Entry>& entries)
{
    std::size_t size = 2 + 12 * entries.size() + 4;
    for (const Entry& e : entries)
        size += (e.outOfLine.size() + 1) & ~std::size_t{1}; // values start on even offsets
    return size;
}

// Writes a directory at the buffer's current end (its TIFF offset is
// tiff.size()) with its values directly after it.
void writeDirectory(ByteBuffer& tiff, const std::vector<Entry>& entries, std::uint32_t nextDirectory)
{
    std::uint32_t valueOffset = static_cast<std::uint32_t>(tiff.size() + 2 + 12 * entries.size() + 4);
    tiff.u16le(static_cast<std::uint16_t>(entries.size()));
    for (const Entry& e : entries) {
        tiff.u16le(e.tag);
        tiff.u16le(static_cast<std::uint16_t>(e.type));
        tiff.u32le(e.count);
        if (e.outOfLine.empty()) {
            tiff.u32le(e.inlineValue); // a SHORT sits in the first two bytes, little-endian
        } else {
            tiff.u32le(valueOffset);
            valueOffset += static_cast<std::uint32_t>((e.outOfLine.size() + 1) & ~std::size_t{1});
        }
    }
    tiff.u32le(nextDirectory);
    for (const Entry& e : entries) {
        tiff.append(e.outOfLine);
        if (e.outOfLine.size() % 2)
            tiff.u8(0);
    }
}

}  // namespace

Bytes buildExifBlock(const ExifFields& f)
{
    constexpr std::uint16_t inch = 2;
    constexpr std::uint16_t uncalibrated = 0xFFFF;
    constexpr std::uint16_t jpegCompression = 6;
    constexpr std::uint32_t tiffHeaderSize = 8;

    std::vector<Entry> ifd0 = {
        shortEntry(0x0112, 1), // Orientation: rows top to bottom, columns left to right
        rationalEntry(0x011A, f.resolution),
        rationalEntry(0x011B, f.resolution),
        shortEntry(0x0128, inch),
        asciiEntry(0x0131, f.software),
        asciiEntry(0x0132, f.dateTime),
        longEntry(0x8769, 0), // Exif IFD offset, filled in below
    };
    const std::vector<Entry> exif = {
        shortEntry(0xA001, uncalibrated),
        longEntry(0xA002, f.pixelWidth),
        longEntry(0xA003, f.pixelHeight),
    };
    std::vector<Entry> ifd1 = {
        shortEntry(0x0103, jpegCompression),
        rationalEntry(0x011A, {72, 1}),
        rationalEntry(0x011B, {72, 1}),
        shortEntry(0x0128, inch),
        longEntry(0x0201, 0), // thumbnail offset, filled in below
        longEntry(0x0202, static_cast<std::uint32_t>(f.thumbnail.size())),
    };

    // Layout: header, IFD0, Exif IFD, IFD1, thumbnail.
    const auto exifOffset = static_cast<std::uint32_t>(tiffHeaderSize + directorySize(ifd0));
    const auto ifd1Offset = static_cast<std::uint32_t>(exifOffset + directorySize(exif));
    const auto thumbnailOffset = static_cast<std::uint32_t>(ifd1Offset + directorySize(ifd1));
    ifd0.back().inlineValue = exifOffset;
    ifd1[4].inlineValue = thumbnailOffset;

    ByteBuffer tiff;
    tiff.text("II");
    tiff.u16le(42);
    tiff.u32le(tiffHeaderSize);
    writeDirectory(tiff, ifd0, ifd1Offset);
    writeDirectory(tiff, exif, 0);
    writeDirectory(tiff, ifd1, 0);
    tiff.append(f.thumbnail);
    if (tiff.size() != thumbnailOffset + f.thumbnail.size())
        throw std::logic_error("Exif layout does not add up");

    ByteBuffer block;
    block.text(std::string_view("Exif\0\0", 6));
    block.append(tiff.bytes());
    return block.take();
}

}  // namespace tcm::tools
