#pragma once

#include "byte_buffer.h"

#include <cstddef>
#include <cstdint>

namespace tcm::tools {

// The APP2 payload of the eye chart: "ICC_PROFILE\0", chunk 1 of 1, then the
// first `keptBytes` bytes of a CMYK printer profile whose header declares
// `declaredSize` bytes. The profile is cut short on purpose: the picture
// carries it but nothing reads it, so readers must cope with a profile that
// is incomplete. Its content is made up here, deterministically.
Bytes buildIccChunk(std::uint32_t declaredSize, std::size_t keptBytes);

}  // namespace tcm::tools
