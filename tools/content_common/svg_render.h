#pragma once

#include <QImage>

#include <string>

namespace tcm::tools {

// Throws std::runtime_error when the SVG source cannot be read or declares
// another size than width x height, so that a source and the picture made
// from it never drift apart.
void checkSvgSize(const std::string& path, int width, int height);

// Renders an SVG source onto white, scaled to width x height pixels. Throws
// std::runtime_error when the file cannot be read.
QImage renderSvg(const std::string& path, int width, int height);

}  // namespace tcm::tools
