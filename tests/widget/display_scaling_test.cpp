#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace tcm::test {

class TScaledForm : public toolkit::TForm {
    Q_OBJECT
    Q_PROPERTY(tcm::toolkit::TPanel* Panel1 MEMBER Panel1)
    Q_PROPERTY(tcm::toolkit::TMemo* Memo1 MEMBER Memo1)
    Q_PROPERTY(tcm::toolkit::TImage* Image1 MEMBER Image1)

public:
    toolkit::TPanel* Panel1 = nullptr;
    toolkit::TMemo* Memo1 = nullptr;
    toolkit::TImage* Image1 = nullptr;
};

class TDenseForm : public toolkit::TForm {
    Q_OBJECT
    Q_PROPERTY(tcm::toolkit::TPanel* Panel1 MEMBER Panel1)

public:
    toolkit::TPanel* Panel1 = nullptr;
};

namespace {

using toolkit::Bounds;

Bounds boundsOf(const QWidget* w)
{
    return {w->x(), w->y(), w->width(), w->height()};
}

TEST(DisplayScaling, LayoutGrowsByMeasuredOverStoredTextHeight)
{
    ASSERT_EQ(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()), 96);
    TScaledForm form;
    form.loadDescription();
    ASSERT_EQ(QFontMetrics(form.font()).height(), 13);
    EXPECT_EQ(form.font().pixelSize(), 11);  // same density: the font is not touched
    EXPECT_EQ(boundsOf(form.Panel1), (Bounds{13, 26, 130, 65}));
    // Inside the scaled panel; the text box keeps its stored height.
    EXPECT_EQ(boundsOf(form.Memo1), (Bounds{7, 7, 52, 30}));
    // 111 * 1.3 = 144.3 and (111 + 77) * 1.3 = 244.4: the edges, not the widths, are scaled.
    EXPECT_EQ(boundsOf(form.Image1), (Bounds{144, 0, 100, 43}));
    // The window's own stored bounds are not scaled.
    EXPECT_EQ(form.restoredBounds(), (Bounds{50, 60, 300, 200}));
    EXPECT_EQ(form.textHeight(), 13);
}

TEST(DisplayScaling, FontFollowsPixelsPerInchThenLayoutFollowsTheFont)
{
    TDenseForm form;
    form.loadDescription();
    EXPECT_EQ(form.font().pixelSize(), 11);  // -22 * 96 / 192
    EXPECT_EQ(QFontMetrics(form.font()).height(), 13);
    EXPECT_EQ(boundsOf(form.Panel1), (Bounds{13, 26, 130, 65}));  // by 13/26
}

}  // namespace
}  // namespace tcm::test

#include "display_scaling_test.moc"
