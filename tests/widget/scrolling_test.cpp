#include "main_form_fixture.h"

#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace tcm::test {
namespace {

using toolkit::Axis;

class ScrollingTest : public MainFormTest {
protected:
    int thickness() const { return form->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, form.get()); }
    int h() const { return form->HorzScrollBar().Position(); }
    int v() const { return form->VertScrollBar().Position(); }
    QPoint position() const { return {h(), v()}; }
    QScrollBar* bar(Qt::Orientation o) const
    {
        for (auto* b : form->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
            if (b->orientation() == o)
                return b;
        return nullptr;
    }
    // What the screen shows of the window (the backing store, not a new paint).
    QImage onScreen() const { return form->screen()->grabWindow(form->winId()).toImage(); }
};

TEST_F(ScrollingTest, EachViewHasItsOwnRangeAndMaximum)
{
    const int t = thickness();
    const struct {
        toolkit::TSpeedButton* button;
        int horizontal, vertical;
    } views[] = {{form->SpeedButton1, 1382, 1752}, {form->SpeedButton2, 1512, 1288}, {form->SpeedButton3, 1365, 1342}};
    for (const auto& view : views) {
        click(view.button);
        EXPECT_EQ(form->HorzScrollBar().Range(), view.horizontal);
        EXPECT_EQ(form->VertScrollBar().Range(), view.vertical);
        EXPECT_TRUE(form->HorzScrollBar().IsScrollBarVisible());
        EXPECT_TRUE(form->VertScrollBar().IsScrollBarVisible());
        EXPECT_EQ(form->clientArea()->size(), QSize(1280 - t, 976 - t));
        form->setScrollPosition(Axis::Horizontal, 100000);
        form->setScrollPosition(Axis::Vertical, 100000);
        EXPECT_EQ(position(), QPoint(view.horizontal - (1280 - t), view.vertical - (976 - t)));
        // Panel1 scrolls with the content and reaches its bottom.
        EXPECT_EQ(form->Panel1->geometry(), QRect(-h(), -v(), 201, view.vertical));
        form->setScrollPosition(Axis::Horizontal, 0);
        form->setScrollPosition(Axis::Vertical, 0);
    }
}

TEST_F(ScrollingTest, BarsAppearExactlyWhenNeeded)
{
    const int t = thickness();
    const struct {
        int width, height;
        bool horizontal, vertical;
    } sizes[] = {
        {1382, 1752, false, false},
        {1381, 1752, true, true},
        {1382 + t, 1751, false, true},
        {1381 + t, 1751, true, true},
    };
    for (const auto& s : sizes) {
        open(s.width, s.height);
        EXPECT_EQ(form->HorzScrollBar().IsScrollBarVisible(), s.horizontal) << s.width << "x" << s.height;
        EXPECT_EQ(form->VertScrollBar().IsScrollBarVisible(), s.vertical) << s.width << "x" << s.height;
        EXPECT_EQ(bar(Qt::Horizontal)->isVisible(), s.horizontal);
    }
    // With the width less a bar at least 1512, no view needs a horizontal bar.
    open(1512 + t, 900);
    for (auto* b : {form->SpeedButton1, form->SpeedButton2, form->SpeedButton3}) {
        click(b);
        EXPECT_FALSE(form->HorzScrollBar().IsScrollBarVisible());
    }
}

TEST_F(ScrollingTest, ViewSwitchClampsThePositionsAndNeverResetsThem)
{
    const int t = thickness();
    form->setScrollPosition(Axis::Horizontal, 100);
    form->setScrollPosition(Axis::Vertical, 350);
    // SpeedButton2 (content rows 228..362) still shows its bottom rows here.
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton, {}, QPoint(60, 362 - 228));
    const int maxV = 1288 - (976 - t);
    EXPECT_EQ(position(), QPoint(100, std::min(350, maxV)));
    form->SpeedButton1Click(nullptr);
    EXPECT_EQ(position(), QPoint(100, std::min(350, maxV)));  // 350 is not restored
    // The hidden eye chart moved with the content: it is still at its stored content position.
    EXPECT_EQ(form->Image2->pos() + position(), QPoint(-188, -1206));
}

TEST_F(ScrollingTest, ThumbDragMovesNothingUntilRelease)
{
    QScrollBar* vertical = bar(Qt::Vertical);
    QStyleOptionSlider option;
    option.initFrom(vertical);
    option.orientation = Qt::Vertical;
    option.minimum = vertical->minimum();
    option.maximum = vertical->maximum();
    option.sliderPosition = vertical->sliderPosition();
    option.sliderValue = vertical->value();
    option.pageStep = vertical->pageStep();
    option.singleStep = vertical->singleStep();
    option.subControls = QStyle::SC_All;
    const QRect thumb =
        vertical->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, vertical);
    const QPoint grip = thumb.center();
    const QPoint imageBefore = form->Image1->pos();

    QTest::mousePress(vertical, Qt::LeftButton, {}, grip);
    QTest::mouseMove(vertical, grip + QPoint(0, 100));
    EXPECT_EQ(v(), 0);
    EXPECT_EQ(form->Image1->pos(), imageBefore);
    QTest::mouseRelease(vertical, Qt::LeftButton, {}, grip + QPoint(0, 100));
    EXPECT_GT(v(), 0);
    EXPECT_EQ(form->Image1->pos(), imageBefore - QPoint(0, v()));
}

