#include "value_tag.h"

namespace tcm::stream {

bool isKnownTag(std::uint8_t byte) noexcept
{
    // 0x00 is a terminator, never the tag of a value.
    switch (static_cast<ValueTag>(byte)) {
    case ValueTag::List:
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::String:
    case ValueTag::Ident:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Binary:
    case ValueTag::Set:
    case ValueTag::LString:
    case ValueTag::WString:
    case ValueTag::Utf8String:
        return true;
    case ValueTag::Null:
        break;
    }
    return false;
}

const char* tagName(ValueTag tag) noexcept
{
    switch (tag) {
    case ValueTag::Null: return "end marker";
    case ValueTag::List: return "list";
    case ValueTag::Int8: return "int8";
    case ValueTag::Int16: return "int16";
    case ValueTag::Int32: return "int32";
    case ValueTag::String: return "string";
    case ValueTag::Ident: return "identifier";
    case ValueTag::False: return "false";
    case ValueTag::True: return "true";
    case ValueTag::Binary: return "byte block";
    case ValueTag::Set: return "set";
    case ValueTag::LString: return "long string";
    case ValueTag::WString: return "wide string";
    case ValueTag::Utf8String: return "UTF-8 string";
    }
    return "unknown";
}

}  // namespace tcm::stream
