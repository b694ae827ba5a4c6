#include "control.h"

#include "display_scaling.h"
#include "form.h"
#include "property_values.h"

#include <QWidget>

#include <algorithm>
#include <array>

namespace tcm::toolkit {

namespace {

unsigned nextCreationIndex = 0;

constexpr std::array<std::pair<std::string_view, Align>, 6> alignNames{{
    {"alNone", Align::None},
    {"alTop", Align::Top},
    {"alBottom", Align::Bottom},
    {"alLeft", Align::Left},
    {"alRight", Align::Right},
    {"alClient", Align::Client},
}};

TControl& control(QObject& o)
{
    return *asControl(&o);
}

// One stored edge or extent of the control's bounds.
template <int Bounds::*field>
void setBoundsField(QObject& o, const stream::Value& v, LoadContext&)
{
    Bounds b = control(o).bounds();
    b.*field = asInteger(v);
    control(o).setBounds(b);
}

void setVisible(QObject& o, const stream::Value& v, LoadContext&)
{
    control(o).SetVisible(asBoolean(v));
}

void setAlignProperty(QObject& o, const stream::Value& v, LoadContext&)
{
    control(o).setAlign(asEnum<Align>(v, alignNames));
}

void setTabOrderProperty(QObject& o, const stream::Value& v, LoadContext&)
{
    control(o).setTabOrder(asInteger(v));
}

constexpr std::array<PropertyInfo, 7> controlProperties{{
    {"Left", setBoundsField<&Bounds::left>},
    {"Top", setBoundsField<&Bounds::top>},
    {"Width", setBoundsField<&Bounds::width>},
    {"Height", setBoundsField<&Bounds::height>},
    {"Visible", setVisible},
    {"Align", setAlignProperty},
    {"TabOrder", setTabOrderProperty},
}};

const ClassInfo controlClass{"TControl", nullptr, nullptr, controlProperties};

}  // namespace

TControl::TControl(QWidget& self, Kind kind)
    : self_(self), kind_(kind), creationIndex_(nextCreationIndex++)
{
}

TControl::~TControl() = default;

const ClassInfo& TControl::classInfo()
{
    return controlClass;
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    if (!visible) {
        if (TForm* f = form())
            f->focusLeaving(self_);
    }
    self_.setVisible(visible);  // schedules the repaint of the area it covers
    realignParent();
}

void TControl::setAlign(Align align)
{
    if (align == align_)
        return;
    align_ = align;
    realignParent();
}

Bounds TControl::bounds() const
{
    const QRect g = self_.geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void TControl::setBounds(Bounds b)
{
    if (b == bounds())
        return;
    self_.setGeometry(b.left, b.top, std::max(0, b.width), std::max(0, b.height));
    realignParent();
}

void TControl::scaleLayout(int measured, int stored)
{
    setBounds(scaleBounds(bounds(), measured, stored));
}

TForm* TControl::form() const
{
    return dynamic_cast<TForm*>(self_.window());
}

void TControl::realignParent()
{
    if (auto* container = dynamic_cast<TContainer*>(self_.parentWidget()))
        container->realign();
}

TControl* asControl(QObject* object)
{
    return dynamic_cast<TControl*>(object);
}

std::vector<TControl*> childControls(const QWidget& parent)
{
    std::vector<TControl*> controls;
    for (QObject* child : parent.children())
        if (TControl* c = asControl(child))
            controls.push_back(c);
    std::ranges::sort(controls, {}, &TControl::creationIndex);
    return controls;
}

void restackChildren(QWidget& parent)
{
    const std::vector<TControl*> controls = childControls(parent);
    for (TControl::Kind kind : {TControl::Kind::Graphic, TControl::Kind::Windowed})
        for (TControl* c : controls)
            if (c->kind() == kind)
                c->widget().raise();
    for (TControl* c : controls)
        restackChildren(c->widget());
}

void notifyLoaded(QWidget& window)
{
    // All descendants, also those on widgets of the window that are not controls.
    for (QWidget* w : window.findChildren<QWidget*>())
        if (TControl* c = asControl(w))
            c->loaded();
}

void alignChildren(QWidget& parent, Bounds area)
{
    const std::vector<TControl*> controls = childControls(parent);
    std::vector<AlignItem> items;
    items.reserve(controls.size());
    for (TControl* c : controls)
        items.push_back({c->align(), c->Visible(), c->bounds()});
    alignWithin(area, items);
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (items[i].align != Align::None && items[i].visible)
            controls[i]->setBounds(items[i].bounds);
}

}  // namespace tcm::toolkit
