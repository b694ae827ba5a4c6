#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace tcm::tools {

using Bytes = std::vector<std::uint8_t>;

// Appends fixed-width integers and text to a byte vector. The file formats
// written here mix byte orders (TIFF little-endian, ICC and JPEG big-endian),
// so each call names its order.
class ByteBuffer {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16le(std::uint16_t v) { u8(v & 0xFF); u8(v >> 8); }
    void u32le(std::uint32_t v) { u16le(v & 0xFFFF); u16le(v >> 16); }
    void u16be(std::uint16_t v) { u8(v >> 8); u8(v & 0xFF); }
    void u32be(std::uint32_t v) { u16be(v >> 16); u16be(v & 0xFFFF); }
    void text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void append(const Bytes& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }

    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

}  // namespace tcm::tools
