#pragma once

#include "form_text/source_pos.h"
#include "stream/value_tag.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tcm::tools {

// A parsed text form. Unlike stream::ObjectRecord it owns its characters and
// bytes, and remembers where each part came from so checks made after
// parsing can still point at the source.
struct FormValue {
    stream::ValueTag tag = stream::ValueTag::False;
    std::int32_t integer = 0;                // Int8, Int16, Int32
    std::string data;                        // text, identifier or byte-block bytes; WString: UTF-16LE
    std::vector<FormValue> items;            // List
    std::vector<std::string> names;          // Set
    std::vector<SourcePos> namePositions;    // Set: where each name was written
    SourcePos pos;
};

struct FormProperty {
    std::string name;
    FormValue value;
    SourcePos pos;
};

struct FormObject {
    std::string className;
    std::string name;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
    SourcePos classPos;
    SourcePos namePos;
};

}  // namespace tcm::tools
