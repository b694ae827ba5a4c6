#pragma once

#include "geometry.h"

#include <vector>

namespace tcm::toolkit {

enum class BevelCut { None, Lowered, Raised, Space };

// The desktop colours a classic frame is drawn with.
enum class ColourRole { BtnFace, BtnShadow, BtnHighlight, DarkShadow };

// One ring of a bevel, one pixel wide: its top and left edges take `topLeft`,
// its right and bottom edges `bottomRight`, and so do its top-right and
// bottom-left corner pixels.
struct BevelRing {
    Bounds outline;
    ColourRole topLeft;
    ColourRole bottomRight;
};

// How a panel of the given size is drawn from its edge inwards: the outer
// bevel's rings, a border of `borderWidth` pixels in the face colour, the
// inner bevel's rings, then `face`, filled with the face colour.
struct PanelFrame {
    std::vector<BevelRing> rings;
    Bounds face;
};

PanelFrame panelFrame(int width, int height, BevelCut outer, BevelCut inner, int bevelWidth,
                      int borderWidth);

// The classic push button's frame: two rings, raised when up (highlight and
// dark shadow outside, face and shadow inside), sunken while pressed (the
// same colours the other way round).
std::vector<BevelRing> pushButtonRings(int width, int height, bool sunken);

// The area a panel's aligned children are placed in: its client rectangle
// less the border and the width of each bevel that is drawn.
Bounds panelAlignArea(int width, int height, BevelCut outer, BevelCut inner, int bevelWidth,
                      int borderWidth);

}  // namespace tcm::toolkit
