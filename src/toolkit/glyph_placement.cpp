#include "glyph_placement.h"

namespace tcm::toolkit {

Bounds glyphPlacement(int buttonWidth, int buttonHeight, int glyphWidth, int glyphHeight, ButtonState state)
{
    const int innerWidth = buttonWidth - 2 * buttonFrameWidth;
    const int innerHeight = buttonHeight - 2 * buttonFrameWidth;
    // Integer division truncates toward zero: -19 / 2 is -9.
    const int x = (innerWidth - glyphWidth + 1) / 2;
    const int y = (innerHeight - glyphHeight + 1) / 2;
    const int shift = state == ButtonState::Down ? 1 : 0;
    return {buttonFrameWidth + x + shift, buttonFrameWidth + y + shift, glyphWidth, glyphHeight};
}

}  // namespace tcm::toolkit
