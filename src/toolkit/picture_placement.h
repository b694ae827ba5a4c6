#pragma once

#include "geometry.h"

namespace tcm::toolkit {

struct PictureSettings {
    bool stretch = false;
    bool proportional = false;
    bool center = false;
};

// Where a picture of w x h is drawn in a picture control of cw x ch, in the
// control's coordinates: stretched to the control, or scaled to fit keeping
// its aspect ratio, or at its own size; at the top-left corner or centred.
Bounds pictureDestination(int w, int h, int cw, int ch, PictureSettings settings);

}  // namespace tcm::toolkit
