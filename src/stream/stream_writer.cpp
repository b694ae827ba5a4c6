#include "stream_writer.h"

#include "stream_error.h"

#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace tcm::stream {

namespace {

// Emits each value with exactly the tag it carries, so a tree read from a
// stream writes back to the same bytes. Anything the chosen tag cannot
// encode is refused rather than silently truncated.
class Writer {
public:
    std::vector<std::uint8_t> writeStream(const ObjectRecord& root)
    {
        out_ = {'T', 'P', 'F', '0'};
        writeRecord(root);
        return std::move(out_);
    }

private:
    [[noreturn]] void fail(const std::string& message) const
    {
        throw StreamError(out_.size(), message);
    }

    void u8(std::uint8_t b) { out_.push_back(b); }

    void le(std::uint32_t v, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }

    void raw(Bytes b) { out_.insert(out_.end(), b.begin(), b.end()); }

    static Bytes asBytes(std::string_view s) noexcept
    {
        return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
    }

    // A zero length marks the end of a property list, child list or set, so
    // names in those positions must not be empty.
    void shortData(Bytes b, std::string_view what, bool mayBeEmpty)
    {
        if (b.size() > 255)
            fail(std::string(what) + " of " + std::to_string(b.size())
                 + " bytes is longer than 255 bytes");
        if (b.empty() && !mayBeEmpty)
            fail(std::string(what) + " is empty");
        u8(static_cast<std::uint8_t>(b.size()));
        raw(b);
    }

    void shortText(std::string_view s, std::string_view what, bool mayBeEmpty)
    {
        shortData(asBytes(s), what, mayBeEmpty);
    }

    void longData(Bytes b, std::uint64_t count, std::string_view what)
    {
        if (count > std::numeric_limits<std::uint32_t>::max())
            fail(std::string(what) + " is too large for a 32-bit length");
        le(static_cast<std::uint32_t>(count), 4);
        raw(b);
    }

    void integer(const Value& v, std::int32_t lo, std::int32_t hi, std::size_t width)
    {
        if (v.integer < lo || v.integer > hi)
            fail(std::to_string(v.integer) + " is out of range for " + tagName(v.tag));
        le(static_cast<std::uint32_t>(v.integer), width);
    }

    void writeRecord(const ObjectRecord& r)
    {
        shortText(r.className, "class name", false);
        shortText(r.name, "object name", true);
        for (const Property& p : r.properties) {
            shortText(p.name, "property name", false);
            writeValue(p.value);
        }
        u8(0);
        for (const ObjectRecord& child : r.children)
            writeRecord(child);
        u8(0);
    }

    void writeValue(const Value& v)
    {
        if (!isKnownTag(static_cast<std::uint8_t>(v.tag)))
            fail("a value has no storable tag ("
                 + std::to_string(static_cast<unsigned>(v.tag)) + ")");
        u8(static_cast<std::uint8_t>(v.tag));
        writePayload(v);
    }

    void writePayload(const Value& v)
    {
        switch (v.tag) {
        case ValueTag::List: return writeList(v);
        case ValueTag::Int8: return integer(v, -128, 127, 1);
        case ValueTag::Int16: return integer(v, -32768, 32767, 2);
        case ValueTag::Int32: return le(static_cast<std::uint32_t>(v.integer), 4);
        case ValueTag::String: return shortData(v.data, "string", true);
        case ValueTag::Ident: return shortData(v.data, "identifier", true);
        case ValueTag::Binary: return longData(v.data, v.data.size(), "byte block");
        case ValueTag::LString: return longData(v.data, v.data.size(), "long string");
        case ValueTag::Utf8String: return longData(v.data, v.data.size(), "UTF-8 string");
        case ValueTag::WString: return writeWide(v);
        case ValueTag::Set: return writeSet(v);
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Null: return;
        }
    }

    void writeWide(const Value& v)
    {
        if (v.data.size() % 2 != 0)
            fail("wide string has an odd number of bytes (" + std::to_string(v.data.size()) + ")");
        longData(v.data, v.data.size() / 2, "wide string");
    }

    void writeList(const Value& v)
    {
        for (const Value& item : v.items)
            writeValue(item);
        u8(0);
    }

    void writeSet(const Value& v)
    {
        for (std::string_view name : v.names)
            shortText(name, "set element", false);
        u8(0);
    }

    std::vector<std::uint8_t> out_;
};

}  // namespace

std::vector<std::uint8_t> writeComponentStream(const ObjectRecord& root)
{
    return Writer().writeStream(root);
}

}  // namespace tcm::stream
