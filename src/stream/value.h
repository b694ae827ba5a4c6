#pragma once

#include "value_tag.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tcm::stream {

using Bytes = std::span<const std::uint8_t>;

// One stored value. Character and byte data are views into the stream's own
// bytes (or, for the writer, into storage the caller keeps alive): nothing is
// copied when a stream is read.
struct Value {
    ValueTag tag = ValueTag::False;
    std::int32_t integer = 0;             // Int8, Int16, Int32
    Bytes data;                           // String, LString, Ident, Utf8String: the characters;
                                          // Binary: the block; WString: the UTF-16LE bytes
    std::vector<Value> items;             // List
    std::vector<std::string_view> names;  // Set, in stored order

    bool isInteger() const noexcept;
    bool isBoolean() const noexcept;
    // String, LString, Ident or Utf8String: the stored bytes as characters.
    bool isNarrowText() const noexcept;
    std::string_view text() const noexcept;
    // WString: number of UTF-16 code units and one unit, assembled little-endian.
    std::size_t wideCount() const noexcept;
    char16_t wideAt(std::size_t index) const noexcept;

    static Value integerValue(std::int32_t v);          // smallest integer tag that holds v
    static Value boolean(bool v);
    static Value ident(std::string_view name);
    static Value string(std::string_view chars);        // String if <= 255 bytes, else LString
    static Value utf8(std::string_view bytes);
    static Value wide(Bytes utf16le);                   // size must be even
    static Value binary(Bytes block);
    static Value set(std::vector<std::string_view> names);
    static Value list(std::vector<Value> items);
};

}  // namespace tcm::stream