TEST_F(ScrollingTest, LineAndPageStepsOfTheBars)
{
    open(1024, 720);  // small enough that a whole page fits in the range
    QScrollBar* vertical = bar(Qt::Vertical);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v(), 8);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(v(), 0);
    // A click in the track below the thumb pages by the whole visible height.
    QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(vertical->width() / 2, vertical->height() - 30));
    EXPECT_EQ(v(), form->clientArea()->height());
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(v(), 1752 - form->clientArea()->height());
    vertical->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(v(), 0);
}

TEST_F(ScrollingTest, EnlargingWhileScrolledToTheEndPullsThePositionsBack)
{
    form->setScrollPosition(Axis::Horizontal, 100000);
    form->setScrollPosition(Axis::Vertical, 100000);
    form->resize(1300, 1200);
    QCoreApplication::processEvents();
    const QSize visible = form->clientArea()->size();
    EXPECT_EQ(position(), QPoint(1382 - visible.width(), 1752 - visible.height()));
    // The far edge of the content meets the client area's edge.
    EXPECT_EQ(form->Image1->geometry().right() + 1, visible.width());
    form->resize(1500, 1800);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->VertScrollBar().IsScrollBarVisible());
    EXPECT_FALSE(form->HorzScrollBar().IsScrollBarVisible());
    EXPECT_EQ(position(), QPoint(0, 0));
}

TEST_F(ScrollingTest, FocusBringsTheTextBoxIntoViewWithTheLeastMovement)
{
    open(1024, 720);
    const int t = thickness();
    click(form->SpeedButton3);
    QTest::keyClick(form->Memo1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo2);
    // Memo2's inner area (x 195..1361, y 490..1338) is larger than the
    // visible area, so its left and top edges come to the visible area's.
    EXPECT_EQ(position(), QPoint(std::min(195, 1365 - (1024 - t)), std::min(490, 1342 - (720 - t))));
    const QPoint there = position();
    // A click into the box that has the focus does not scroll.
    QTest::mouseClick(form->Memo2->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(position(), there);
    QTest::keyClick(form->Memo2, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo1);
    EXPECT_EQ(position(), QPoint(10, 10));
}

TEST_F(ScrollingTest, TheWheelNeverScrollsTheWindow)
{
    auto wheelOver = [](QWidget* w) {
        const QPoint at = w->rect().center();
        QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &wheel);
    };
    for (QWidget* target : {static_cast<QWidget*>(form->Image1), static_cast<QWidget*>(form->Panel1),
                            static_cast<QWidget*>(bar(Qt::Vertical)), static_cast<QWidget*>(form.get())}) {
        wheelOver(target);
        EXPECT_EQ(position(), QPoint(0, 0)) << target->objectName().toStdString();
    }
    // With the focus on the window itself the wheel does nothing either.
    click(form->SpeedButton3);
    form->Memo2->setFocus();  // scrolls Memo2 into view
    click(form->SpeedButton1);
    ASSERT_EQ(QApplication::focusWidget(), form.get());
    const QPoint there = position();
    wheelOver(form->Image1);
    EXPECT_EQ(position(), there);
    // Keys act inside the focused box only.
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    QTest::keyClick(form.get(), Qt::Key_End);
    EXPECT_EQ(position(), there);
}

// Records the region repainted in the visible area.
class RepaintRecorder : public QObject {
public:
    explicit RepaintRecorder(QWidget* client) : client_(client)
    {
        client->installEventFilter(this);
        for (QWidget* w : client->findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    QRegion painted;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(o);
            painted += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(client_, QPoint(0, 0)));
        }
        return false;
    }

private:
    QWidget* client_;
};

TEST_F(ScrollingTest, ScrollingMovesPixelsAndPaintsOnlyTheNewStrip)
{
    QCoreApplication::processEvents();
    form->setScrollPosition(Axis::Vertical, 400);
    form->setScrollPosition(Axis::Horizontal, 50);
    QCoreApplication::processEvents();
    const QSize visible = form->clientArea()->size();

    RepaintRecorder recorder(form->clientArea());
    form->setScrollPosition(Axis::Vertical, 408);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(0, visible.height() - 8, visible.width(), 8));

    recorder.painted = QRegion();
    form->setScrollPosition(Axis::Horizontal, 42);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(0, 0, 8, visible.height()));

    // What the screen shows after the moves equals a fresh paint of every
    // control at the same position.
    const QImage scrolled = onScreen();
    for (QWidget* w : form->clientArea()->findChildren<QWidget*>())
        if (w->isVisible())
            w->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(onScreen(), scrolled);
}

}  // namespace
}  // namespace tcm::test
