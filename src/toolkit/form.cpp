#include "form.h"

#include "application.h"
#include "display_scaling.h"
#include "exceptions.h"
#include "form_loader.h"
#include "frame_extents.h"
#include "property_values.h"
#include "resources.h"
#include "scroll_math.h"
#include "stream/stream_error.h"
#include "stream/stream_reader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>

namespace tcm::toolkit {

// The visible area of a window: the window's controls are its children, and
// scrolling moves them and their pixels together.
class FormClient : public QWidget, public TContainer {
public:
    explicit FormClient(TForm& form) : QWidget(&form), form_(form) { setAutoFillBackground(true); }
    void realign() override { form_.realign(); }

private:
    TForm& form_;
};

TForm::TForm() : client_(new FormClient(*this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    setColor(clBtnFace);
    for (TControlScrollBar* s : {&horz_, &vert_}) {
        s->bar_ = new QScrollBar(s->kind() == Axis::Horizontal ? Qt::Horizontal : Qt::Vertical, this);
        s->bar_->setFocusPolicy(Qt::NoFocus);
        s->bar_->setTracking(s->tracking_);
        s->bar_->setSingleStep(s->increment_);
        s->bar_->hide();
        const Axis axis = s->kind();
        connect(s->bar_, &QScrollBar::valueChanged, this, [this, axis](int value) { setScrollPosition(axis, value); });
    }
    connect(qApp, &QApplication::focusChanged, this, &TForm::focusMoved);
    // Wheel turns anywhere in the window go to the focused text box.
    qApp->installEventFilter(this);
}

TForm::~TForm() = default;

std::string_view TForm::className() const
{
    std::string_view name = metaObject()->className();
    if (const auto colons = name.rfind("::"); colons != std::string_view::npos)
        name.remove_prefix(colons + 2);
    return name;
}

void TForm::loadDescription()
{
    const std::string name(className());
    const auto bytes = findResource(RT_RCDATA, name);
    if (!bytes)
        throw EResNotFound("Resource " + name + " not found");

    stream::ObjectRecord root;
    try {
        root = stream::readComponentStream(*bytes);
    } catch (const stream::StreamError& e) {
        throw EReadError(e.what());
    }
    loading_ = true;
    try {
        FormLoader(*this, *client_).load(root);
    } catch (...) {
        loading_ = false;
        throw;
    }
    finishLoading();
}

void TForm::finishLoading()
{
    applyFont();
    scaleForDisplay();
    restackChildren(*client_);
    buildTabOrder();
    loading_ = false;
    for (TControl* c : childControls(*client_))
        if (auto* container = dynamic_cast<TContainer*>(&c->widget()))
            container->realign();
    realign();
    notifyLoaded(*this);
}

void TForm::setRestoredBounds(Bounds b)
{
    restoredBounds_ = b;
    if (!isVisible()) {
        move(b.left, b.top);
        resize(std::max(1, b.width), std::max(1, b.height));
    }
}

void TForm::setColor(TColor c)
{
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c.resolve(QGuiApplication::palette()));
    setPalette(pal);
}

void TForm::applyFont()
{
    setFont(toQFont(font_));
    QPalette pal = palette();
    pal.setColor(QPalette::Text, font_.color.resolve(QGuiApplication::palette()));
    pal.setColor(QPalette::WindowText, font_.color.resolve(QGuiApplication::palette()));
    setPalette(pal);
}

void TForm::scaleForDisplay()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : pixelsPerInch_;
    if (ppi != pixelsPerInch_ && pixelsPerInch_ > 0) {
        font_.height = scaleFontHeight(font_.height, ppi, pixelsPerInch_);
        applyFont();
    }
    const int measured = QFontMetrics(font()).height();
    if (measured == textHeight_ || textHeight_ <= 0)
        return;
    // Parents before children, so each child is scaled inside its scaled parent.
    std::vector<TControl*> pending = childControls(*client_);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        pending[i]->scaleLayout(measured, textHeight_);
        for (TControl* child : childControls(pending[i]->widget()))
            pending.push_back(child);
    }
    textHeight_ = measured;
}

