#include "value.h"

#include <limits>
#include <utility>

namespace tcm::stream {

namespace {

Bytes asBytes(std::string_view chars) noexcept
{
    return {reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size()};
}

Value withData(ValueTag tag, Bytes data)
{
    Value v;
    v.tag = tag;
    v.data = data;
    return v;
}

template <typename T>
bool fits(std::int32_t v) noexcept
{
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

}  // namespace

bool Value::isInteger() const noexcept
{
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}

bool Value::isBoolean() const noexcept
{
    return tag == ValueTag::False || tag == ValueTag::True;
}

bool Value::isNarrowText() const noexcept
{
    return tag == ValueTag::String || tag == ValueTag::LString || tag == ValueTag::Ident
        || tag == ValueTag::Utf8String;
}

std::string_view Value::text() const noexcept
{
    if (!isNarrowText())
        return {};
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

std::size_t Value::wideCount() const noexcept
{
    return tag == ValueTag::WString ? data.size() / 2 : 0;
}

// Built from two byte reads so the stream's (possibly odd) alignment never
// matters. An index past the end yields 0 rather than reading out of bounds.
char16_t Value::wideAt(std::size_t index) const noexcept
{
    if (index >= wideCount())
        return 0;
    const auto lo = data[2 * index];
    const auto hi = data[2 * index + 1];
    return static_cast<char16_t>(lo | (hi << 8));
}

Value Value::integerValue(std::int32_t v)
{
    Value out;
    out.integer = v;
    if (fits<std::int8_t>(v))
        out.tag = ValueTag::Int8;
    else if (fits<std::int16_t>(v))
        out.tag = ValueTag::Int16;
    else
        out.tag = ValueTag::Int32;
    return out;
}

Value Value::boolean(bool v)
{
    Value out;
    out.tag = v ? ValueTag::True : ValueTag::False;
    return out;
}

Value Value::ident(std::string_view name)
{
    return withData(ValueTag::Ident, asBytes(name));
}

Value Value::string(std::string_view chars)
{
    return withData(chars.size() <= 255 ? ValueTag::String : ValueTag::LString, asBytes(chars));
}

Value Value::utf8(std::string_view bytes)
{
    return withData(ValueTag::Utf8String, asBytes(bytes));
}

Value Value::wide(Bytes utf16le)
{
    return withData(ValueTag::WString, utf16le);
}

Value Value::binary(Bytes block)
{
    return withData(ValueTag::Binary, block);
}

Value Value::set(std::vector<std::string_view> names)
{
    Value out;
    out.tag = ValueTag::Set;
    out.names = std::move(names);
    return out;
}

Value Value::list(std::vector<Value> items)
{
    Value out;
    out.tag = ValueTag::List;
    out.items = std::move(items);
    return out;
}

}  // namespace tcm::stream
