#include "speed_button.h"

#include "bevel_painter.h"
#include "colours.h"
#include "exceptions.h"
#include "masked_image.h"
#include "property_values.h"
#include "raster_drawing.h"

#include "graphics/bitmap_reader.h"
#include "graphics/glyph_mask.h"
#include "graphics/glyph_value.h"
#include "graphics/graphic_error.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace tcm::toolkit {

TSpeedButton::TSpeedButton(QWidget* parent) : QWidget(parent), TControl(*this, Kind::Graphic)
{
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::setGlyph(graphics::Raster glyph)
{
    glyph_ = std::move(glyph);
    maskedGlyph_ = QImage();
    update();
}

// The glyph never changes after loading, so its mask is worked out once here
// rather than on every paint.
void TSpeedButton::loaded()
{
    maskedGlyph_ = maskedImage(glyph_, graphics::glyphMask(glyph_));
    update();
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
    // The classic push-button frame, two rings from the outside in:
    //   up:      highlight / dark shadow, then face / shadow (top-left / bottom-right)
    //   pressed: dark shadow / highlight, then shadow / face
    // around an inner area filled with the face colour.
    p.fillRect(rect(), clBtnFace.resolve(palette()));
    paintRings(p, pushButtonRings(width(), height(), state_ == State::Down), palette());
    // The glyph through its mask; the painter clips it to the button. No
    // caption is drawn.
    if (maskedGlyph_.isNull())
        return;
    const Bounds at = glyphPlacement(width(), height(), maskedGlyph_.width(), maskedGlyph_.height(), state_);
    p.drawImage(QPoint(at.left, at.top), maskedGlyph_);
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

// A stored glyph: [4-byte length][bitmap file]. An empty file leaves the
// button without a glyph.
void setGlyphData(QObject& o, const stream::Value& v, LoadContext&)
{
    if (v.tag != stream::ValueTag::Binary)
        throwInvalidValue();
    graphics::Raster glyph;
    try {
        const stream::Bytes file = graphics::readGlyphValue(v.data);
        if (!file.empty())
            glyph = graphics::readBitmap(file, displayPixelFormat);
    } catch (const graphics::GraphicError& e) {
        throw EInvalidGraphic(e.what());
    }
    static_cast<TSpeedButton&>(o).setGlyph(std::move(glyph));
}

constexpr std::array<PropertyInfo, 2> speedButtonProperties{{
    {"Glyph.Data", setGlyphData},
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
