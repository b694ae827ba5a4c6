#include "main_form_fixture.h"

#include "toolkit/colours.h"

#include <QImage>

namespace tcm::test {
namespace {

class PanelBevelTest : public MainFormTest {
protected:
    // Large enough that both panels are wholly in the client area.
    void SetUp() override { open(1400, 1800); }

    QRgb pixel(int x, int y) const { return shot.pixel(x, y); }
    QRgb face() const { return toolkit::clBtnFace.resolve(form->palette()).rgb(); }
    QRgb shadow() const { return toolkit::clBtnShadow.resolve(form->palette()).rgb(); }
    QRgb highlight() const { return toolkit::clBtnHighlight.resolve(form->palette()).rgb(); }

    void take() { shot = form->grab().toImage(); }

    QImage shot;
};

struct Probe {
    int x, y;
    enum { Face, Shadow, Highlight } colour;
};

TEST_F(PanelBevelTest, NavigationPanelIsLoweredThenRaisedAndShowsNoCaption)
{
    ASSERT_NE(shadow(), highlight());
    ASSERT_NE(face(), highlight());
    ASSERT_NE(face(), shadow());
    take();
    const int h = form->Panel1->height();
    const Probe probes[] = {
        // Outer ring, lowered: shadow at top and left, highlight at right and
        // bottom and in the top-right and bottom-left corners.
        {0, 0, Probe::Shadow}, {100, 0, Probe::Shadow}, {0, 700, Probe::Shadow},
        {200, 0, Probe::Highlight}, {0, h - 1, Probe::Highlight},
        {200, 700, Probe::Highlight}, {100, h - 1, Probe::Highlight}, {200, h - 1, Probe::Highlight},
        // Inner ring, raised.
        {1, 1, Probe::Highlight}, {100, 1, Probe::Highlight}, {1, 700, Probe::Highlight},
        {199, 1, Probe::Shadow}, {1, h - 2, Probe::Shadow}, {199, 700, Probe::Shadow},
        {100, h - 2, Probe::Shadow},
        // Then the face.
        {2, 2, Probe::Face}, {198, 700, Probe::Face}, {2, h - 3, Probe::Face},
    };
    for (const Probe& p : probes) {
        const QRgb want = p.colour == Probe::Face ? face() : p.colour == Probe::Shadow ? shadow() : highlight();
        EXPECT_EQ(pixel(p.x, p.y), want) << p.x << "," << p.y;
    }
    // Nothing is written across the middle, where a caption would go.
    for (int x = 2; x <= 198; ++x)
        ASSERT_EQ(pixel(x, h / 2), face()) << x;
}

TEST_F(PanelBevelTest, ArticlePanelIsOneRaisedRingAndCoversThePanelsRightEdge)
{
    form->SpeedButton3Click(nullptr);
    take();
    const Probe probes[] = {
        {192, 4, Probe::Highlight}, {700, 4, Probe::Highlight}, {192, 300, Probe::Highlight},
        {1364, 4, Probe::Shadow}, {192, 1341, Probe::Shadow}, {1364, 1341, Probe::Shadow},
        {1364, 300, Probe::Shadow}, {193, 5, Probe::Face},
        // Panel2 lies above Panel1: Panel1's right bevel shows only below it.
        {200, 100, Probe::Face}, {199, 100, Probe::Face}, {200, 1342, Probe::Highlight},
        {200, 3, Probe::Highlight},
    };
    for (const Probe& p : probes) {
        const QRgb want = p.colour == Probe::Face ? face() : p.colour == Probe::Shadow ? shadow() : highlight();
        EXPECT_EQ(pixel(p.x, p.y), want) << p.x << "," << p.y;
    }
}

}  // namespace
}  // namespace tcm::test
