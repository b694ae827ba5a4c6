#include "align.h"

#include <algorithm>

namespace tcm::toolkit {

namespace {

void place(Bounds& area, AlignItem& item)
{
    Bounds& b = item.bounds;
    switch (item.align) {
    case Align::Top:
        b = {area.left, area.top, area.width, b.height};
        area.top += b.height;
        area.height = std::max(0, area.height - b.height);
        break;
    case Align::Bottom:
        b = {area.left, area.bottom() - b.height, area.width, b.height};
        area.height = std::max(0, area.height - b.height);
        break;
    case Align::Left:
        b = {area.left, area.top, b.width, area.height};
        area.left += b.width;
        area.width = std::max(0, area.width - b.width);
        break;
    case Align::Right:
        b = {area.right() - b.width, area.top, b.width, area.height};
        area.width = std::max(0, area.width - b.width);
        break;
    case Align::Client:
        b = area;
        break;
    case Align::None:
        break;
    }
}

}  // namespace

void alignWithin(Bounds area, std::span<AlignItem> items)
{
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (AlignItem& item : items) {
            if (item.visible && item.align == pass)
                place(area, item);
        }
    }
}

}  // namespace tcm::toolkit
