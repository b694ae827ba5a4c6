#include "image.h"

#include "property_values.h"

#include <array>

namespace tcm::toolkit {

TImage::TImage(QWidget* parent) : QWidget(parent), TControl(*this, Kind::Graphic)
{
    setFocusPolicy(Qt::NoFocus);
}

void TImage::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void TImage::setCenter(bool on)
{
    center_ = on;
    update();
}

void TImage::setProportional(bool on)
{
    proportional_ = on;
    update();
}

void TImage::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

namespace {

TImage& image(QObject& o)
{
    return static_cast<TImage&>(o);
}

constexpr std::array<PropertyInfo, 5> imageProperties{{
    {"AutoSize", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setAutoSize(asBoolean(v)); }},
    {"Stretch", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setStretch(asBoolean(v)); }},
    {"Center", [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setCenter(asBoolean(v)); }},
    {"Proportional",
     [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setProportional(asBoolean(v)); }},
    {"Transparent",
     [](QObject& o, const stream::Value& v, LoadContext&) { image(o).setTransparent(asBoolean(v)); }},
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