void TForm::buildTabOrder()
{
    // Each windowed control, then its own children, siblings by TabOrder.
    std::vector<QWidget*> sequence;
    auto visit = [&sequence](auto& self, const QWidget& parent) -> void {
        std::vector<TControl*> windowed;
        for (TControl* c : childControls(parent))
            if (c->kind() == TControl::Kind::Windowed)
                windowed.push_back(c);
        std::ranges::stable_sort(windowed, {}, &TControl::tabOrder);
        for (TControl* c : windowed) {
            sequence.push_back(&c->widget());
            self(self, c->widget());
        }
    };
    visit(visit, *client_);
    for (std::size_t i = 1; i < sequence.size(); ++i)
        QWidget::setTabOrder(sequence[i - 1], sequence[i]);
}

QWidget* TForm::clientArea() const
{
    return client_;
}

// Ranges, bars, positions and the layout, recomputed together whenever a
// control of the window shows, hides, moves or changes size, and whenever
// the window does. A bar that comes or goes changes the visible area, so
// the decision is repeated until it holds.
void TForm::realign()
{
    if (loading_ || aligning_)
        return;
    aligning_ = true;
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<RangeChild> children;
        for (TControl* c : childControls(*client_))
            children.push_back({c->align(), c->anchors(), c->Visible(), c->bounds()});
        const int h = scrollRange(Axis::Horizontal, children, horz_.position_, horz_.margin_);
        const int v = scrollRange(Axis::Vertical, children, vert_.position_, vert_.margin_);
        const ScrollBars bars = decideScrollBars(h, v, width(), height(), thickness);
        const bool settled = h == horz_.range_ && v == vert_.range_ && bars.horizontal == horz_.shown_ &&
                             bars.vertical == vert_.shown_ && pass > 0;
        horz_.range_ = h;
        vert_.range_ = v;
        placeScrollBars(bars.horizontal, bars.vertical, std::max(0, width() - (bars.vertical ? thickness : 0)),
                        std::max(0, height() - (bars.horizontal ? thickness : 0)), thickness);
        setScrollPosition(Axis::Horizontal, horz_.position_);
        setScrollPosition(Axis::Vertical, vert_.position_);
        layOutContent();
        if (settled)
            break;
    }
    aligning_ = false;
}

void TForm::placeScrollBars(bool horizontal, bool vertical, int visibleWidth, int visibleHeight, int thickness)
{
    client_->setGeometry(0, 0, visibleWidth, visibleHeight);
    horz_.shown_ = horizontal;
    vert_.shown_ = vertical;
    const QRect places[] = {{0, visibleHeight, visibleWidth, thickness}, {visibleWidth, 0, thickness, visibleHeight}};
    for (TControlScrollBar* s : {&horz_, &vert_}) {
        const bool across = s->kind() == Axis::Horizontal;
        const int visible = across ? visibleWidth : visibleHeight;
        const QSignalBlocker quiet(s->bar_);
        s->bar_->setRange(0, maxScrollPosition(s->range_, visible));
        s->bar_->setPageStep(std::max(1, visible));  // a page is the whole visible extent
        s->bar_->setGeometry(places[across ? 0 : 1]);
        s->bar_->setVisible(s->shown_);
    }
}

void TForm::layOutContent()
{
    alignChildren(*client_, scrollLayoutRect(horz_.position_, vert_.position_, horz_.range_, vert_.range_,
                                             client_->width(), client_->height()));
}

void TForm::setScrollPosition(Axis axis, int position)
{
    TControlScrollBar& s = axis == Axis::Horizontal ? horz_ : vert_;
    const int visible = axis == Axis::Horizontal ? client_->width() : client_->height();
    const int value = clampScrollPosition(position, s.range_, visible);
    const int delta = s.position_ - value;
    if (delta != 0) {
        s.position_ = value;
        // Every control moves, shown or hidden, and the pixels move with them.
        client_->scroll(axis == Axis::Horizontal ? delta : 0, axis == Axis::Vertical ? delta : 0);
        if (!aligning_)
            layOutContent();
    }
    const QSignalBlocker quiet(s.bar_);
    s.bar_->setValue(value);
}

