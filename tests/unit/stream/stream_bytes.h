#pragma once

#include "stream/stream_error.h"
#include "stream/stream_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tcm::stream::test {

// Assembles raw stream bytes by hand, so tests can describe exactly the
// (possibly broken) input they feed the reader.
struct StreamBytes {
    std::vector<std::uint8_t> bytes;

    StreamBytes& sig() { return raw("TPF0"); }
    StreamBytes& u8(std::uint8_t b)
    {
        bytes.push_back(b);
        return *this;
    }
    StreamBytes& le(std::uint32_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            u8(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    StreamBytes& u32(std::uint32_t v) { return le(v, 4); }
    StreamBytes& raw(std::string_view s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    // 1-byte length followed by the characters.
    StreamBytes& name(std::string_view s) { return u8(static_cast<std::uint8_t>(s.size())).raw(s); }
    // Class and object name that open a record.
    StreamBytes& record(std::string_view cls, std::string_view obj = "") { return name(cls).name(obj); }
    StreamBytes& end() { return u8(0); }
    StreamBytes& repeat(std::string_view s, std::size_t times)
    {
        for (std::size_t i = 0; i < times; ++i)
            raw(s);
        return *this;
    }

    std::size_t size() const { return bytes.size(); }
    Bytes view() const { return bytes; }
};

// Reads `bytes` expecting failure; returns the error so callers can check
// offset and wording.
inline StreamError readError(Bytes bytes, const ReadLimits& limits = {})
{
    try {
        readComponentStream(bytes, limits);
    } catch (const StreamError& e) {
        return e;
    }
    ADD_FAILURE() << "stream was accepted";
    return StreamError(0, "");
}

}  // namespace tcm::stream::test
