#include "toolkit/bevel.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

using R = ColourRole;

TEST(PanelFrame, LoweredOuterThenRaisedInnerRing)
{
    const PanelFrame f = panelFrame(201, 1752, BevelCut::Lowered, BevelCut::Raised, 1, 0);
    ASSERT_EQ(f.rings.size(), 2u);
    EXPECT_EQ(f.rings[0].outline, (Bounds{0, 0, 201, 1752}));
    EXPECT_EQ(f.rings[0].topLeft, R::BtnShadow);
    EXPECT_EQ(f.rings[0].bottomRight, R::BtnHighlight);
    EXPECT_EQ(f.rings[1].outline, (Bounds{1, 1, 199, 1750}));
    EXPECT_EQ(f.rings[1].topLeft, R::BtnHighlight);
    EXPECT_EQ(f.rings[1].bottomRight, R::BtnShadow);
    EXPECT_EQ(f.face, (Bounds{2, 2, 197, 1748}));
}

TEST(PanelFrame, DefaultBevelIsOneRaisedRing)
{
    const PanelFrame f = panelFrame(1173, 1338, BevelCut::Raised, BevelCut::None, 1, 0);
    ASSERT_EQ(f.rings.size(), 1u);
    EXPECT_EQ(f.rings[0].topLeft, R::BtnHighlight);
    EXPECT_EQ(f.face, (Bounds{1, 1, 1171, 1336}));
}

TEST(PanelFrame, WideBevelsAndBorderNest)
{
    const PanelFrame f = panelFrame(40, 30, BevelCut::Raised, BevelCut::Lowered, 2, 3);
    ASSERT_EQ(f.rings.size(), 4u);
    EXPECT_EQ(f.rings[1].outline, (Bounds{1, 1, 38, 28}));
    EXPECT_EQ(f.rings[2].outline, (Bounds{5, 5, 30, 20}));  // inside the 3-pixel border
    EXPECT_EQ(f.rings[2].topLeft, R::BtnShadow);
    EXPECT_EQ(f.face, (Bounds{7, 7, 26, 16}));
    // A panel too small for its rings draws what fits and no more.
    EXPECT_EQ(panelFrame(1, 1, BevelCut::Raised, BevelCut::Raised, 1, 0).rings.size(), 1u);
}

TEST(PanelAlignArea, InsetByBorderAndEachDrawnBevel)
{
    EXPECT_EQ(panelAlignArea(201, 1752, BevelCut::Lowered, BevelCut::Raised, 1, 0), (Bounds{2, 2, 197, 1748}));
    EXPECT_EQ(panelAlignArea(1173, 1338, BevelCut::Raised, BevelCut::None, 1, 0), (Bounds{1, 1, 1171, 1336}));
    EXPECT_EQ(panelAlignArea(100, 50, BevelCut::None, BevelCut::None, 1, 2), (Bounds{2, 2, 96, 46}));
}

}  // namespace
}  // namespace tcm::toolkit

namespace tcm::toolkit {
namespace {

TEST(PushButtonRings, RaisedWhenUpSunkenWhenPressed)
{
    const auto up = pushButtonRings(143, 135, false);
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(up[0].outline, (Bounds{0, 0, 143, 135}));
    EXPECT_EQ(up[0].topLeft, ColourRole::BtnHighlight);
    EXPECT_EQ(up[0].bottomRight, ColourRole::DarkShadow);
    EXPECT_EQ(up[1].outline, (Bounds{1, 1, 141, 133}));
    EXPECT_EQ(up[1].topLeft, ColourRole::BtnFace);
    EXPECT_EQ(up[1].bottomRight, ColourRole::BtnShadow);
    const auto down = pushButtonRings(143, 135, true);
    EXPECT_EQ(down[0].topLeft, ColourRole::DarkShadow);
    EXPECT_EQ(down[0].bottomRight, ColourRole::BtnHighlight);
    EXPECT_EQ(down[1].topLeft, ColourRole::BtnShadow);
    EXPECT_EQ(down[1].bottomRight, ColourRole::BtnFace);
    EXPECT_TRUE(pushButtonRings(0, 5, false).empty());
    EXPECT_EQ(pushButtonRings(2, 2, false).size(), 1u);
}

}  // namespace
}  // namespace tcm::toolkit
