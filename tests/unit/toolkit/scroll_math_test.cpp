#include "toolkit/scroll_math.h"
#include "toolkit/scroll_range.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

constexpr int bar = 16;

struct View {
    int horizontalRange, verticalRange;
};
constexpr View view1{1382, 1752}, view2{1512, 1288}, view3{1365, 1342};

TEST(ScrollMath, WorkedExampleOfBothClientAreas)
{
    const struct {
        int fullWidth, fullHeight;
        View view;
        ScrollBars bars;
        int maxH, maxV;
        int panelHeight;
    } cases[] = {
        {1024, 720, view1, {true, true}, 374, 1048, 1752},
        {1024, 720, view2, {true, true}, 504, 584, 1288},
        {1024, 720, view3, {true, true}, 357, 638, 1342},
        {1280, 976, view1, {true, true}, 118, 792, 1752},
        {1280, 976, view2, {true, true}, 248, 328, 1288},
        {1280, 976, view3, {true, true}, 101, 382, 1342},
    };
    for (const auto& c : cases) {
        const ScrollBars bars =
            decideScrollBars(c.view.horizontalRange, c.view.verticalRange, c.fullWidth, c.fullHeight, bar);
        EXPECT_EQ(bars, c.bars);
        const int visibleWidth = c.fullWidth - (bars.vertical ? bar : 0);
        const int visibleHeight = c.fullHeight - (bars.horizontal ? bar : 0);
        EXPECT_EQ(maxScrollPosition(c.view.horizontalRange, visibleWidth), c.maxH);
        EXPECT_EQ(maxScrollPosition(c.view.verticalRange, visibleHeight), c.maxV);
        // Panel1 takes the layout rectangle's height.
        EXPECT_EQ(scrollLayoutRect(0, 0, c.view.horizontalRange, c.view.verticalRange, visibleWidth,
                                   visibleHeight)
                      .height,
                  c.panelHeight);
    }
}

TEST(ScrollMath, BarsAppearExactlyWhenNeeded)
{
    const struct {
        int h, v, w, hgt;
        ScrollBars bars;
    } cases[] = {
        {1382, 1752, 1382, 1752, {false, false}},  // the content fits exactly
        {1382, 1752, 1381, 1752, {true, true}},    // one column short: the horizontal bar steals height
        {1382, 1752, 1382, 1753, {false, false}},
        {1382, 1752, 1398, 1751, {false, true}},   // room for the vertical bar beside the content
        {1382, 1752, 1397, 1751, {true, true}},
        {1512, 1288, 1528, 900, {false, true}},    // width less the bar at least 1512: no horizontal bar
        {1512, 1288, 1527, 900, {true, true}},
        {1512, 100, 1000, 116, {true, false}},     // horizontal first, vertical still fits
        {1512, 101, 1000, 116, {true, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decideScrollBars(c.h, c.v, c.w, c.hgt, bar), c.bars) << c.w << "x" << c.hgt;
}

TEST(ScrollMath, SwitchingViewsClampsWithoutResetting)
{
    // 1280 x 976: from view 1 at (100, 350) to view 2, and back.
    const int visibleWidth = 1264, visibleHeight = 960;
    int h = 100, v = 350;
    h = clampScrollPosition(h, view2.horizontalRange, visibleWidth);
    v = clampScrollPosition(v, view2.verticalRange, visibleHeight);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(v, 328);
    h = clampScrollPosition(h, view1.horizontalRange, visibleWidth);
    v = clampScrollPosition(v, view1.verticalRange, visibleHeight);
    EXPECT_EQ(v, 328);  // 350 is not restored
    EXPECT_EQ(clampScrollPosition(-8, view1.verticalRange, visibleHeight), 0);
    EXPECT_EQ(clampScrollPosition(5000, 100, visibleHeight), 0);  // content smaller than the view
}

TEST(ScrollMath, FocusScrollingMovesTheLeast)
{
    // View 3 of the 1024 x 720 example (visible 1008 x 704): Memo2's inner
    // area x 195..1361, y 490..1338; Memo1's x 10..190, y 10..70.
    EXPECT_EQ(scrollToShow(0, 1008, 195, 1362), 195);  // wider than the view: its left edge
    EXPECT_EQ(scrollToShow(0, 704, 490, 1339), 490);
    EXPECT_EQ(scrollToShow(195, 1008, 10, 191), 10);
    EXPECT_EQ(scrollToShow(490, 704, 10, 71), 10);
    EXPECT_EQ(scrollToShow(0, 1008, 10, 191), 0);        // already in view: no movement
    EXPECT_EQ(scrollToShow(0, 100, 150, 180), 80);       // right edge brought to the right edge
    EXPECT_EQ(scrollToShow(300, 100, 150, 180), 150);    // left edge brought to the left edge
}

}  // namespace
}  // namespace tcm::toolkit
