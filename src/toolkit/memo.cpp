#include "memo.h"

#include "display_scaling.h"

#include <QKeyEvent>

namespace tcm::toolkit {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent), TControl(*this, Kind::Windowed)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TMemo::scaleLayout(int measured, int stored)
{
    setBounds(scaleBounds(bounds(), measured, stored, ScaleKeep::Height));
}

// Tab and Shift+Tab only ever move the focus; when no other control can take
// it they do nothing, and no tab character goes into the text.
void TMemo::keyPressEvent(QKeyEvent* event)
{
    const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tabKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

namespace {

const ClassInfo memoClass{"TMemo", &TControl::classInfo(),
                          [](QWidget* parent) -> QObject* { return new TMemo(parent); }, {}};

}  // namespace

const ClassInfo& TMemo::classInfo()
{
    return memoClass;
}

}  // namespace tcm::toolkit
