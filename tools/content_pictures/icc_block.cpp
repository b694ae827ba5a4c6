#include "icc_block.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace tcm::tools {

namespace {

constexpr std::uint32_t fixed16(double v) { return static_cast<std::uint32_t>(static_cast<std::int32_t>(v * 65536.0 + 0.5)); }

void signature(ByteBuffer& b, std::string_view four) { b.text(four.substr(0, 4)); }

// 128-byte profile header of a version 2.1 output profile, CMYK to Lab.
void writeHeader(ByteBuffer& b, std::uint32_t declaredSize)
{
    b.u32be(declaredSize);
    b.u32be(0);           // preferred colour management module: none
    b.u32be(0x02100000);  // version 2.1.0
    signature(b, "prtr"); // output device
    signature(b, "CMYK");
    signature(b, "Lab ");
    for (std::uint16_t v : {2024, 1, 1, 0, 0, 0}) // creation date, fixed
        b.u16be(v);
    signature(b, "acsp");
    b.u32be(0);           // primary platform: none named
    b.u32be(0);           // flags: not embedded-only, may be used independently
    b.u32be(0);           // device manufacturer: none
    b.u32be(0);           // device model: none
    b.zeros(8);           // device attributes: reflective, glossy, positive, colour
    b.u32be(0);           // rendering intent: perceptual
    b.u32be(fixed16(0.9642)); // PCS illuminant D50
    b.u32be(fixed16(1.0));
    b.u32be(fixed16(0.8249));
    b.u32be(0);           // creator: none
    b.zeros(44);          // profile id (unused in version 2) and reserved bytes
}

Bytes textDescription(std::string_view text)
{
    ByteBuffer b;
    signature(b, "desc");
    b.zeros(4);
    b.u32be(static_cast<std::uint32_t>(text.size() + 1));
    b.text(text);
    b.u8(0);
    b.u32be(0);  // Unicode language code
    b.u32be(0);  // Unicode character count
    b.u16be(0);  // ScriptCode code
    b.u8(0);     // ScriptCode count
    b.zeros(67); // ScriptCode description
    return b.take();
}

Bytes text(std::string_view s)
{
    ByteBuffer b;
    signature(b, "text");
    b.zeros(4);
    b.text(s);
    b.u8(0);
    return b.take();
}

Bytes xyz(double x, double y, double z)
{
    ByteBuffer b;
    signature(b, "XYZ ");
    b.zeros(4);
    for (double v : {x, y, z})
        b.u32be(fixed16(v));
    return b.take();
}

// A 16-bit lookup table from CMYK to Lab on an 11-point grid: identity input
// and output curves and a table made from a plain subtractive model of ink.
Bytes cmykToLabTable()
{
    constexpr int grid = 11;
    constexpr int curve = 256;
    ByteBuffer b;
    signature(b, "mft2");
    b.zeros(4);
    b.u8(4);    // input channels
    b.u8(3);    // output channels
    b.u8(grid);
    b.u8(0);
    for (int i = 0; i < 9; ++i) // identity matrix (used only for XYZ input)
        b.u32be(i % 4 == 0 ? fixed16(1.0) : 0);
    b.u16be(curve);
    b.u16be(curve);
    for (int channel = 0; channel < 4; ++channel)
        for (int i = 0; i < curve; ++i)
            b.u16be(static_cast<std::uint16_t>(i * 65535 / (curve - 1)));
    for (int c = 0; c < grid; ++c)
        for (int m = 0; m < grid; ++m)
            for (int y = 0; y < grid; ++y)
                for (int k = 0; k < grid; ++k) {
                    // Integer arithmetic in thousandths keeps the bytes identical everywhere.
                    const int paper = 1000 * (grid - 1 - k) / (grid - 1);
                    const int r = paper * (grid - 1 - c) / (grid - 1);
                    const int g = paper * (grid - 1 - m) / (grid - 1);
                    const int bl = paper * (grid - 1 - y) / (grid - 1);
                    const int lightness = (299 * r + 587 * g + 114 * bl) / 1000; // 0..1000
                    const int a = (r - g) * 100 / 1000;                          // -100..100
                    const int bb = (g - bl) * 100 / 1000;
                    b.u16be(static_cast<std::uint16_t>(lightness * 0xFF00 / 1000));
                    b.u16be(static_cast<std::uint16_t>((a + 128) * 256));
                    b.u16be(static_cast<std::uint16_t>((bb + 128) * 256));
                }
    for (int channel = 0; channel < 3; ++channel)
        for (int i = 0; i < curve; ++i)
            b.u16be(static_cast<std::uint16_t>(i * 65535 / (curve - 1)));
    return b.take();
}

struct Tag {
    std::string_view name;
    Bytes data;              // empty for a tag whose bytes lie beyond the kept part
    std::uint32_t size = 0;  // declared size; 0 for the last tag, which runs to the end
    int sameAs = -1;         // index of an earlier tag whose data this tag shares
};

}  // namespace

