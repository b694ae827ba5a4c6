#pragma once

#include "value.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tcm::stream {

struct Property {
    std::string_view name;  // may be dotted: "Font.Height", "Picture.Data"
    Value value;
    std::size_t offset = 0;  // offset of the name's length byte in the stream (0 when built in memory)
};

// One object record: class, name, stored properties in stored order, then children.
struct ObjectRecord {
    std::string_view className;
    std::string_view name;
    std::vector<Property> properties;
    std::vector<ObjectRecord> children;
    std::size_t offset = 0;  // offset of the class name's length byte
};

}  // namespace tcm::stream
