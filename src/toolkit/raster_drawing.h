#pragma once

#include "graphics/raster.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace tcm::toolkit {

// The pixel layout pictures are decoded to: the screen's own 32-bit layout,
// so a repaint is a plain copy.
inline constexpr graphics::PixelFormat displayPixelFormat = graphics::PixelFormat::Xrgb32;

// A view of the raster's pixels as a Qt image; no pixels are copied.
QImage imageView(const graphics::Raster& raster);

// Draws the raster into `dest` (scaled when the sizes differ), only where it
// meets `clip`.
void drawRaster(QPainter& painter, const graphics::Raster& raster, const QRect& dest, const QRect& clip);

}  // namespace tcm::toolkit
