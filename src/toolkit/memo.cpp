#include "memo.h"

#include "display_scaling.h"
#include "property_values.h"
#include "text/held_text.h"
#include "text/locale_codeset.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <array>
#include <utility>

namespace tcm::toolkit {

using stream::ValueTag;

void TMemoLines::readStrings(const stream::Value& list)
{
    if (list.tag != ValueTag::List)
        throwInvalidValue();
    std::string held;
    for (const stream::Value& item : list.items) {
        switch (item.tag) {
        case ValueTag::String:
        case ValueTag::LString:
            text::appendHeldLine(held, item.text());
            break;
        case ValueTag::Utf8String:
            text::appendHeldLine(held, text::heldFromUtf8(item.text(), memo_.codeset()));
            break;
        case ValueTag::WString: {
            std::u16string wide(item.wideCount(), u'\0');
            for (std::size_t i = 0; i < wide.size(); ++i)
                wide[i] = item.wideAt(i);
            text::appendHeldLine(held, text::heldFromUtf16(wide, memo_.codeset()));
            break;
        }
        default:
            throwInvalidValue();
        }
    }
    // The box takes the whole list in one step.
    memo_.setHeldText(std::move(held));
}

TMemo::TMemo(QWidget* parent)
    : QPlainTextEdit(parent), TControl(*this, Kind::Windowed), codeset_(text::localeCodeset())
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    // A narrow margin, as a classic edit box has: 65 lines of the 13-pixel
    // window font fit the article's box, 4 the disclaimer's.
    document()->setDocumentMargin(2);
    hideUnfocusedSelection();
    setHeldText({});
}

std::string TMemo::heldText() const
{
    if (document()->revision() == heldRevision_)
        return held_;
    // Every block but the last, which is the box's last display line, ends in CR LF.
    std::u16string edited;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        edited.append(reinterpret_cast<const char16_t*>(line.utf16()), static_cast<std::size_t>(line.size()));
        if (block.next().isValid())
            edited += u"\r\n";
    }
    return text::heldFromUtf16(edited, codeset_);
}

// The box shows the new text from its first line, the insertion point at the
// start and nothing selected, which is also how it first appears.
void TMemo::setHeldText(std::string held)
{
    held_ = std::move(held);
    QString shown = QString::fromStdString(text::heldToUtf8(held_, codeset_));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    heldRevision_ = document()->revision();
}

void TMemo::scaleLayout(int measured, int stored)
{
    setBounds(scaleBounds(bounds(), measured, stored, ScaleKeep::Height));
}

// Tab and Shift+Tab only ever move the focus; when no other control can take
// it they do nothing, and no tab character goes into the text. Enter, with
// Shift or without, starts a new line.
void TMemo::keyPressEvent(QKeyEvent* event)
{
    const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tabKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        return;
    }
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enterKey && (event->modifiers() & Qt::ShiftModifier)) {
        // Qt would insert a soft line separator, which is no line of the held text.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// A context menu opening over the box leaves it the focus in effect: the
// selection it acts on stays shown.
void TMemo::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        event->accept();
        return;
    }
    QPlainTextEdit::focusOutEvent(event);
}

// Only whole display lines show: a line that the box's bottom edge would cut
// is left blank (unless it is the top one, so a very low box still shows text).
void TMemo::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    const int bottom = viewport()->height();
    const QPointF offset = contentOffset();
    bool topLine = true;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QPointF blockTop = blockBoundingGeometry(block).translated(offset).topLeft();
        if (blockTop.y() >= bottom)
            return;
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QRectF line = layout->lineAt(i).rect().translated(blockTop);
            if (line.bottom() <= 0)
                continue;  // scrolled out above
            if (std::exchange(topLine, false))
                continue;
            if (line.bottom() > bottom) {
                QPainter(viewport()).fillRect(QRectF(0, line.top(), viewport()->width(), bottom - line.top()),
                                              palette().base());
                return;
            }
        }
    }
}

void TMemo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        hideUnfocusedSelection();
}

// A selection shows only while the box has the focus: Qt draws the selection
// of an unfocused box in the inactive highlight colours, which are made the
// box's own background and text colours.
void TMemo::hideUnfocusedSelection()
{
    QPalette pal = palette();
    const QBrush base = pal.brush(QPalette::Active, QPalette::Base);
    const QBrush text = pal.brush(QPalette::Active, QPalette::Text);
    if (pal.brush(QPalette::Inactive, QPalette::Highlight) == base
        && pal.brush(QPalette::Inactive, QPalette::HighlightedText) == text)
        return;
    pal.setBrush(QPalette::Inactive, QPalette::Highlight, base);
    pal.setBrush(QPalette::Inactive, QPalette::HighlightedText, text);
    setPalette(pal);
}

namespace {

TMemo& memo(QObject& o)
{
    return static_cast<TMemo&>(o);
}

// "Lines.Strings" in two steps: the box's line list, then that list's own
// stored value "Strings".
constexpr std::array<PropertyInfo, 1> memoProperties{{
    {"Lines.Strings",
     [](QObject& o, const stream::Value& v, LoadContext&) { memo(o).Lines().readStrings(v); }},
}};

const ClassInfo memoClass{"TMemo", &TControl::classInfo(),
                          [](QWidget* parent) -> QObject* { return new TMemo(parent); }, memoProperties};

}  // namespace

const ClassInfo& TMemo::classInfo()
{
    return memoClass;
}

}  // namespace tcm::toolkit
