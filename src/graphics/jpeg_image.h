#pragma once

#include "jpeg_limits.h"
#include "raster.h"

#include "stream/value.h"

#include <cstdint>
#include <vector>

namespace tcm::graphics {

// A JPEG picture: the complete file, the facts its header states, and the
// raster it decodes to, which is made on the first decode() and kept.
//
// Loading reads the header only; asking for the size never decodes. decode()
// runs the decoder at most once in the picture's life: a later call returns
// the same raster, also after a failed decode (then holding the rows decoded
// before the error, or empty if the error came before any row).
class JpegImage {
public:
    // An empty picture: size 0 x 0.
    JpegImage() = default;

    // Copies `file` and, unless it is empty, reads its header up to the first
    // scan, which must be there. Throws JpegError when the header is not a
    // picture this program decodes: malformed, not 8-bit, lossless, a colour
    // space other than greyscale, YCbCr or RGB, or above limits.maxPixels.
    // An empty file loads as a 0 x 0 picture whose decode fails.
    static JpegImage fromFile(stream::Bytes file, PixelFormat format = PixelFormat::Xrgb32,
                              const JpegLimits& limits = {});

    // From the header until a raster exists, from the raster afterwards.
    int width() const { return raster_.empty() ? width_ : raster_.width(); }
    int height() const { return raster_.empty() ? height_ : raster_.height(); }
    bool isGrayscale() const { return grayscale_; }  // one component
    bool isProgressive() const { return progressive_; }  // more than one scan
    PixelFormat format() const { return format_; }
    stream::Bytes fileBytes() const { return file_; }

    // Whether decode() has run (whatever its outcome).
    bool isDecoded() const { return decoded_; }

    // Decodes the file at full size into colour rows of format(), the first
    // time only, and returns the raster. Throws JpegError (libjpeg's message
    // number) when the decoder stops with a fatal error; warnings about
    // damaged data are not errors. Only the call that decodes throws.
    const Raster& decode();

private:
    std::vector<std::uint8_t> file_;
    PixelFormat format_ = PixelFormat::Xrgb32;
    JpegLimits limits_;
    int width_ = 0;
    int height_ = 0;
    bool grayscale_ = false;
    bool progressive_ = false;
    bool decoded_ = false;
    Raster raster_;
};

}  // namespace tcm::graphics
