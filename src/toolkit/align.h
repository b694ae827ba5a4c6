#pragma once

#include "geometry.h"

#include <span>

namespace tcm::toolkit {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignItem {
    Align align = Align::None;
    bool visible = true;
    Bounds bounds;
};

// Places the visible aligned items inside `area`, in the usual order: top
// edges first, then bottom, left, right, and the client item in what is left.
// Each aligned item keeps the extent across its edge (a top item keeps its
// height) and takes the area's full extent along it. Unaligned and hidden
// items are left where they are.
void alignWithin(Bounds area, std::span<AlignItem> items);

}  // namespace tcm::toolkit