void TForm::focusMoved(QWidget* from, QWidget* to)
{
    if (!to || to == from || to == this || to->window() != this || loading_ || !asControl(to))
        return;
    // The control's inner area, inside its border, in content coordinates.
    const auto* frame = qobject_cast<QFrame*>(to);
    const QRect inner = frame ? frame->contentsRect() : to->rect();
    const QPoint topLeft = to->mapTo(client_, inner.topLeft()) + QPoint(horz_.position_, vert_.position_);
    setScrollPosition(Axis::Horizontal, scrollToShow(horz_.position_, client_->width(), topLeft.x(),
                                                     topLeft.x() + inner.width()));
    setScrollPosition(Axis::Vertical, scrollToShow(vert_.position_, client_->height(), topLeft.y(),
                                                   topLeft.y() + inner.height()));
}

bool TForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != this)
        return false;
    // The wheel never scrolls the window: it belongs to the focused text box,
    // wherever the pointer is, and does nothing when no box has the focus.
    QWidget* focused = activeControl();
    if (!focused || !asControl(focused) || asControl(focused)->kind() != TControl::Kind::Windowed)
        return true;
    if (focused == target || focused->isAncestorOf(target))
        return false;
    QCoreApplication::sendEvent(focused, event);
    return true;
}

void TForm::focusLeaving(QWidget& leaving)
{
    QWidget* focused = focusWidget();
    if (focused && (focused == &leaving || leaving.isAncestorOf(focused)))
        setFocus(Qt::OtherFocusReason);
}

QWidget* TForm::activeControl() const
{
    QWidget* focused = focusWidget();
    return focused == this ? nullptr : focused;
}

void TForm::focusFirstTabStop()
{
    focusNextPrevChild(true);
}

void TForm::showInState()
{
    switch (windowState_) {
    case WindowState::Maximized:
        showMaximized();
        break;
    case WindowState::Minimized:
        showMinimized();
        break;
    case WindowState::Normal:
        showNormal();
        break;
    }
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    realign();
    retryRestoredPlacement();
}

void TForm::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The window itself holds the focus only after a hidden control gave it
    // up; its next activation hands it to the first control that takes it.
    if (event->reason() == Qt::ActiveWindowFocusReason && QWidget::focusWidget() == this)
        focusFirstTabStop();
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!focusWidget())
        focusFirstTabStop();
}

void TForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (Application && Application->MainForm() == this)
        Application->Terminate();
}

void TForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || windowHandle() == nullptr)
        return;
    const Qt::WindowStates state = QWidget::windowState();
    if (state & Qt::WindowMinimized)
        windowState_ = WindowState::Minimized;
    else if (state & Qt::WindowMaximized)
        windowState_ = WindowState::Maximized;
    else
        windowState_ = WindowState::Normal;
    // The first time the window is shown normal, its outer frame takes the
    // stored bounds. The frame's thickness is known only once the window
    // manager has framed the window in that state, so the placement is
    // repeated on the moves and resizes that follow until the frame fits.
    if (windowState_ == WindowState::Normal && !restoredOnce_) {
        restoredOnce_ = true;
        placementTries_ = 6;
        frameWatcher_ = std::make_unique<FrameExtentsWatcher>(*this, [this] { retryRestoredPlacement(); });
        QMetaObject::invokeMethod(this, &TForm::placeAtRestoredBounds, Qt::QueuedConnection);
    }
}

void TForm::retryRestoredPlacement()
{
    if (placementTries_ <= 0)
        return;
    --placementTries_;
    QMetaObject::invokeMethod(this, &TForm::placeAtRestoredBounds, Qt::QueuedConnection);
}

