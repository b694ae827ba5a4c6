#pragma once

#include "stream/object_record.h"

#include <string>

namespace tcm::tools {

// Writes a record tree as a text form: one property per line, children as
// nested blocks, every value in the form that compiles back to the same tag
// and bytes (so a dump compiles to the stream it came from). Byte blocks are
// written as wrapped hex.
std::string printForm(const stream::ObjectRecord& root);

}  // namespace tcm::tools
