#include "picture_placement.h"

#include <cstdint>

namespace tcm::toolkit {

namespace {

// The largest size of w x h's aspect ratio that fits cw x ch (truncated).
void fitKeepingAspect(int& w, int& h, int cw, int ch)
{
    const std::int64_t byWidth = static_cast<std::int64_t>(cw) * h;   // compare cw/w with ch/h
    const std::int64_t byHeight = static_cast<std::int64_t>(ch) * w;
    if (byWidth <= byHeight) {
        h = static_cast<int>(static_cast<std::int64_t>(h) * cw / w);
        w = cw;
    } else {
        w = static_cast<int>(static_cast<std::int64_t>(w) * ch / h);
        h = ch;
    }
}

}  // namespace

Bounds pictureDestination(int w, int h, int cw, int ch, PictureSettings settings)
{
    if (settings.stretch || (settings.proportional && (w > cw || h > ch))) {
        if (settings.proportional && w > 0 && h > 0) {
            fitKeepingAspect(w, h, cw, ch);
        } else {
            w = cw;
            h = ch;
        }
    }
    Bounds dest{0, 0, w, h};
    if (settings.center) {
        dest.left = (cw - w) / 2;
        dest.top = (ch - h) / 2;
    }
    return dest;
}

}  // namespace tcm::toolkit
