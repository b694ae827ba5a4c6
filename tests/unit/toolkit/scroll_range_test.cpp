#include "toolkit/scroll_range.h"

#include <gtest/gtest.h>

#include <vector>

namespace tcm::toolkit {
namespace {

// The window's direct children at scroll position (0, 0).
std::vector<RangeChild> windowChildren(bool image1, bool image2, bool panel2)
{
    return {
        {Align::None, {}, image1, {201, 0, 1181, 1752}},
        {Align::None, {}, image2, {-188, -1206, 1700, 2494}},
        {Align::Left, {}, true, {0, 0, 201, 1752}},
        {Align::None, {}, panel2, {192, 4, 1173, 1338}},
    };
}

TEST(ScrollRange, EachViewHasItsOwnExtent)
{
    const struct {
        bool image1, image2, panel2;
        int horizontal, vertical;
    } views[] = {
        {true, false, false, 1382, 1752},
        {false, true, false, 1512, 1288},
        {false, false, true, 1365, 1342},
        {true, true, false, 1512, 1752},  // between the steps of a switch
    };
    for (const auto& v : views) {
        const auto children = windowChildren(v.image1, v.image2, v.panel2);
        EXPECT_EQ(scrollRange(Axis::Horizontal, children, 0, 0), v.horizontal);
        EXPECT_EQ(scrollRange(Axis::Vertical, children, 0, 0), v.vertical);
    }
}

TEST(ScrollRange, IndependentOfScrollPositionAndCountsAlignedEdges)
{
    // Scrolled by (100, 350): children sit that much up and left on screen.
    std::vector<RangeChild> scrolled{
        {Align::None, {}, true, {101, -350, 1181, 1752}},
        {Align::Left, {}, true, {-100, -350, 201, 2102}},
    };
    EXPECT_EQ(scrollRange(Axis::Horizontal, scrolled, 100, 0), 1382);
    EXPECT_EQ(scrollRange(Axis::Vertical, scrolled, 350, 0), 1752);

    std::vector<RangeChild> mixed{
        {Align::Right, {}, true, {0, 0, 30, 10}},
        {Align::Bottom, {}, true, {0, 0, 10, 40}},
        {Align::None, {true, true, true, false}, true, {0, 0, 500, 20}},  // follows the right edge
        {Align::None, {}, true, {-50, -50, 20, 20}},                       // wholly before the origin
    };
    // Horizontally only the right-aligned width and the margin count.
    EXPECT_EQ(scrollRange(Axis::Horizontal, mixed, 0, 5), 30 + 5);
    EXPECT_EQ(scrollRange(Axis::Vertical, mixed, 0, 0), 20 + 40);
    EXPECT_EQ(scrollRange(Axis::Vertical, {}, 0, -10), 0);
}

}  // namespace
}  // namespace tcm::toolkit
