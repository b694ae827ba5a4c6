#include "graphics/graphic_error.h"
#include "graphics/icon_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tcm::graphics {
namespace {

using Bytes = std::vector<std::uint8_t>;

void le(Bytes& out, std::uint32_t v, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// An icon image resource from its fields; pixel(x, y) gives the palette index
// (or 0xRRGGBB for 24 and 32 bits) and masked(x, y) the AND bit, y counting
// from the top.
struct IconImageFile {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2;
    std::optional<std::int32_t> height;  // default: twice the width
    std::uint16_t planes = 1;
    std::uint16_t bits = 4;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB; default: 2^bits entries of colour 0x10101 * i
    std::function<std::uint32_t(int, int)> pixel = [](int x, int y) { return static_cast<std::uint32_t>(x + y); };
    std::function<bool(int, int)> masked = [](int x, int) { return x == 0; };
    std::uint8_t alpha = 0xFF;  // the fourth byte of 32-bit pixels

    std::vector<std::uint32_t> colours() const
    {
        if (!palette.empty() || bits > 8)
            return palette;
        std::vector<std::uint32_t> p;
        for (std::uint32_t i = 0; i < (1u << bits); ++i)
            p.push_back(0x010101 * i);
        return p;
    }

    Bytes bytes() const
    {
        Bytes out;
        const std::int32_t h = height.value_or(2 * width);
        le(out, headerSize, 4);
        le(out, static_cast<std::uint32_t>(width), 4);
        le(out, static_cast<std::uint32_t>(h), 4);
        le(out, planes, 2);
        le(out, bits, 2);
        le(out, compression, 4);
        le(out, 0, 4);  // image size: not used
        le(out, 0, 4);
        le(out, 0, 4);
        le(out, coloursUsed, 4);
        le(out, 0, 4);
        out.resize(headerSize >= 40 ? headerSize : 40, 0);
        for (std::uint32_t c : colours()) {
            le(out, c & 0xFF, 1);
            le(out, (c >> 8) & 0xFF, 1);
            le(out, c >> 16, 1);
            le(out, 0, 1);
        }
        const int rows = h / 2 > 0 ? h / 2 : 0;
        for (int y = rows - 1; y >= 0; --y) {
            Bytes row;
            if (bits <= 8) {
                row.assign((static_cast<std::size_t>(width) * bits + 7) / 8, 0);
                for (int x = 0; x < width; ++x) {
                    const std::size_t bit = static_cast<std::size_t>(x) * bits;
                    row[bit / 8] |= static_cast<std::uint8_t>(pixel(x, y) << (8 - bits - bit % 8));
                }
            } else {
                for (int x = 0; x < width; ++x) {
                    le(row, pixel(x, y), 3);
                    if (bits == 32)
                        row.push_back(alpha);
                }
            }
            while (row.size() % 4 != 0)
                row.push_back(0xEE);  // fill bytes are never pixels
            out.insert(out.end(), row.begin(), row.end());
        }
        for (int y = rows - 1; y >= 0; --y) {
            Bytes row((static_cast<std::size_t>(width) + 31) / 32 * 4, 0);
            for (int x = 0; x < width; ++x)
                if (masked(x, y))
                    row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
        return out;
    }
};

// One group entry of 14 bytes.
Bytes groupEntry(std::uint8_t w, std::uint8_t h, std::uint8_t colours, std::uint16_t bits, std::uint32_t size,
                 std::uint16_t id)
{
    Bytes out{w, h, colours, 0};
    le(out, 1, 2);
    le(out, bits, 2);
    le(out, size, 4);
    le(out, id, 2);
    return out;
}

Bytes groupHeader(std::uint16_t reserved, std::uint16_t type, std::uint16_t count)
{
    Bytes out;
    le(out, reserved, 2);
    le(out, type, 2);
    le(out, count, 2);
    return out;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

template <class F>
std::string errorOf(F read)
{
    try {
        read();
    } catch (const GraphicError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(IconGroup, ReadsEveryEntry)
{
    const Bytes group = groupHeader(0, 1, 2) + groupEntry(32, 32, 4, 4, 744, 1) + groupEntry(0, 0, 0, 32, 9000, 7) +
                        Bytes{0xAA, 0xBB};  // bytes after the entries do not matter
    const std::vector<IconGroupEntry> entries = readIconGroup(group);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[0].height, 32);
    EXPECT_EQ(entries[0].colourCount, 4);
    EXPECT_EQ(entries[0].planes, 1);
    EXPECT_EQ(entries[0].bitsPerPixel, 4);
    EXPECT_EQ(entries[0].bytesInResource, 744u);
    EXPECT_EQ(entries[0].imageId, 1);
    EXPECT_EQ(entries[1].width, 256);  // a stored 0 means 256
    EXPECT_EQ(entries[1].height, 256);
    EXPECT_EQ(entries[1].imageId, 7);
}

TEST(IconGroup, RefusesDamagedGroups)
{
    const Bytes entry = groupEntry(32, 32, 4, 4, 744, 1);
    const struct {
        const char* what;
        Bytes group;
        std::string message;
    } cases[] = {
        {"empty", {}, "Icon is not valid: the group has 0 bytes, too few for its header"},
        {"cut in the header", {0, 0, 1, 0, 1}, "Icon is not valid: the group has 5 bytes, too few for its header"},
        {"reserved not 0", groupHeader(1, 1, 1) + entry, "Icon is not valid: group reserved field 1"},
        {"a cursor group", groupHeader(0, 2, 1) + entry, "Icon is not valid: group type 2"},
        {"no entries", groupHeader(0, 1, 0), "Icon is not valid: the group has no entries"},
        {"entries past the end", groupHeader(0, 1, 2) + entry,
         "Icon is not valid: the group's 2 entries run past its end"},
        {"an entry cut short", groupHeader(0, 1, 1) + Bytes(entry.begin(), entry.end() - 1),
         "Icon is not valid: the group's 1 entries run past its end"},
        {"a count of 65535", groupHeader(0, 1, 0xFFFF) + entry,
         "Icon is not valid: the group's 65535 entries run past its end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { readIconGroup(c.group); }), c.message) << c.what;
}

TEST(IconImage, ReadsEachDepthBottomRowFirstWithItsMask)
{
    // Widths that leave fill bits and fill bytes in colour and mask rows.
    const struct {
        std::uint16_t bits;
        std::int32_t width;
    } cases[] = {{1, 9}, {4, 3}, {4, 32}, {8, 5}, {24, 3}, {32, 2}, {1, 40}};
    for (const auto& c : cases) {
        for (PixelFormat format : {PixelFormat::Xrgb32, PixelFormat::Rgb24}) {
            SCOPED_TRACE(std::to_string(c.bits) + " bits, width " + std::to_string(c.width));
            IconImageFile f;
            f.bits = c.bits;
            f.width = c.width;
            const std::uint32_t most = c.bits <= 8 ? 1u << c.bits : 0x1000000u;
            f.pixel = [&](int x, int y) { return static_cast<std::uint32_t>(x * 7 + y * 3 + 1) % most; };
            f.masked = [](int x, int y) { return (x + 2 * y) % 3 == 0; };
            const MaskedImage image = readIconImage(f.bytes(), format);
            ASSERT_EQ(image.pixels.width(), c.width);
            ASSERT_EQ(image.pixels.height(), c.width);
            ASSERT_EQ(image.mask.width(), c.width);
            const std::vector<std::uint32_t> palette = f.colours();
            for (int y = 0; y < c.width; ++y) {
                for (int x = 0; x < c.width; ++x) {
                    const std::uint32_t v = f.pixel(x, y);
                    ASSERT_EQ(image.pixels.rgbAt(x, y), c.bits <= 8 ? palette[v] : v) << x << "," << y;
                    ASSERT_EQ(image.mask.transparent(x, y), f.masked(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(IconImage, ShortPaletteAlphaAndTrailingBytes)
{
    // Two colours in the table: index 3 lies past it and draws black.
    IconImageFile shortTable;
    shortTable.coloursUsed = 2;
    shortTable.palette = {0x112233, 0x445566};
    shortTable.pixel = [](int x, int) { return x == 0 ? 1u : 3u; };
    const MaskedImage a = readIconImage(shortTable.bytes() + Bytes(50, 0xCD));
    EXPECT_EQ(a.pixels.rgbAt(0, 0), 0x445566u);
    EXPECT_EQ(a.pixels.rgbAt(1, 0), 0u);

    // A 32-bit image may mark transparency in its alpha byte alone.
    IconImageFile alpha;
    alpha.bits = 32;
    alpha.alpha = 0;
    alpha.masked = [](int, int) { return false; };
    EXPECT_EQ(readIconImage(alpha.bytes()).mask.transparentCount(), 4u);
}

TEST(IconImage, RefusesDamagedImages)
{
    auto with = [](const std::function<void(IconImageFile&)>& change) {
        IconImageFile f;
        f.width = 32;
        change(f);
        return f.bytes();
    };
    const Bytes good = with([](IconImageFile&) {});
    Bytes headerPastEnd = good;
    headerPastEnd[0] = 0xA0;  // 100000
    headerPastEnd[1] = 0x86;
    headerPastEnd[2] = 0x01;
    const struct {
        const char* what;
        Bytes image;
        std::string message;
    } cases[] = {
        {"empty", {}, "the image has 0 bytes, too few for its header"},
        {"mask short by a row", Bytes(good.begin(), good.end() - 4),
         "the image has 740 bytes, its colour image and mask need 744"},
        {"mask short by a byte", Bytes(good.begin(), good.end() - 1),
         "the image has 743 bytes, its colour image and mask need 744"},
        {"height equal to the width", with([](IconImageFile& f) { f.height = 32; }),
         "height 32 is not twice the width 32"},
        {"height odd", with([](IconImageFile& f) { f.height = 63; }), "height 63 is not twice the width 32"},
        {"height negative", with([](IconImageFile& f) { f.height = -64; }), "height -64 is not twice the width 32"},
        {"17 colours for 4 bits", with([](IconImageFile& f) { f.coloursUsed = 17; }),
         "17 colours for 4 bits per pixel"},
        {"2^32 - 1 colours", with([](IconImageFile& f) { f.coloursUsed = 0xFFFFFFFF; }),
         "4294967295 colours for 4 bits per pixel"},
        {"a palette for 24 bits", with([](IconImageFile& f) {
             f.bits = 24;
             f.coloursUsed = 2;
         }),
         "2 colours for 24 bits per pixel"},
        {"width 0", with([](IconImageFile& f) { f.width = 0; }), "width 0"},
        {"width past the limit", with([](IconImageFile& f) { f.width = 257; }), "width 257"},
        {"width negative", with([](IconImageFile& f) { f.width = -32; }), "width -32"},
        {"two planes", with([](IconImageFile& f) { f.planes = 2; }), "2 planes"},
        {"16 bits", with([](IconImageFile& f) { f.bits = 16; }), "16 bits per pixel"},
        {"compressed", with([](IconImageFile& f) { f.compression = 1; }), "compression 1"},
        {"a core header", with([](IconImageFile& f) { f.headerSize = 12; }), "header size 12"},
        {"header past the end", headerPastEnd, "header size 100000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { readIconImage(c.image); }), "Icon is not valid: " + c.message) << c.what;
}

// ------------------------------------------------------------------ the shipped icon

Bytes readIconFile(const std::string& name)
{
    const std::string path = std::string(TCM_CONTENT_DIR) + "/icon/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(ShippedIcon, GroupHoldsOne32By32SixteenColourEntry)
{
    const Bytes group = readIconFile("mainicon_group.bin");
    EXPECT_EQ(group, groupHeader(0, 1, 1) + groupEntry(32, 32, 4, 4, 744, 1));
    const std::vector<IconGroupEntry> entries = readIconGroup(group);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].imageId, 1);
}

TEST(ShippedIcon, ImageHasTheStandardPaletteAndA835PixelMask)
{
    const Bytes image = readIconFile("mainicon_image_1.bin");
    ASSERT_EQ(image.size(), 744u);
    Bytes header;
    for (std::uint32_t v : {40u, 32u, 64u})
        le(header, v, 4);
    le(header, 1, 2);
    le(header, 4, 2);
    for (std::uint32_t v : {0u, 512u, 0u, 0u, 0u, 0u})
        le(header, v, 4);
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 40), header);
    constexpr std::array<std::uint32_t, 16> standard = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
        0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    for (std::size_t i = 0; i < standard.size(); ++i) {
        const std::size_t at = 40 + 4 * i;
        EXPECT_EQ(std::uint32_t{image[at + 2]} << 16 | std::uint32_t{image[at + 1]} << 8 | image[at], standard[i]) << i;
        EXPECT_EQ(image[at + 3], 0) << i;
    }

    const MaskedImage icon = readIconImage(image);
    ASSERT_EQ(icon.pixels.width(), 32);
    ASSERT_EQ(icon.pixels.height(), 32);
    EXPECT_EQ(icon.mask.transparentCount(), 835u);
    std::array<int, 16> used{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            // The colour image's index, high nibble first, bottom row first.
            const std::uint8_t pair = image[104 + static_cast<std::size_t>(31 - y) * 16 + static_cast<std::size_t>(x / 2)];
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0xF;
            if (icon.mask.transparent(x, y))
                ASSERT_EQ(index, 0) << x << "," << y;  // hidden pixels are black
            else
                ++used[static_cast<std::size_t>(index)];
            ASSERT_EQ(icon.pixels.rgbAt(x, y), standard[static_cast<std::size_t>(index)]);
        }
    }
    // Black outline, aqua, teal, white, yellow, olive, silver and grey; nothing else.
    for (int i : {0, 14, 6, 15, 11, 3, 8, 7})
        EXPECT_GT(used[static_cast<std::size_t>(i)], 0) << i;
    for (int i : {1, 2, 4, 5, 9, 10, 12, 13})
        EXPECT_EQ(used[static_cast<std::size_t>(i)], 0) << i;
}

// The syringe lies from top left (needle) to bottom right (plunger): the
// other two corners stay empty.
TEST(ShippedIcon, SyringeLiesAlongTheFallingDiagonal)
{
    const MaskedImage icon = readIconImage(readIconFile("mainicon_image_1.bin"));
    auto visibleIn = [&](int x0, int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 10; ++y)
            for (int x = x0; x < x0 + 10; ++x)
                n += !icon.mask.transparent(x, y);
        return n;
    };
    EXPECT_GT(visibleIn(0, 0), 0);
    EXPECT_GT(visibleIn(22, 22), 0);
    EXPECT_EQ(visibleIn(22, 0), 0);
    EXPECT_EQ(visibleIn(0, 22), 0);
    // The needle is thin and grey: no black in the top-left corner.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (!icon.mask.transparent(x, y)) {
                EXPECT_NE(icon.pixels.rgbAt(x, y), 0u) << x << "," << y;
            }
}

}  // namespace
}  // namespace tcm::graphics
