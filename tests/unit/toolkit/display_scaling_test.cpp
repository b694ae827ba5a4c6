#include "toolkit/display_scaling.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(7, 16, 13), 9);     // 8.61
    EXPECT_EQ(mulDiv(-188, 16, 13), -231);  // -231.38
    EXPECT_EQ(mulDiv(-11, 120, 96), -14);   // -13.75
    EXPECT_EQ(mulDiv(1'500'000'000, 2, 3), 1'000'000'000);  // product beyond 32 bits
    EXPECT_EQ(mulDiv(100'000, 100'000, 100'000), 100'000);  // no 32-bit overflow in between
}

TEST(ScaleBounds, EdgesScaleSoNeighboursStayFlush)
{
    const struct {
        Bounds stored;
        int measured;
        ScaleKeep keep;
        Bounds scaled;
    } cases[] = {
        // Unchanged at the stored text height.
        {{32, 76, 143, 135}, 13, ScaleKeep::Nothing, {32, 76, 143, 135}},
        // 16/13: left 39.38 -> 39, right 215.38 -> 215; top 93.54 -> 94, bottom 259.69 -> 260.
        {{32, 76, 143, 135}, 16, ScaleKeep::Nothing, {39, 94, 176, 166}},
        // Panel1 and Image1 stay flush: Panel1's right edge is Image1's left.
        {{0, 0, 201, 1752}, 16, ScaleKeep::Nothing, {0, 0, 247, 2156}},
        {{201, 0, 1181, 1752}, 16, ScaleKeep::Nothing, {247, 0, 1454, 2156}},
        // Text boxes keep their stored height.
        {{8, 8, 185, 65}, 16, ScaleKeep::Height, {10, 10, 228, 65}},
        {{-188, -1206, 1700, 2494}, 16, ScaleKeep::Nothing, {-231, -1484, 2092, 3069}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleBounds(c.stored, c.measured, 13, c.keep), c.scaled)
            << c.stored.left << "," << c.stored.top << " x" << c.measured;
}

TEST(ScaleFontHeight, FollowsPixelsPerInch)
{
    EXPECT_EQ(scaleFontHeight(-11, 96, 96), -11);
    EXPECT_EQ(scaleFontHeight(-11, 120, 96), -14);
    EXPECT_EQ(scaleFontHeight(-11, 144, 96), -17);  // -16.5 rounds away from zero
    EXPECT_EQ(scaleFontHeight(-11, 72, 96), -8);    // -8.25
}

}  // namespace
}  // namespace tcm::toolkit