void TForm::placeAtRestoredBounds()
{
    if (windowState_ != WindowState::Normal) {
        placementTries_ = 0;
        frameWatcher_.reset();
        return;
    }
    const QRect client = geometry();
    const QMargins frame = windowFrameExtents(*this).value_or(QMargins(
        client.left() - frameGeometry().left(), client.top() - frameGeometry().top(),
        frameGeometry().right() - client.right(), frameGeometry().bottom() - client.bottom()));
    const Bounds& b = restoredBounds_;
    const QRect wanted(b.left + frame.left(), b.top + frame.top(),
                       std::max(1, b.width - frame.left() - frame.right()),
                       std::max(1, b.height - frame.top() - frame.bottom()));
    if (client != wanted)
        setGeometry(wanted);
    if (placementTries_ <= 0)
        frameWatcher_.reset();
}

void TForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    retryRestoredPlacement();
}

namespace {

TForm& form(QObject& o)
{
    return static_cast<TForm&>(o);
}

// The window's stored bounds are its outer frame when it is not maximised.
template <int Bounds::*field>
void setRestoredBound(QObject& o, const stream::Value& v, LoadContext&)
{
    Bounds b = form(o).restoredBounds();
    b.*field = asInteger(v);
    form(o).setRestoredBounds(b);
}

constexpr std::array<std::pair<std::string_view, WindowState>, 3> windowStateNames{{
    {"wsNormal", WindowState::Normal},
    {"wsMinimized", WindowState::Minimized},
    {"wsMaximized", WindowState::Maximized},
}};

TColor colourValue(const stream::Value& v)
{
    if (v.isInteger())
        return TColor::rgb(static_cast<std::uint32_t>(v.integer));
    if (auto c = TColor::fromName(asIdent(v)))
        return *c;
    throwInvalidValue();
}

void setFontStyle(QObject& o, const stream::Value& v, LoadContext&)
{
    if (v.tag != stream::ValueTag::Set)
        throwInvalidValue();
    TFont& f = form(o).storedFont();
    f.bold = f.italic = f.underline = f.strikeOut = false;
    for (std::string_view n : v.names) {
        if (n == "fsBold")
            f.bold = true;
        else if (n == "fsItalic")
            f.italic = true;
        else if (n == "fsUnderline")
            f.underline = true;
        else if (n == "fsStrikeOut")
            f.strikeOut = true;
        else
            throwInvalidValue();
    }
}

constexpr std::array<PropertyInfo, 15> formProperties{{
    {"Left", setRestoredBound<&Bounds::left>},
    {"Top", setRestoredBound<&Bounds::top>},
    {"Width", setRestoredBound<&Bounds::width>},
    {"Height", setRestoredBound<&Bounds::height>},
    {"Caption", [](QObject& o, const stream::Value& v, LoadContext&) { form(o).setWindowTitle(asText(v)); }},
    {"Color", [](QObject& o, const stream::Value& v, LoadContext&) { form(o).setColor(colourValue(v)); }},
    {"Font.Charset",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).storedFont().charset = asIdent(v); }},
    {"Font.Color",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).storedFont().color = colourValue(v); }},
    {"Font.Height",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).storedFont().height = asInteger(v); }},
    {"Font.Name",
     [](QObject& o, const stream::Value& v, LoadContext&) {
         form(o).storedFont().name = asText(v).toStdString();
     }},
    {"Font.Style", setFontStyle},
    {"OldCreateOrder",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).setOldCreateOrder(asBoolean(v)); }},
    {"WindowState",
     [](QObject& o, const stream::Value& v, LoadContext&) {
         form(o).setWindowState(asEnum<WindowState>(v, windowStateNames));
     }},
    {"PixelsPerInch",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).setPixelsPerInch(asInteger(v)); }},
    {"TextHeight",
     [](QObject& o, const stream::Value& v, LoadContext&) { form(o).setTextHeight(asInteger(v)); }},
}};

const ClassInfo formClass{"TForm", nullptr, nullptr, formProperties};

}  // namespace

const ClassInfo& TForm::classInfo()
{
    return formClass;
}

}  // namespace tcm::toolkit
