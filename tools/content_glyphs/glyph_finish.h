#pragma once

#include <QImage>

namespace tcm::tools {

// The steps that turn a rendered glyph into the shipped one. Each glyph's
// bottom-left pixel is its transparent colour on the button, so these set
// exactly the pixels that must show the button face, and move any other
// pixel the renderer happened to give that colour to a neighbouring one.

// The hand: transparent grey 9B9B9B at the left 38 pixels of the bottom row
// and at two pixels on top of the middle finger (third row); the white
// background and the rest of the grey bottom line stay opaque.
void finishHand(QImage& image);

// The eye: a 274-pixel patch of FFFEFF in the bright bottom-left corner;
// pure white elsewhere stays as drawn, and opaque.
void finishEye(QImage& image);

// The face: the render becomes a scanned sheet whose paper varies around
// F7F7F7 without taking that colour, except in the top 5 rows, the bottom
// 3 rows, the left 2 columns and 506 single pixels scattered over the paper.
void finishFace(QImage& image);

// How many pixels have exactly colour `rgb` (0xRRGGBB).
int countColour(const QImage& image, QRgb rgb);

}  // namespace tcm::tools
