#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tcm::stream {

// A malformed component stream. The message names the byte offset where
// reading stopped, so a damaged description can be located.
class StreamError : public std::runtime_error {
public:
    StreamError(std::size_t offset, const std::string& what);
    std::size_t offset() const noexcept { return offset_; }

private:
    std::size_t offset_;
};

}  // namespace tcm::stream
