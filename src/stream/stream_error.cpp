#include "stream_error.h"

namespace tcm::stream {

// Every error carries the same prefix so the user sees one wording style,
// whichever part of the stream went wrong.
StreamError::StreamError(std::size_t offset, const std::string& what)
    : std::runtime_error("Invalid stream format at offset " + std::to_string(offset) + ": " + what),
      offset_(offset)
{
}

}  // namespace tcm::stream
