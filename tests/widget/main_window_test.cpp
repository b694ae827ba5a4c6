#include "main_form_fixture.h"

#include "toolkit/application.h"

#include <QFontMetrics>

namespace tcm::test {
namespace {

using toolkit::Bounds;

TEST_F(MainFormTest, EveryControlAtItsStoredGeometry)
{
    const struct {
        QWidget* control;
        QWidget* parent;
        Bounds bounds;
    } table[] = {
        {form->Image1, form->clientArea(), {201, 0, 1181, 1752}},
        {form->Image2, form->clientArea(), {-188, -1206, 1700, 2494}},
        {form->Panel1, form->clientArea(), {0, 0, 201, 1752}},
        {form->SpeedButton1, form->Panel1, {32, 76, 143, 135}},
        {form->SpeedButton2, form->Panel1, {36, 228, 143, 135}},
        {form->SpeedButton3, form->Panel1, {38, 380, 143, 135}},
        {form->Memo1, form->Panel1, {8, 8, 185, 65}},
        {form->Panel2, form->clientArea(), {192, 4, 1173, 1338}},
        {form->Image3, form->Panel2, {60, 2, 577, 479}},
        {form->Memo2, form->Panel2, {1, 484, 1171, 853}},
    };
    for (const auto& row : table) {
        ASSERT_NE(row.control, nullptr);
        const QRect g = row.control->geometry();
        EXPECT_EQ((Bounds{g.x(), g.y(), g.width(), g.height()}), row.bounds)
            << row.control->objectName().toStdString();
        EXPECT_EQ(row.control->parentWidget(), row.parent) << row.control->objectName().toStdString();
    }
}

TEST_F(MainFormTest, StoredWindowSettings)
{
    EXPECT_EQ(form->windowTitle(), "Traditional Chinese Medicine help you to become a doctor!");
    EXPECT_EQ(form->restoredBounds(), (Bounds{239, 108, 1032, 651}));
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->pixelsPerInch(), 96);
    EXPECT_EQ(form->textHeight(), 13);
    // The window font stands in for the stored face and measures the stored text height.
    EXPECT_EQ(QFontMetrics(form->font()).height(), 13);
    EXPECT_EQ(form->font().pixelSize(), 11);
    // Every control uses the window's font.
    EXPECT_EQ(form->Memo1->font(), form->font());
}

TEST_F(MainFormTest, StartsInViewOneWithTheCaretAtTheStartOfTheDisclaimer)
{
    EXPECT_EQ(view(), view1);
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_FALSE(form->Image3->isVisible());  // inside the hidden Panel2
    EXPECT_TRUE(form->Image3->Visible());
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    EXPECT_EQ(form->Memo1->textCursor().position(), 0);
    EXPECT_FALSE(form->Memo1->textCursor().hasSelection());
}

TEST_F(MainFormTest, WindowedControlsLieAboveGraphicOnesAndLaterAboveEarlier)
{
    form->SpeedButton3Click(nullptr);
    // Panel2 covers Panel1's rightmost columns, including Memo1's last column.
    EXPECT_EQ(form->childAt(196, 100), form->Panel2);
    EXPECT_EQ(form->childAt(200, 300), form->Panel2);
    EXPECT_EQ(form->childAt(192, 40), form->Panel2);
    EXPECT_EQ(form->childAt(191, 40), form->Memo1);  // its border, left of Panel2
    EXPECT_EQ(form->childAt(200, 3), form->Panel1);  // above Panel2
    // No button is covered.
    EXPECT_EQ(form->childAt(179, 400), form->SpeedButton3);
    // Within Panel1 the text box lies above the buttons; on the window the
    // panel lies above the pictures, though created after them.
    const QObjectList& panelChildren = form->Panel1->children();
    EXPECT_GT(panelChildren.indexOf(form->Memo1), panelChildren.indexOf(form->SpeedButton3));
    // The eye chart reaches under the navigation panel, which stays on top.
    form->SpeedButton2Click(nullptr);
    EXPECT_EQ(form->childAt(20, 600), form->Panel1);
    EXPECT_EQ(form->childAt(300, 600), form->Image2);
}

TEST_F(MainFormTest, TabStaysInTheOnlyTextBoxThatCanTakeTheFocus)
{
    QTest::keyClick(form->Memo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    QTest::keyClick(form->Memo1, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    EXPECT_FALSE(form->Memo1->toPlainText().contains('\t'));  // no tab character went in
}

TEST_F(MainFormTest, TabAlternatesBetweenTheTextBoxesInViewThree)
{
    form->SpeedButton3Click(nullptr);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);  // showing a view moves no focus
    QTest::keyClick(form->Memo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo2);
    QTest::keyClick(form->Memo2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    QTest::keyClick(form->Memo1, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo2);
}

}  // namespace
}  // namespace tcm::test

namespace tcm::test {
namespace {

TEST(Application, QtSeesOnlyTheProgramNameAndTheTitleComesFromIt)
{
    // The test runner itself was given arguments; Qt must not see them.
    EXPECT_EQ(QCoreApplication::arguments().size(), 1);
    EXPECT_EQ(toolkit::Application->Title(), "widget_tests");
    EXPECT_TRUE(qEnvironmentVariable("QT_ENABLE_HIGHDPI_SCALING") == "0");
}

TEST_F(MainFormTest, MinimisedStartShowsNothingAndRestoresToTheStoredBounds)
{
    ui::TForm1 other;
    other.loadDescription();
    other.setWindowState(toolkit::startupWindowState(other.windowState(), toolkit::SW_SHOWMINNOACTIVE));
    other.showInState();
    EXPECT_TRUE(other.isMinimized());
    EXPECT_FALSE(other.isMaximized());

    other.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(other.windowState(), toolkit::WindowState::Normal);
    // This platform draws no frame, so the client area takes the whole stored size.
    EXPECT_EQ(other.frameGeometry(), QRect(239, 108, 1032, 651));
}

}  // namespace
}  // namespace tcm::test
