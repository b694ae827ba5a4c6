#pragma once

#include "object_record.h"

#include <cstddef>

namespace tcm::stream {

// Bounds that keep a hostile stream from exhausting the stack or memory.
struct ReadLimits {
    std::size_t maxDepth = 64;          // nesting of object records and of list values
    std::size_t maxObjects = 10'000;    // object records in one stream
    std::size_t maxValues = 1'000'000;  // values (including list items and set names) in one stream
};

// Reads a whole stream: the signature "TPF0" followed by exactly one object
// record. Trailing bytes after the record are an error. Every view in the
// result points into `bytes`, which must outlive it. Throws StreamError.
//
// Properties are kept exactly as stored, duplicates included: if a record
// names the same property twice, both entries appear in stored order, and the
// loader applies them in that order, so the last one wins.
ObjectRecord readComponentStream(Bytes bytes, const ReadLimits& limits = {});

}  // namespace tcm::stream
