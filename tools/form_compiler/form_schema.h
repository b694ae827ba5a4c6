#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tcm::tools {

// What a property accepts.
enum class ValueKind {
    Integer,        // any integer width
    Boolean,        // true / false
    Text,           // 8-bit, long, UTF-8 or wide string
    Enum,           // an identifier from the property's table
    EnumOrInteger,  // an identifier from the table or a raw integer (colours, charsets)
    Set,            // a set whose members come from the table
    Bytes,          // a byte block (pictures, glyphs, icons)
    TextList,       // a list of strings (memo lines)
    Event,          // an identifier naming a handler method of the form
};

struct PropertySchema {
    std::string_view name;
    ValueKind kind;
    std::span<const std::string_view> names = {};  // Enum, EnumOrInteger, Set
};

// A class the window description may use and the properties it may store.
struct ClassSchema {
    std::string_view name;
    std::vector<std::span<const PropertySchema>> groups;  // shared groups first, then its own

    const PropertySchema* find(std::string_view property) const noexcept;
};

const ClassSchema* findClass(std::string_view className) noexcept;

// Names of every known class, for error messages.
std::vector<std::string_view> knownClassNames();

// "an integer", "true or false", ... for error messages.
std::string_view describe(ValueKind kind) noexcept;

}  // namespace tcm::tools
