#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace tcm::graphics {

// How a raster's pixels are laid out in memory. Both hold 8-bit red, green
// and blue; Xrgb32 pads each pixel to 32 bits (bytes B, G, R, 0xFF), which the
// screen takes without conversion.
enum class PixelFormat { Rgb24, Xrgb32 };

// The most pixels a picture may have; a header asking for more is refused
// before anything is allocated.
inline constexpr std::uint64_t maxRasterPixels = std::uint64_t{1} << 25;

// A decoded picture: rows top to bottom, each `stride` bytes. The pixels start
// out zero (black), so rows a failed decode never reached are defined.
class Raster {
public:
    Raster() = default;
    // Throws GraphicError when the size is not positive or exceeds maxRasterPixels.
    Raster(int width, int height, PixelFormat format);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    std::size_t stride() const { return stride_; }
    std::size_t bytesPerPixel() const { return format_ == PixelFormat::Xrgb32 ? 4 : 3; }
    bool empty() const { return !bytes_; }

    std::uint8_t* row(int y) { return bytes_.get() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const { return bytes_.get() + static_cast<std::size_t>(y) * stride_; }
    std::size_t sizeInBytes() const { return stride_ * static_cast<std::size_t>(height_); }

    // The colour at (x, y) as 0xRRGGBB, for tests and masks.
    std::uint32_t rgbAt(int x, int y) const;
    // Stores 0xRRGGBB at (x, y) in the raster's layout.
    void setRgb(int x, int y, std::uint32_t rgb);
    // Makes rows firstRow to the last opaque black (a zeroed Xrgb32 pixel
    // lacks its opaque padding byte).
    void fillBlack(int firstRow);

private:
    struct FreeDeleter {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };

    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Xrgb32;
    std::size_t stride_ = 0;
    std::unique_ptr<std::uint8_t, FreeDeleter> bytes_;  // calloc'd: zero pages cost nothing until touched
};

}  // namespace tcm::graphics
