#include "image.h"

#include "property_values.h"

#include "graphics/graphic_error.h"
#include "graphics/picture_value.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <exception>

namespace tcm::toolkit {

TImage::TImage(QWidget* parent) : QWidget(parent), TControl(*this, Kind::Graphic)
{
    setFocusPolicy(Qt::NoFocus);
}

TImage::~TImage() = default;

void TImage::setPicture(std::unique_ptr<TGraphic> picture)
{
    picture_ = std::move(picture);
    pictureChanged();
}

void TImage::pictureChanged()
{
    if (autoSize_ && picture_ && !picture_->empty()) {
        const Bounds b = bounds();
        TControl::setBounds({b.left, b.top, picture_->width(), picture_->height()});
    }
    // A picture without transparency that covers the whole control hides what
    // lies behind it, so that need not be painted first.
    const Bounds dest = destination();
    const bool covers = picture_ && !picture_->empty() && !transparent_ && dest.left <= 0 && dest.top <= 0 &&
                        dest.right() >= width() && dest.bottom() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

void TImage::setBounds(Bounds b)
{
    if (autoSize_ && picture_ && !picture_->empty()) {
        b.width = picture_->width();
        b.height = picture_->height();
    }
    TControl::setBounds(b);
    pictureChanged();
}

void TImage::setAutoSize(bool on)
{
    autoSize_ = on;
    pictureChanged();
}

void TImage::setStretch(bool on)
{
    settings_.stretch = on;
    pictureChanged();
}

void TImage::setCenter(bool on)
{
    settings_.center = on;
    pictureChanged();
}

void TImage::setProportional(bool on)
{
    settings_.proportional = on;
    pictureChanged();
}

void TImage::setTransparent(bool on)
{
    transparent_ = on;
    pictureChanged();
}

Bounds TImage::destination() const
{
    if (!picture_)
        return {};
    return pictureDestination(picture_->width(), picture_->height(), width(), height(), settings_);
}

void TImage::paintEvent(QPaintEvent* event)
{
    if (!picture_ || picture_->empty())
        return;
    const Bounds d = destination();
    QPainter painter(this);
    try {
        picture_->draw(painter, QRect(d.left, d.top, d.width, d.height), event->rect());
    } catch (...) {
        // The paint ends here; the error is shown once painting is over, so
        // no message box opens in the middle of a paint.
        QMetaObject::invokeMethod(
            this, [error = std::current_exception()] { std::rethrow_exception(error); }, Qt::QueuedConnection);
    }
}

namespace {

TImage& image(QObject& o)
{
    return static_cast<TImage&>(o);
}

// A stored picture: its class name chooses the format; a name of no
// registered format leaves the control without a picture, silently.
void setPictureData(QObject& o, const stream::Value& v, LoadContext&)
{
    if (v.tag != stream::ValueTag::Binary)
        throwInvalidValue();
    graphics::PictureValue value;
    try {
        value = graphics::readPictureValue(v.data);
    } catch (const graphics::GraphicError& e) {
        throw EInvalidGraphic(e.what());
    }
    const PictureFormat* format = findPictureClass(value.className);
    image(o).setPicture(format ? format->create(value.file) : nullptr);
}

constexpr std::array<PropertyInfo, 6> imageProperties{{
    {"AutoSize", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setAutoSize(asBoolean(v)); }},
    {"Stretch", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setStretch(asBoolean(v)); }},
    {"Center", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setCenter(asBoolean(v)); }},
    {"Proportional",
     [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setProportional(asBoolean(v)); }},
    {"Transparent",
     [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setTransparent(asBoolean(v)); }},
    {"Picture.Data", setPictureData},
}};

const ClassInfo imageClass{"TImage", &TControl::classInfo(),
                           [](QWidget* parent) -> QObject* { return new TImage(parent); },
                           imageProperties};

}  // namespace

const ClassInfo& TImage::classInfo()
{
    return imageClass;
}

}  // namespace tcm::toolkit
