#include "bevel_painter.h"

#include "colours.h"

#include <QPainter>
#include <QPalette>

namespace tcm::toolkit {

namespace {

QColor colourOf(ColourRole role, const QPalette& palette)
{
    switch (role) {
    case ColourRole::BtnShadow:
        return clBtnShadow.resolve(palette);
    case ColourRole::BtnHighlight:
        return clBtnHighlight.resolve(palette);
    case ColourRole::DarkShadow:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case ColourRole::BtnFace:
        break;
    }
    return clBtnFace.resolve(palette);
}

}  // namespace

void paintRings(QPainter& painter, std::span<const BevelRing> rings, const QPalette& palette)
{
    for (const BevelRing& ring : rings) {
        const Bounds& r = ring.outline;
        const QColor topLeft = colourOf(ring.topLeft, palette);
        const QColor bottomRight = colourOf(ring.bottomRight, palette);
        // Top and left edges, stopping short of the top-right and bottom-left corners.
        painter.fillRect(r.left, r.top, r.width - 1, 1, topLeft);
        painter.fillRect(r.left, r.top, 1, r.height - 1, topLeft);
        // Right and bottom edges, corners included.
        painter.fillRect(r.right() - 1, r.top, 1, r.height, bottomRight);
        painter.fillRect(r.left, r.bottom() - 1, r.width, 1, bottomRight);
    }
}

}  // namespace tcm::toolkit
