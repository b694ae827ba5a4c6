#pragma once

#include "geometry.h"

namespace tcm::toolkit {

// How a push button is drawn: raised, or sunken while the user holds it down.
enum class ButtonState { Up, Down };

// The width of the push-button frame on each side.
inline constexpr int buttonFrameWidth = 2;

// Where a glyph of glyphWidth x glyphHeight lies on a captionless button of
// buttonWidth x buttonHeight, in the button's coordinates. The glyph is
// centred in the area inside the frame, any odd pixel going to the left or
// top; a glyph larger than that area overhangs it on both sides, one pixel
// more at the right or bottom (the halving truncates toward zero). A pressed
// button shows it one pixel further right and down. The result may reach
// past the button's edges; the caller clips.
Bounds glyphPlacement(int buttonWidth, int buttonHeight, int glyphWidth, int glyphHeight, ButtonState state);

}  // namespace tcm::toolkit
