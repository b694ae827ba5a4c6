#include "colours.h"

#include <array>
#include <utility>

namespace tcm::toolkit {

std::optional<TColor> TColor::fromName(std::string_view name)
{
    using S = System;
    static constexpr std::array<std::pair<std::string_view, S>, 5> systemNames{{
        {"clBtnFace", S::BtnFace},
        {"clBtnShadow", S::BtnShadow},
        {"clBtnHighlight", S::BtnHighlight},
        {"clWindow", S::Window},
        {"clWindowText", S::WindowText},
    }};
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 8> fixedNames{{
        {"clBlack", 0x000000},
        {"clWhite", 0xFFFFFF},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clBlue", 0xFF0000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clNavy", 0x800000},
    }};
    for (const auto& [n, s] : systemNames)
        if (n == name)
            return system(s);
    for (const auto& [n, value] : fixedNames)
        if (n == name)
            return rgb(value);
    return std::nullopt;
}

QColor TColor::resolve(const QPalette& palette) const
{
    // The palette roles that hold the desktop's classic 3-D colours.
    switch (system_) {
    case System::BtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case System::BtnShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case System::BtnHighlight:
        return palette.color(QPalette::Active, QPalette::Light);
    case System::Window:
        return palette.color(QPalette::Active, QPalette::Base);
    case System::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case System::None:
        break;
    }
    return QColor(rgb_ & 0xFF, (rgb_ >> 8) & 0xFF, (rgb_ >> 16) & 0xFF);
}

}  // namespace tcm::toolkit
