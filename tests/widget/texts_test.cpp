// The disclaimer and the article in their text boxes on the real window:
// held text, wrapping, scrolling without scroll bars, editing keys, the state
// a box shows first, the context menu, and selections only while focused.

#include "main_form_fixture.h"

#include "text/held_text.h"
#include "toolkit/exceptions.h"
#include "toolkit/memo.h"

#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace tcm::test {
namespace {

using toolkit::TMemo;

// The stored lines of a content text file.
std::vector<std::string> contentLines(const std::string& name)
{
    std::ifstream in(std::string(TCM_CONTENT_DIR) + "/texts/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// What a box shows for held text: the text decoded, one block per line.
QString shownText(const std::string& held, const std::string& codeset)
{
    return QString::fromStdString(text::heldToUtf8(held, codeset)).replace("\r\n", "\n");
}

// Whether any pixel of the widget has the colour.
bool showsColour(QWidget* w, const QColor& colour)
{
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

TEST_F(MainFormTest, BoxesHoldTheirTextsInTheLocaleCharacterSetWithCrLfAfterEveryLine)
{
    EXPECT_EQ(form->Memo1->heldText(),
              "For reference only, for \r\nthe misuse of personal and property \r\n"
              "damage caused shall not be \r\nresponsible, hereby declare.\r\n");
    EXPECT_EQ(form->Memo1->heldText().size(), 123u);

    const std::string& codeset = form->Memo2->codeset();
    std::string article;
    for (const std::string& line : contentLines("article.txt"))
        text::appendHeldLine(article, text::heldFromUtf8(line, codeset));
    EXPECT_EQ(form->Memo2->heldText(), article);

    // Each held line is a line of its own, and the empty last line follows.
    for (TMemo* memo : {form->Memo1, form->Memo2}) {
        EXPECT_EQ(memo->toPlainText(), shownText(memo->heldText(), memo->codeset()));
        EXPECT_EQ(memo->document()->lastBlock().text(), "");
    }
    EXPECT_EQ(form->Memo1->document()->blockCount(), 5);
    EXPECT_EQ(form->Memo2->document()->blockCount(), 92);
}

TEST_F(MainFormTest, DisclaimerWrapsOnlyWhereALineIsWiderThanTheBox)
{
    const QTextDocument* doc = form->Memo1->document();
    const int width = form->Memo1->viewport()->width();
    ASSERT_LE(width, 181);
    EXPECT_EQ(doc->findBlockByNumber(0).layout()->lineCount(), 1);
    // "the misuse of personal and property " is wider than the box: it breaks
    // at a blank, so its first display line ends in one.
    const QTextBlock second = doc->findBlockByNumber(1);
    ASSERT_GE(second.layout()->lineCount(), 2);
    const QTextLine first = second.layout()->lineAt(0);
    EXPECT_EQ(second.text().at(first.textStart() + first.textLength() - 1), ' ');
    for (int i = 0; i < second.layout()->lineCount(); ++i)
        EXPECT_LE(second.layout()->lineAt(i).naturalTextWidth(), width);
}

// The display lines of a box from the top, as rectangles in its viewport.
std::vector<QRect> displayLines(TMemo* memo)
{
    std::vector<QRect> lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        for (int i = 0; i < b.layout()->lineCount(); ++i) {
            QTextCursor at(b);
            at.setPosition(b.position() + b.layout()->lineAt(i).textStart());
            QRect r = memo->cursorRect(at);
            r.setLeft(0);
            lines.push_back(r);
        }
    }
    return lines;
}

TEST_F(MainFormTest, BoxesShowOnlyWholeDisplayLines)
{
    form->SpeedButton3Click(nullptr);
    const struct {
        TMemo* memo;
        int wholeLines;  // at the window's 13-pixel line height
    } boxes[] = {{form->Memo1, 4}, {form->Memo2, 65}};
    for (const auto& box : boxes) {
        SCOPED_TRACE(box.memo->objectName().toStdString());
        QWidget* view = box.memo->viewport();
        QApplication::processEvents();  // lets the newly shown box lay out its text
        const std::vector<QRect> lines = displayLines(box.memo);
        const auto cut = std::ranges::find_if(lines, [view](const QRect& r) { return r.bottom() >= view->height(); });
        ASSERT_NE(cut, lines.end()) << "the text runs past the bottom";
        EXPECT_EQ(cut - lines.begin(), box.wholeLines);
        const QImage image = view->grab().toImage();
        const QColor base = box.memo->palette().color(QPalette::Base);
        int lastInked = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != base)
                    lastInked = y;
        EXPECT_GT(lastInked, cut[-1].top());  // the last whole line is drawn
        EXPECT_LT(lastInked, cut->top());     // the cut one is not
    }
}

TEST_F(MainFormTest, NoScrollBarHoweverLongTheTextAndNoLengthLimit)
{
    QString longText;
    for (int i = 0; i < 400; ++i)
        longText += QString("line %1 of a long pasted text, with words enough to wrap more than once\n").arg(i);
    longText += QString(3000, 'x');  // one word far wider than the box
    form->SpeedButton3Click(nullptr);
    for (TMemo* memo : {form->Memo1, form->Memo2}) {
        SCOPED_TRACE(memo->objectName().toStdString());
        const std::size_t before = memo->heldText().size();
        QApplication::clipboard()->setText(longText);
        memo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(memo->heldText().size(), before + static_cast<std::size_t>(longText.size()) + 400);
        EXPECT_FALSE(memo->verticalScrollBar()->isVisible());
        EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
        // The text scrolled up to the insertion point, never sideways.
        EXPECT_GT(memo->verticalScrollBar()->value(), 0);
        EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(MainFormTest, EnterStartsALineAndTabMovesTheFocusInEveryView)
{
    for (int view = 1; view <= 3; ++view) {
        SCOPED_TRACE(view);
        view == 1 ? form->SpeedButton1Click(nullptr)
                  : view == 2 ? form->SpeedButton2Click(nullptr) : form->SpeedButton3Click(nullptr);
        std::vector<TMemo*> boxes{form->Memo1};
        if (view == 3)
            boxes.push_back(form->Memo2);
        for (TMemo* memo : boxes) {
            memo->setFocus(Qt::TabFocusReason);
            memo->moveCursor(QTextCursor::Start);
            const std::string before = memo->heldText();
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);  // a line break too
            EXPECT_EQ(memo->heldText(), "\r\n\r\n" + before);
            QTest::keyClick(memo, Qt::Key_Tab);
            // Only view 3 shows a second box to go to.
            TMemo* next = view == 3 && memo == form->Memo1 ? form->Memo2 : form->Memo1;
            EXPECT_EQ(QApplication::focusWidget(), next);
            EXPECT_FALSE(memo->toPlainText().contains('\t'));
        }
    }
}

TEST_F(MainFormTest, Memo2KeepsItsEditCaretAndScrollAcrossViewSwitches)
{
    form->SpeedButton3Click(nullptr);
    TMemo* memo = form->Memo2;
    memo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, "edited");
    const QString shown = memo->toPlainText();
    const int caret = memo->textCursor().position();
    const int scroll = memo->verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);
    form->SpeedButton1Click(nullptr);
    form->SpeedButton3Click(nullptr);
    EXPECT_TRUE(shown.endsWith("edited"));
    EXPECT_EQ(memo->toPlainText(), shown);
    EXPECT_TRUE(memo->heldText().ends_with("\r\nedited"));
    EXPECT_EQ(memo->textCursor().position(), caret);
    EXPECT_EQ(memo->verticalScrollBar()->value(), scroll);
}

TEST_F(MainFormTest, EachBoxFirstShowsItsTextFromTheStart)
{
    // Memo1 shows with the window; Memo2 only with view 3.
    EXPECT_FALSE(form->Memo2->isVisible());
    form->SpeedButton3Click(nullptr);
    for (TMemo* memo : {form->Memo1, form->Memo2}) {
        SCOPED_TRACE(memo->objectName().toStdString());
        EXPECT_EQ(memo->textCursor().position(), 0);
        EXPECT_FALSE(memo->textCursor().hasSelection());
        EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
        EXPECT_EQ(memo->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);  // the first line shows at the top
    }
}

TEST_F(MainFormTest, RightClickFocusesTheBoxThenOpensTheStandardContextMenu)
{
    form->SpeedButton3Click(nullptr);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo1);
    TMemo* memo = form->Memo2;
    memo->selectAll();
    const int caret = memo->textCursor().position();
    const QColor highlight = memo->palette().color(QPalette::Active, QPalette::Highlight);
    bool opened = false;
    bool selectionShownWhileOpen = false;
    bool isMenu = false;
    QWidget* focusWhileOpen = nullptr;
    QStringList actions;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* open = QApplication::activePopupWidget()) {
            opened = true;
            focusWhileOpen = QApplication::focusWidget();
            selectionShownWhileOpen = showsColour(memo->viewport(), highlight);
            auto* menu = qobject_cast<QMenu*>(open);
            isMenu = menu != nullptr;
            if (menu)
                for (QAction* a : menu->actions())
                    actions << a->text().remove('&');
            open->close();  // the box deletes its menu once closed
            poll.stop();
        }
    });
    poll.start();
    const QPoint at = memo->viewport()->mapTo(form.get(), QPoint(40, 20));
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, at);
    QTRY_VERIFY_WITH_TIMEOUT(opened, 3000);
    poll.stop();
    EXPECT_TRUE(isMenu);
    EXPECT_EQ(focusWhileOpen, memo);
    // The menu acts on the box's selection, which stays shown meanwhile.
    EXPECT_TRUE(selectionShownWhileOpen);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    for (const char* name : {"Copy", "Paste", "Select All"})
        EXPECT_TRUE(std::ranges::any_of(actions, [name](const QString& a) { return a.startsWith(name); }))
            << name << " in " << actions.join(", ").toStdString();
    // The click moved no insertion point.
    EXPECT_EQ(memo->textCursor().position(), caret);
}

