#pragma once

#include "geometry.h"

namespace tcm::toolkit {

// a * b / c rounded to the nearest integer, halves away from zero, computed
// in 64 bits so large coordinates cannot overflow. c must not be 0.
int mulDiv(int a, int b, int c);

// What a control keeps when the layout is scaled.
enum class ScaleKeep { Nothing, Height };

// Scales stored bounds by measured/stored: left and top are scaled, the right
// and bottom edges are scaled and width and height follow from them, so
// neighbouring controls stay flush. ScaleKeep::Height keeps the stored height.
Bounds scaleBounds(Bounds stored, int measured, int storedTextHeight, ScaleKeep keep = ScaleKeep::Nothing);

// The window font's height for a display of `pixelsPerInch` when it was
// stored for `storedPixelsPerInch`.
int scaleFontHeight(int height, int pixelsPerInch, int storedPixelsPerInch);

}  // namespace tcm::toolkit
