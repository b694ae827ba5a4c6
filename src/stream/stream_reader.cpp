#include "stream_reader.h"

#include "stream_error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tcm::stream {

namespace {

constexpr std::uint8_t kSignature[] = {'T', 'P', 'F', '0'};

std::string byteCount(std::uint64_t n)
{
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

std::string hexByte(std::uint8_t b)
{
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[b >> 4] + digits[b & 0xF];
}

// Walks the input once. Every read checks the bytes left before touching
// them, and every length is checked against what is left before it is used,
// so no input can make the reader read out of bounds or allocate blindly.
// Recursion is bounded by limits.maxDepth; the object and value counters
// stop inputs that are shallow but huge.
class Reader {
public:
    Reader(Bytes bytes, const ReadLimits& limits) : in_(bytes), limits_(limits) {}

    ObjectRecord readStream()
    {
        readSignature();
        if (left() == 0)
            fail(pos_, "the stream ends before the root object");
        if (peek() == 0)
            fail(pos_, "the root object has an empty class name");
        ObjectRecord root;
        readRecord(root, 1);
        if (left() != 0)
            fail(pos_, byteCount(left()) + " of unexpected data after the root object");
        return root;
    }

private:
    [[noreturn]] static void fail(std::size_t at, const std::string& message)
    {
        throw StreamError(at, message);
    }

    std::size_t left() const noexcept { return in_.size() - pos_; }
    std::uint8_t peek() const noexcept { return in_[pos_]; }  // only after left() > 0

    std::uint8_t byte(std::string_view what)
    {
        if (left() == 0)
            fail(pos_, "unexpected end of stream in " + std::string(what));
        return in_[pos_++];
    }

    // The next n bytes, or an error naming what they were meant to hold.
    Bytes take(std::uint64_t n, std::string_view what)
    {
        if (n > left())
            fail(pos_, std::string(what) + " of " + byteCount(n) + " runs past the end ("
                           + byteCount(left()) + " left)");
        const Bytes out = in_.subspan(pos_, static_cast<std::size_t>(n));
        pos_ += out.size();
        return out;
    }

    std::uint32_t le(std::size_t width, std::string_view what)
    {
        const Bytes b = take(width, what);
        std::uint32_t v = 0;
        for (std::size_t i = width; i-- > 0;)
            v = (v << 8) | b[i];
        return v;
    }

    std::string_view shortText(std::string_view what)
    {
        const std::uint8_t length = byte(what);
        const Bytes b = take(length, what);
        return {reinterpret_cast<const char*>(b.data()), b.size()};
    }

    // A 4-byte length (or, for wide strings, code-unit count) and its data.
    // The byte size is computed in 64 bits so a huge count cannot wrap.
    Bytes longData(std::string_view what, std::uint64_t unitSize)
    {
        const std::uint64_t count = le(4, std::string(what) + " length");
        return take(count * unitSize, what);
    }

    void enter(std::size_t depth, std::size_t at) const
    {
        if (depth > limits_.maxDepth)
            fail(at, "nesting deeper than " + std::to_string(limits_.maxDepth));
    }

    void countObject(std::size_t at)
    {
        if (++objects_ > limits_.maxObjects)
            fail(at, "more than " + std::to_string(limits_.maxObjects) + " objects");
    }

    void countValue(std::size_t at)
    {
        if (++values_ > limits_.maxValues)
            fail(at, "more than " + std::to_string(limits_.maxValues) + " values");
    }

    // A terminated sequence ends at a zero byte; running out of input first
    // means the terminator is missing.
    bool atEnd(std::string_view sequence)
    {
        if (left() == 0)
            fail(pos_, std::string(sequence) + " not terminated");
        if (peek() != 0)
            return false;
        ++pos_;
        return true;
    }

    void readSignature()
    {
        if (in_.size() < sizeof kSignature)
            fail(0, "bad signature (the stream is shorter than 4 bytes)");
        for (std::size_t i = 0; i < sizeof kSignature; ++i)
            if (in_[i] != kSignature[i])
                fail(0, "bad signature (expected \"TPF0\")");
        pos_ = sizeof kSignature;
    }

    // The caller has checked that the class-name length byte is non-zero.
    void readRecord(ObjectRecord& out, std::size_t depth)
    {
        out.offset = pos_;
        enter(depth, pos_);
        countObject(pos_);
        out.className = shortText("class name");
        out.name = shortText("object name");
        while (!atEnd("property list")) {
            Property& p = out.properties.emplace_back();
            p.offset = pos_;
            p.name = shortText("property name");
            readValue(p.value, depth);
        }
        while (!atEnd("child list"))
            readRecord(out.children.emplace_back(), depth + 1);
    }

    // `depth` is that of the enclosing record or list; a list value nests one deeper.
    void readValue(Value& v, std::size_t depth)
    {
        const std::size_t at = pos_;
        countValue(at);
        const std::uint8_t tag = byte("value");
        if (!isKnownTag(tag))
            fail(at, "unknown value tag " + hexByte(tag));
        v.tag = static_cast<ValueTag>(tag);
        readPayload(v, depth, at);
    }

    void readPayload(Value& v, std::size_t depth, std::size_t at)
    {
        switch (v.tag) {
        case ValueTag::List: return readList(v, depth + 1, at);
        case ValueTag::Int8: v.integer = static_cast<std::int8_t>(le(1, "int8")); return;
        case ValueTag::Int16: v.integer = static_cast<std::int16_t>(le(2, "int16")); return;
        case ValueTag::Int32: v.integer = static_cast<std::int32_t>(le(4, "int32")); return;
        case ValueTag::String: v.data = take(byte("string"), "string"); return;
        case ValueTag::Ident: v.data = take(byte("identifier"), "identifier"); return;
        case ValueTag::Binary: v.data = longData("byte block", 1); return;
        case ValueTag::LString: v.data = longData("long string", 1); return;
        case ValueTag::WString: v.data = longData("wide string", 2); return;
        case ValueTag::Utf8String: v.data = longData("UTF-8 string", 1); return;
        case ValueTag::Set: return readSet(v);
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Null: return;
        }
    }

    void readList(Value& v, std::size_t depth, std::size_t at)
    {
        enter(depth, at);
        while (!atEnd("list"))
            readValue(v.items.emplace_back(), depth);
    }

    void readSet(Value& v)
    {
        while (!atEnd("set")) {
            countValue(pos_);
            v.names.push_back(shortText("set element"));
        }
    }

    Bytes in_;
    const ReadLimits& limits_;
    std::size_t pos_ = 0;
    std::size_t objects_ = 0;
    std::size_t values_ = 0;
};

}  // namespace

ObjectRecord readComponentStream(Bytes bytes, const ReadLimits& limits)
{
    return Reader(bytes, limits).readStream();
}

}  // namespace tcm::stream
