#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tcm::tools {

inline constexpr int kIconSize = 32;

// A 16-colour icon drawn as text: palette indices top row first, -1 where
// the icon is transparent.
using IconPixels = std::array<int, kIconSize * kIconSize>;

// Reads the text drawing: lines starting with '#' are comments; the other 32
// lines hold 32 characters each, '.' for a transparent pixel or a letter of
// kIconLetters for a colour. Throws std::runtime_error naming the line.
IconPixels parseIconDrawing(const std::string& text);

// Letter i stands for colour i of the standard 16-colour palette: black,
// maroon, green, olive, navy, purple, teal, grey, silver, red, lime, yellow,
// blue, fuchsia, aqua, white.
inline constexpr char kIconLetters[] = "KmGonptgsrlybfaw";

// The icon image resource: info header (height 64 for colour image and mask),
// the 16-colour palette, the 4-bit colour rows and the AND mask, both bottom
// row first; 744 bytes. Transparent pixels store index 0.
std::vector<std::uint8_t> encodeIconImage(const IconPixels& pixels);

// The icon group resource with its one entry for image `imageId`:
// 32 x 32, colour-count field `colourCount`, 1 plane, 4 bits, `imageBytes`.
std::vector<std::uint8_t> encodeIconGroup(std::uint16_t imageId, std::uint32_t imageBytes, std::uint8_t colourCount);

}  // namespace tcm::tools