TEST_F(MainFormTest, ASelectionShowsOnlyWhileItsBoxHasTheFocus)
{
    form->SpeedButton3Click(nullptr);
    TMemo* memo = form->Memo1;
    const QColor highlight = memo->palette().color(QPalette::Active, QPalette::Highlight);
    memo->selectAll();
    ASSERT_TRUE(memo->hasFocus());
    EXPECT_TRUE(showsColour(memo->viewport(), highlight));
    form->Memo2->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(memo->textCursor().hasSelection());
    EXPECT_FALSE(showsColour(memo->viewport(), highlight));
    memo->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(showsColour(memo->viewport(), highlight));
}

// A box loaded under an ASCII locale: wide strings lose what the set lacks,
// 8-bit strings stay byte for byte, and the box shows what it holds.
TEST(TMemoLines, StringsFollowTheLocaleCharacterSet)
{
    const char* old = std::getenv("LC_ALL");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("LC_ALL", "C", 1);
    TMemo memo;
    saved ? ::setenv("LC_ALL", saved->c_str(), 1) : ::unsetenv("LC_ALL");
    ASSERT_EQ(memo.codeset(), "ANSI_X3.4-1968");

    const std::uint8_t wide[] = {0x9D, 0x80, ' ', 0, 'x', 0};  // U+809D, " x"
    using stream::Value;
    memo.Lines().readStrings(
        Value::list({Value::wide(wide), Value::string("\xE9"), Value::utf8("\xE8\x82\x9D!")}));
    EXPECT_EQ(memo.heldText(), "? x\r\n\xE9\r\n?!\r\n");
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("? x\n\xEF\xBF\xBD\n?!\n"));

    // A second list replaces the first.
    memo.Lines().readStrings(Value::list({Value::string("only")}));
    EXPECT_EQ(memo.heldText(), "only\r\n");

    for (const Value& bad : {Value::string("not a list"), Value::list({Value::integerValue(1)}),
                             Value::list({Value::ident("clWindow")})})
        EXPECT_THROW(memo.Lines().readStrings(bad), toolkit::EReadError);
}

}  // namespace
}  // namespace tcm::test
