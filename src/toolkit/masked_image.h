#pragma once

#include "graphics/glyph_mask.h"

#include <QImage>

namespace tcm::toolkit {

// The pixels as an image with an alpha channel: fully transparent where the
// mask is set, fully opaque elsewhere, so drawing it leaves what lies beneath
// the transparent pixels untouched. Sizes of pixels and mask must agree; an
// empty raster gives a null image.
QImage maskedImage(const graphics::Raster& pixels, const graphics::PixelMask& mask);

}  // namespace tcm::toolkit
