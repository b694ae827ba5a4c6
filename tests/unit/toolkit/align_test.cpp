#include "toolkit/align.h"

#include <gtest/gtest.h>

#include <vector>

namespace tcm::toolkit {
namespace {

TEST(AlignWithin, BottomItemOfPanel2KeepsItsStoredPlace)
{
    std::vector<AlignItem> items{
        {Align::None, true, {60, 2, 577, 479}},
        {Align::Bottom, true, {1, 484, 1171, 853}},
    };
    alignWithin({1, 1, 1171, 1336}, items);
    EXPECT_EQ(items[0].bounds, (Bounds{60, 2, 577, 479}));
    EXPECT_EQ(items[1].bounds, (Bounds{1, 484, 1171, 853}));
}

TEST(AlignWithin, EdgesTakenInOrderAndClientGetsTheRest)
{
    std::vector<AlignItem> items{
        {Align::Client, true, {0, 0, 1, 1}},
        {Align::Left, true, {50, 50, 20, 5}},
        {Align::Top, true, {9, 9, 9, 10}},
        {Align::Right, true, {0, 0, 15, 0}},
        {Align::Bottom, true, {0, 0, 0, 7}},
        {Align::Left, false, {3, 3, 3, 3}},  // hidden: not placed, takes no room
    };
    alignWithin({0, 0, 100, 60}, items);
    EXPECT_EQ(items[2].bounds, (Bounds{0, 0, 100, 10}));
    EXPECT_EQ(items[4].bounds, (Bounds{0, 53, 100, 7}));
    EXPECT_EQ(items[1].bounds, (Bounds{0, 10, 20, 43}));
    EXPECT_EQ(items[3].bounds, (Bounds{85, 10, 15, 43}));
    EXPECT_EQ(items[0].bounds, (Bounds{20, 10, 65, 43}));
    EXPECT_EQ(items[5].bounds, (Bounds{3, 3, 3, 3}));
}

}  // namespace
}  // namespace tcm::toolkit
