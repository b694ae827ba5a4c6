#pragma once

#include "object_record.h"

#include <cstdint>
#include <vector>

namespace tcm::stream {

// Writes "TPF0" and the record tree, each value with the tag it carries.
// Throws StreamError (offset = bytes written so far) for a value that its tag
// cannot hold: a name or short string over 255 bytes, an integer out of its
// tag's range, an odd-sized wide string, an empty set name.
std::vector<std::uint8_t> writeComponentStream(const ObjectRecord& root);

}  // namespace tcm::stream
