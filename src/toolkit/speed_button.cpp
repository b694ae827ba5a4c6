#include "speed_button.h"

#include "exceptions.h"
#include "property_values.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <array>

namespace tcm::toolkit {

TSpeedButton::TSpeedButton(QWidget* parent) : QWidget(parent), TControl(*this, Kind::Graphic)
{
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    update();
}

void TSpeedButton::press()
{
    tracking_ = true;
    setState(State::Down);
}

// While the left button is held, the mouse stays with this button (the
// platform's implicit grab) until it is released.
void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        press();
}

// The second press of a double click is a press like any other.
void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        press();
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (tracking_)
        setState(rect().contains(event->position().toPoint()) ? State::Down : State::Up);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !tracking_)
        return;
    tracking_ = false;
    const bool over = rect().contains(event->position().toPoint());
    setState(State::Up);
    if (over)
        emit Click(this);
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&p, rect(), palette(), state_ == State::Down, &face);
}

namespace {

// The published method of the window with that name that takes the sender.
QMetaMethod findHandler(const QObject& root, std::string_view name)
{
    const QMetaObject* meta = root.metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.access() == QMetaMethod::Public && m.methodType() != QMetaMethod::Signal &&
            m.name() == QByteArrayView(name.data(), static_cast<qsizetype>(name.size())) &&
            m.parameterCount() == 1 && m.parameterMetaType(0) == QMetaType::fromType<QObject*>())
            return m;
    }
    return {};
}

void setOnClick(QObject& o, const stream::Value& v, LoadContext& context)
{
    const std::string_view name = asIdent(v);
    const QMetaMethod handler = findHandler(context.root(), name);
    if (!handler.isValid())
        throw EMethodNotFound("Method " + std::string(name) + " not found");
    QObject::connect(&o, QMetaMethod::fromSignal(&TSpeedButton::Click), &context.root(), handler);
}

constexpr std::array<PropertyInfo, 1> speedButtonProperties{{
    {"OnClick", setOnClick},
}};

const ClassInfo speedButtonClass{"TSpeedButton", &TControl::classInfo(),
                                 [](QWidget* parent) -> QObject* { return new TSpeedButton(parent); },
                                 speedButtonProperties};

}  // namespace

const ClassInfo& TSpeedButton::classInfo()
{
    return speedButtonClass;
}

}  // namespace tcm::toolkit
