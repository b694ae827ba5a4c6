#pragma once

#include <cstdint>

namespace tcm::stream {

// One-byte tags that introduce each stored value. Only the tags below are
// understood; any other byte where a tag is expected is a format error.
enum class ValueTag : std::uint8_t {
    Null = 0x00,        // terminator of lists, property lists and child lists
    List = 0x01,        // values, ended by a zero byte
    Int8 = 0x02,        // 1 byte, signed
    Int16 = 0x03,       // 2 bytes, little-endian, signed
    Int32 = 0x04,       // 4 bytes, little-endian, signed
    String = 0x06,      // 1-byte length, single-byte characters
    Ident = 0x07,       // 1-byte length, name of an enumeration value, colour or method
    False = 0x08,
    True = 0x09,
    Binary = 0x0A,      // 4-byte length, raw bytes
    Set = 0x0B,         // identifiers (1-byte length + name), ended by a zero-length one
    LString = 0x0C,     // 4-byte length, single-byte characters
    WString = 0x12,     // 4-byte count of UTF-16 code units, UTF-16LE text
    Utf8String = 0x14,  // 4-byte length, UTF-8 bytes
};

// True for the tags this reader and writer handle.
bool isKnownTag(std::uint8_t byte) noexcept;

// Short human-readable name of a tag ("int16", "wstring", ...), used in errors and dumps.
const char* tagName(ValueTag tag) noexcept;

}  // namespace tcm::stream
