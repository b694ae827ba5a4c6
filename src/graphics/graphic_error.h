#pragma once

#include <stdexcept>
#include <string>

namespace tcm::graphics {

// A picture file that cannot be read or decoded. The message is the one the
// user sees ("Bitmap image is not valid", "JPEG error #%d", ...).
class GraphicError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A fatal decoder error of libjpeg, carrying the decoder's message number.
class JpegError : public GraphicError {
public:
    explicit JpegError(int code) : GraphicError("JPEG error #" + std::to_string(code)), code_(code) {}
    int code() const noexcept { return code_; }

private:
    int code_;
};

}  // namespace tcm::graphics
