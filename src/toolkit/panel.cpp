#include "panel.h"

#include "bevel_painter.h"

#include "form.h"
#include "property_values.h"

#include <QPaintEvent>
#include <QPainter>

#include <array>

namespace tcm::toolkit {

TPanel::TPanel(QWidget* parent) : QWidget(parent), TControl(*this, Kind::Windowed)
{
    setFocusPolicy(Qt::NoFocus);
    // The panel paints every pixel itself; what lies behind never shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setBevelInner(BevelCut cut)
{
    bevelInner_ = cut;
    changeFrame();
}

void TPanel::setBevelOuter(BevelCut cut)
{
    bevelOuter_ = cut;
    changeFrame();
}

void TPanel::setBevelWidth(int width)
{
    bevelWidth_ = std::max(1, width);
    changeFrame();
}

void TPanel::setBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    changeFrame();
}

void TPanel::setColor(TColor colour)
{
    color_ = colour;
    update();
}

void TPanel::changeFrame()
{
    realign();
    update();
}

void TPanel::realign()
{
    const TForm* f = form();
    if (aligning_ || (f && f->loading()))
        return;
    aligning_ = true;
    alignChildren(*this, panelAlignArea(width(), height(), bevelOuter_, bevelInner_, bevelWidth_,
                                        borderWidth_));
    aligning_ = false;
}

void TPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    realign();
    update();  // the bevel follows the edges, so all of it repaints
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const PanelFrame frame =
        panelFrame(width(), height(), bevelOuter_, bevelInner_, bevelWidth_, borderWidth_);
    p.fillRect(rect(), color_.resolve(pal));
    paintRings(p, frame.rings, pal);
    // No caption: a panel built from a description shows no text of its own.
}

namespace {

constexpr std::array<std::pair<std::string_view, BevelCut>, 4> bevelNames{{
    {"bvNone", BevelCut::None},
    {"bvLowered", BevelCut::Lowered},
    {"bvRaised", BevelCut::Raised},
    {"bvSpace", BevelCut::Space},
}};

TPanel& panel(QObject& o)
{
    return static_cast<TPanel&>(o);
}

constexpr std::array<PropertyInfo, 5> panelProperties{{
    {"BevelInner",
     [](QObject& o, const stream::Value& v, LoadContext&) {
         panel(o).setBevelInner(asEnum<BevelCut>(v, bevelNames));
     }},
    {"BevelOuter",
     [](QObject& o, const stream::Value& v, LoadContext&) {
         panel(o).setBevelOuter(asEnum<BevelCut>(v, bevelNames));
     }},
    {"BevelWidth",
     [](QObject& o, const stream::Value& v, LoadContext&) { panel(o).setBevelWidth(asInteger(v)); }},
    {"BorderWidth",
     [](QObject& o, const stream::Value& v, LoadContext&) { panel(o).setBorderWidth(asInteger(v)); }},
    {"Color",
     [](QObject& o, const stream::Value& v, LoadContext&) {
         const auto c = TColor::fromName(asIdent(v));
         if (!c)
             throwInvalidValue();
         panel(o).setColor(*c);
     }},
}};

const ClassInfo panelClass{"TPanel", &TControl::classInfo(),
                           [](QWidget* parent) -> QObject* { return new TPanel(parent); },
                           panelProperties};

}  // namespace

const ClassInfo& TPanel::classInfo()
{
    return panelClass;
}

}  // namespace tcm::toolkit
