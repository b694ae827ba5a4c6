#include "toolkit/glyph_placement.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(GlyphPlacement, CentredInsideTheFrameAndShiftedWhilePressed)
{
    const struct {
        int bw, bh, gw, gh;
        ButtonState state;
        Bounds at;
    } cases[] = {
        // The three navigation buttons (143 x 135, inner area 139 x 131).
        {143, 135, 102, 112, ButtonState::Up, {21, 12, 102, 112}},
        {143, 135, 102, 112, ButtonState::Down, {22, 13, 102, 112}},
        {143, 135, 103, 92, ButtonState::Up, {20, 22, 103, 92}},
        {143, 135, 103, 92, ButtonState::Down, {21, 23, 103, 92}},
        // Taller than the inner area: (131 - 151 + 1) / 2 is -9, not -10.
        {143, 135, 117, 151, ButtonState::Up, {13, -7, 117, 151}},
        {143, 135, 117, 151, ButtonState::Down, {14, -6, 117, 151}},
        // An odd difference gives the extra pixel to the left and top ...
        {10, 10, 3, 3, ButtonState::Up, {4, 4, 3, 3}},
        {10, 10, 4, 4, ButtonState::Up, {3, 3, 4, 4}},
        // ... while a larger glyph overhangs more at the right and bottom:
        // the halving truncates toward zero (-3 / 2 is -1), even for an even
        // difference.
        {10, 10, 9, 9, ButtonState::Up, {1, 1, 9, 9}},
        {10, 10, 10, 10, ButtonState::Up, {1, 1, 10, 10}},
        // A glyph exactly the inner area's size fills it.
        {10, 10, 6, 6, ButtonState::Up, {2, 2, 6, 6}},
        // A button too small for its frame.
        {3, 3, 4, 4, ButtonState::Up, {0, 0, 4, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glyphPlacement(c.bw, c.bh, c.gw, c.gh, c.state), c.at)
            << c.gw << "x" << c.gh << " on " << c.bw << "x" << c.bh << (c.state == ButtonState::Down ? " down" : " up");
}

// The face glyph overhangs the 135-pixel button: what lies above row 0 and
// below row 134 is cut off.
TEST(GlyphPlacement, FaceGlyphIsCutOffTopAndBottom)
{
    const struct {
        ButtonState state;
        int cutTop, cutBottom;
    } cases[] = {{ButtonState::Up, 7, 9}, {ButtonState::Down, 6, 10}};
    for (const auto& c : cases) {
        const Bounds at = glyphPlacement(143, 135, 117, 151, c.state);
        EXPECT_EQ(-at.top, c.cutTop);
        EXPECT_EQ(at.bottom() - 135, c.cutBottom);
        EXPECT_GE(at.left, 2);  // horizontally it stays inside the frame
        EXPECT_LE(at.right(), 141);
    }
}

}  // namespace
}  // namespace tcm::toolkit