Bytes buildIccChunk(std::uint32_t declaredSize, std::size_t keptBytes)
{
    const Bytes toLab = cmykToLabTable();
    const auto toLabSize = static_cast<std::uint32_t>(toLab.size());
    // Tags in file order. The three rendering intents share one table each
    // way, as small profiles often do. The tables from Lab back to CMYK and
    // the gamut table lie beyond the kept bytes; only their declared sizes
    // are given, the last one running to the declared end of the profile.
    std::vector<Tag> tags = {
        {"desc", textDescription("tcm-viewer sample CMYK press profile"), 0, -1},
        {"cprt", text("Generated by tcm-viewer content generator. No rights reserved."), 0, -1},
        {"wtpt", xyz(0.8264, 0.8563, 0.7066), 0, -1},
        {"A2B0", toLab, toLabSize, -1},
        {"A2B1", {}, toLabSize, 3},
        {"A2B2", {}, toLabSize, 3},
        {"B2A0", {}, 291132, -1},
        {"B2A1", {}, 291132, 6},
        {"B2A2", {}, 291132, 6},
        {"gamt", {}, 0, -1},
    };
    for (Tag& t : tags)
        if (!t.data.empty())
            t.size = static_cast<std::uint32_t>(t.data.size());

    std::uint32_t offset = 128 + 4 + 12 * static_cast<std::uint32_t>(tags.size());
    std::vector<std::uint32_t> offsets;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (tags[i].sameAs >= 0) {
            offsets.push_back(offsets[static_cast<std::size_t>(tags[i].sameAs)]);
            continue;
        }
        offset = (offset + 3) & ~3u; // tag data starts on 4-byte boundaries
        offsets.push_back(offset);
        if (i + 1 == tags.size()) {
            if (offset >= declaredSize)
                throw std::logic_error("ICC tags overrun the declared profile size");
            tags[i].size = declaredSize - offset;
        }
        offset += tags[i].size;
    }

    ByteBuffer profile;
    writeHeader(profile, declaredSize);
    profile.u32be(static_cast<std::uint32_t>(tags.size()));
    for (std::size_t i = 0; i < tags.size(); ++i) {
        signature(profile, tags[i].name);
        profile.u32be(offsets[i]);
        profile.u32be(tags[i].size);
    }
    for (std::size_t i = 0; i < tags.size() && profile.size() < keptBytes; ++i) {
        if (tags[i].sameAs >= 0)
            continue;
        profile.zeros(offsets[i] - profile.size());
        profile.append(tags[i].data);
    }
    if (profile.size() < keptBytes)
        throw std::logic_error("ICC profile data shorter than the kept part");

    ByteBuffer chunk;
    chunk.text(std::string_view("ICC_PROFILE\0", 12));
    chunk.u8(1); // chunk number
    chunk.u8(1); // chunk count
    Bytes out = chunk.take();
    out.insert(out.end(), profile.bytes().begin(), profile.bytes().begin() + static_cast<std::ptrdiff_t>(keptBytes));
    return out;
}

}  // namespace tcm::tools
