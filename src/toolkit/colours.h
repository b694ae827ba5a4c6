#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tcm::toolkit {

// A stored colour: one of the desktop's system colours, or a fixed RGB value.
class TColor {
public:
    enum class System { None, BtnFace, BtnShadow, BtnHighlight, Window, WindowText };

    static TColor system(System s) { return TColor(s, 0); }
    static TColor rgb(std::uint32_t rgb) { return TColor(System::None, rgb); }
    // "clBtnFace", "clRed", ...; no value for an unknown name.
    static std::optional<TColor> fromName(std::string_view name);

    // The colour to draw with, following the user's colour scheme for system colours.
    QColor resolve(const QPalette& palette) const;

    friend bool operator==(const TColor&, const TColor&) = default;

private:
    TColor(System s, std::uint32_t rgb) : system_(s), rgb_(rgb) {}
    System system_;
    std::uint32_t rgb_;  // 0x00BBGGRR, the stored byte order
};

inline const TColor clBtnFace = TColor::system(TColor::System::BtnFace);
inline const TColor clBtnShadow = TColor::system(TColor::System::BtnShadow);
inline const TColor clBtnHighlight = TColor::system(TColor::System::BtnHighlight);
inline const TColor clWindow = TColor::system(TColor::System::Window);
inline const TColor clWindowText = TColor::system(TColor::System::WindowText);

}  // namespace tcm::toolkit
