#include "main_form_fixture.h"

#include <QEvent>

namespace tcm::test {
namespace {

// Counts show and hide events of the three view controls.
class VisibilityEvents : public QObject {
public:
    explicit VisibilityEvents(ui::TForm1& form)
    {
        for (QWidget* w : {static_cast<QWidget*>(form.Image1), static_cast<QWidget*>(form.Image2),
                           static_cast<QWidget*>(form.Panel2)})
            w->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
            ++count;
        return false;
    }
};

toolkit::TSpeedButton* button(ui::TForm1& f, int n)
{
    return n == 1 ? f.SpeedButton1 : n == 2 ? f.SpeedButton2 : f.SpeedButton3;
}

void goToView(ui::TForm1& f, int n)
{
    n == 1 ? f.SpeedButton1Click(nullptr) : n == 2 ? f.SpeedButton2Click(nullptr) : f.SpeedButton3Click(nullptr);
}

TEST_F(MainFormTest, EachButtonLeadsToItsOwnViewFromEveryView)
{
    const std::array<std::array<bool, 3>, 4> views{{{}, view1, view2, view3}};
    for (int from = 1; from <= 3; ++from) {
        for (int to = 1; to <= 3; ++to) {
            goToView(*form, from);
            ASSERT_EQ(view(), views[from]);
            VisibilityEvents events(*form);
            click(button(*form, to));
            EXPECT_EQ(view(), views[to]) << from << " -> " << to;
            // A real switch shows one control and hides one; a click on the
            // current view's button changes nothing at all.
            EXPECT_EQ(events.count, from == to ? 0 : 2) << from << " -> " << to;
        }
    }
}

// Records the order of show and hide events of the view controls.
class VisibilityOrder : public QObject {
public:
    explicit VisibilityOrder(ui::TForm1& form)
    {
        for (QWidget* w : {static_cast<QWidget*>(form.Image1), static_cast<QWidget*>(form.Image2),
                           static_cast<QWidget*>(form.Panel2)})
            w->installEventFilter(this);
    }
    std::vector<std::string> seen;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
            seen.push_back((e->type() == QEvent::Show ? "show " : "hide ") + o->objectName().toStdString());
        return false;
    }
};

TEST_F(MainFormTest, NewViewIsShownBeforeTheOldOneIsHidden)
{
    const struct {
        int from, to;
        std::vector<std::string> order;
    } cases[] = {
        {1, 2, {"show Image2", "hide Image1"}},
        {2, 3, {"show Panel2", "hide Image2"}},
        {3, 1, {"show Image1", "hide Panel2"}},
        {3, 2, {"show Image2", "hide Panel2"}},
    };
    for (const auto& c : cases) {
        goToView(*form, c.from);
        VisibilityOrder order(*form);
        click(button(*form, c.to));
        EXPECT_EQ(order.seen, c.order) << c.from << " -> " << c.to;
    }
}

// Counts the double-click events a widget receives.
class DoubleClicks : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::MouseButtonDblClick;
        return false;
    }
};

TEST_F(MainFormTest, DoubleClickCountsAsTwoClicks)
{
    int clicks = 0;
    QObject::connect(form->SpeedButton2, &toolkit::TSpeedButton::Click, [&] { ++clicks; });
    DoubleClicks doubleClicks;
    form->SpeedButton2->installEventFilter(&doubleClicks);
    // Through the window, as the platform delivers it: press, release, press
    // with a double-click event, release.
    const QPoint at = form->SpeedButton2->mapTo(form.get(), form->SpeedButton2->rect().center());
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, at);
    ASSERT_EQ(doubleClicks.count, 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(view(), view2);
    EXPECT_EQ(form->SpeedButton2->state(), toolkit::TSpeedButton::State::Up);
}

TEST_F(MainFormTest, DraggingOffTheButtonCancelsAndBackOnClicks)
{
    auto* b = form->SpeedButton3;
    const QPoint inside = b->rect().center();
    const QPoint outside(b->width() + 20, inside.y());
    using State = toolkit::TSpeedButton::State;

    QTest::mousePress(b, Qt::LeftButton, {}, inside);
    EXPECT_EQ(b->state(), State::Down);
    QTest::mouseMove(b, outside);
    EXPECT_EQ(b->state(), State::Up);
    QTest::mouseRelease(b, Qt::LeftButton, {}, outside);
    EXPECT_EQ(view(), view1);

    QTest::mousePress(b, Qt::LeftButton, {}, inside);
    QTest::mouseMove(b, outside);
    QTest::mouseMove(b, inside);
    EXPECT_EQ(b->state(), State::Down);
    QTest::mouseRelease(b, Qt::LeftButton, {}, inside);
    EXPECT_EQ(b->state(), State::Up);
    EXPECT_EQ(view(), view3);
}

TEST_F(MainFormTest, OnlyTheLeftButtonActsAndNoKeySwitches)
{
    for (Qt::MouseButton which : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(form->SpeedButton2, which, {}, form->SpeedButton2->rect().center());
        EXPECT_EQ(form->SpeedButton2->state(), toolkit::TSpeedButton::State::Up);
        QTest::mouseRelease(form->SpeedButton2, which, {}, form->SpeedButton2->rect().center());
    }
    for (int key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space, Qt::Key_Down, Qt::Key_A, Qt::Key_2})
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    EXPECT_EQ(view(), view1);
    // Clicking a button moves no focus; buttons never hold it.
    click(form->SpeedButton3);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    EXPECT_EQ(form->SpeedButton3->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainFormTest, HidingTheViewWithTheFocusLeavesItOnTheWindowUntilTab)
{
    click(form->SpeedButton3);
    form->Memo2->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo2);
    click(form->SpeedButton1);
    EXPECT_EQ(QApplication::focusWidget(), form.get());
    EXPECT_EQ(form->activeControl(), nullptr);
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);

    // With the focus in Memo1, switching views leaves it there.
    click(form->SpeedButton3);
    click(form->SpeedButton2);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
}

TEST_F(MainFormTest, TheWindowsNextActivationGivesTheFocusToTheFirstTextBox)
{
    click(form->SpeedButton3);
    form->Memo2->setFocus(Qt::MouseFocusReason);
    click(form->SpeedButton2);
    ASSERT_EQ(QApplication::focusWidget(), form.get());
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
}

TEST_F(MainFormTest, TypedTextSurvivesViewSwitches)
{
    click(form->SpeedButton3);
    form->Memo2->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(form->Memo2, "kept");
    click(form->SpeedButton1);
    click(form->SpeedButton3);
    EXPECT_TRUE(form->Memo2->toPlainText().startsWith("kept"));
}

}  // namespace
}  // namespace tcm::test
