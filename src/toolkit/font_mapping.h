#pragma once

#include "colours.h"

#include <QFont>

#include <string>

namespace tcm::toolkit {

// A stored font. A negative height is the character height without internal
// leading, a positive one the full cell height, both in pixels.
struct TFont {
    std::string name = "MS Sans Serif";
    int height = -11;
    std::string charset = "DEFAULT_CHARSET";
    TColor color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The installed family that stands in for a stored face name.
QString mappedFamily(const std::string& storedName);

// The Qt font that draws `font` on this desktop.
QFont toQFont(const TFont& font);

}  // namespace tcm::toolkit
