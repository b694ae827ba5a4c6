#pragma once

#include "rgb_image.h"

#include <string>

namespace tcm::tools {

// Renders an SVG file at width x height pixels onto white. Throws
// std::runtime_error when the file cannot be read.
RgbImage renderSvg(const std::string& path, int width, int height);

// The size the SVG file declares (its width and height attributes).
struct SvgSize {
    int width = 0;
    int height = 0;
};
SvgSize svgDeclaredSize(const std::string& path);

}  // namespace tcm::tools
