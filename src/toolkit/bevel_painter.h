#pragma once

#include "bevel.h"

#include <span>

class QPainter;
class QPalette;

namespace tcm::toolkit {

// Draws bevel rings with the desktop's colours, one pixel wide each, in
// filled rectangles so that clipping never changes a pixel.
void paintRings(QPainter& painter, std::span<const BevelRing> rings, const QPalette& palette);

}  // namespace tcm::toolkit
