#include "toolkit/picture_placement.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(PictureDestination, StretchProportionalAndCenter)
{
    const struct {
        int w, h, cw, ch;
        PictureSettings s;
        Bounds dest;
    } cases[] = {
        // The charts: stretched into a control of their own size, one to one.
        {1181, 1752, 1181, 1752, {true, false, false}, {0, 0, 1181, 1752}},
        // The face picture: unscaled in the top-left corner of a larger control.
        {544, 477, 577, 479, {false, false, false}, {0, 0, 544, 477}},
        {544, 477, 577, 479, {false, false, true}, {16, 1, 544, 477}},
        // Stretch without keeping the aspect ratio.
        {100, 50, 30, 40, {true, false, false}, {0, 0, 30, 40}},
        // Proportional: shrinks a picture that does not fit, keeping its shape.
        {100, 50, 30, 40, {false, true, false}, {0, 0, 30, 15}},
        {50, 100, 30, 40, {false, true, true}, {5, 0, 20, 40}},
        // ... but does not enlarge one that fits unless Stretch is on too.
        {10, 5, 30, 40, {false, true, false}, {0, 0, 10, 5}},
        {10, 5, 30, 40, {true, true, false}, {0, 0, 30, 15}},
        // Centring a picture larger than the control moves it up and left.
        {100, 100, 50, 50, {false, false, true}, {-25, -25, 100, 100}},
        // An empty picture with Proportional stretches to nothing odd.
        {0, 0, 30, 40, {true, true, false}, {0, 0, 30, 40}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureDestination(c.w, c.h, c.cw, c.ch, c.s), c.dest)
            << c.w << "x" << c.h << " in " << c.cw << "x" << c.ch;
}

}  // namespace
}  // namespace tcm::toolkit
