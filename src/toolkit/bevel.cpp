#include "bevel.h"

namespace tcm::toolkit {

namespace {

Bounds inset(Bounds b, int by)
{
    return {b.left + by, b.top + by, b.width - 2 * by, b.height - 2 * by};
}

// Appends `bevelWidth` rings of one bevel and returns the area inside them.
Bounds addBevel(std::vector<BevelRing>& rings, Bounds area, BevelCut cut, int bevelWidth)
{
    if (cut == BevelCut::None)
        return area;
    ColourRole topLeft = ColourRole::BtnFace;
    ColourRole bottomRight = ColourRole::BtnFace;
    if (cut == BevelCut::Raised) {
        topLeft = ColourRole::BtnHighlight;
        bottomRight = ColourRole::BtnShadow;
    } else if (cut == BevelCut::Lowered) {
        topLeft = ColourRole::BtnShadow;
        bottomRight = ColourRole::BtnHighlight;
    }
    for (int i = 0; i < bevelWidth && area.width > 0 && area.height > 0; ++i) {
        rings.push_back({area, topLeft, bottomRight});
        area = inset(area, 1);
    }
    return area;
}

int drawnBevels(BevelCut outer, BevelCut inner)
{
    return (outer != BevelCut::None ? 1 : 0) + (inner != BevelCut::None ? 1 : 0);
}

}  // namespace

PanelFrame panelFrame(int width, int height, BevelCut outer, BevelCut inner, int bevelWidth,
                      int borderWidth)
{
    PanelFrame frame;
    Bounds area{0, 0, width, height};
    area = addBevel(frame.rings, area, outer, bevelWidth);
    area = inset(area, borderWidth);
    area = addBevel(frame.rings, area, inner, bevelWidth);
    frame.face = area;
    return frame;
}

std::vector<BevelRing> pushButtonRings(int width, int height, bool sunken)
{
    using R = ColourRole;
    std::vector<BevelRing> rings;
    const Bounds outer{0, 0, width, height};
    if (width <= 0 || height <= 0)
        return rings;
    rings.push_back(sunken ? BevelRing{outer, R::DarkShadow, R::BtnHighlight}
                           : BevelRing{outer, R::BtnHighlight, R::DarkShadow});
    if (width > 2 && height > 2) {
        const Bounds inner = inset(outer, 1);
        rings.push_back(sunken ? BevelRing{inner, R::BtnShadow, R::BtnFace} : BevelRing{inner, R::BtnFace, R::BtnShadow});
    }
    return rings;
}

Bounds panelAlignArea(int width, int height, BevelCut outer, BevelCut inner, int bevelWidth,
                      int borderWidth)
{
    return inset({0, 0, width, height}, borderWidth + bevelWidth * drawnBevels(outer, inner));
}

}  // namespace tcm::toolkit
