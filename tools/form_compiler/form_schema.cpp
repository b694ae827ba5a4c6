#include "form_compiler/form_schema.h"

#include <array>

namespace tcm::tools {

namespace {

using K = ValueKind;

// ---- Identifier tables ----------------------------------------------------

constexpr std::string_view kAlign[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
constexpr std::string_view kAnchors[] = {"akLeft", "akTop", "akRight", "akBottom"};
constexpr std::string_view kBevel[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::string_view kWindowState[] = {"wsNormal", "wsMinimized", "wsMaximized"};
constexpr std::string_view kFormBorderStyle[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr std::string_view kControlBorderStyle[] = {"bsNone", "bsSingle"};
constexpr std::string_view kBorderIcons[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr std::string_view kPosition[] = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                          "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                          "poOwnerFormCenter"};
constexpr std::string_view kAlignment[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kScrollBars[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr std::string_view kButtonLayout[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr std::string_view kFontStyle[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::string_view kFontPitch[] = {"fpDefault", "fpVariable", "fpFixed"};

constexpr std::string_view kCharset[] = {
    "ANSI_CHARSET",    "DEFAULT_CHARSET", "SYMBOL_CHARSET",     "MAC_CHARSET",     "SHIFTJIS_CHARSET",
    "HANGEUL_CHARSET", "JOHAB_CHARSET",   "GB2312_CHARSET",     "CHINESEBIG5_CHARSET",
    "GREEK_CHARSET",   "TURKISH_CHARSET", "VIETNAMESE_CHARSET", "HEBREW_CHARSET",  "ARABIC_CHARSET",
    "BALTIC_CHARSET",  "RUSSIAN_CHARSET", "THAI_CHARSET",       "EASTEUROPE_CHARSET", "OEM_CHARSET",
};

// The sixteen basic colours, a few extras, and the system colours that
// follow the desktop theme.
constexpr std::string_view kColor[] = {
    "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray",
    "clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite",
    "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray", "clNone", "clDefault",
    "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
    "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder",
    "clInactiveBorder", "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace",
    "clBtnShadow", "clGrayText", "clBtnText", "clInactiveCaptionText", "clBtnHighlight",
    "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk",
};

constexpr std::string_view kCursor[] = {
    "crDefault", "crNone", "crArrow", "crCross", "crIBeam", "crSizeNESW", "crSizeNS", "crSizeNWSE",
    "crSizeWE", "crUpArrow", "crHourGlass", "crDrag", "crNoDrop", "crHSplit", "crVSplit", "crNo",
    "crAppStart", "crHelp", "crHandPoint", "crSizeAll",
};

// ---- Groups shared by several classes --------------------------------------

// Every visible control.
constexpr PropertySchema kControl[] = {
    {"Left", K::Integer},        {"Top", K::Integer},
    {"Width", K::Integer},       {"Height", K::Integer},
    {"Align", K::Enum, kAlign},  {"Anchors", K::Set, kAnchors},
    {"Visible", K::Boolean},     {"Enabled", K::Boolean},
    {"Hint", K::Text},           {"ShowHint", K::Boolean},
    {"ParentShowHint", K::Boolean}, {"Cursor", K::EnumOrInteger, kCursor},
    {"Tag", K::Integer},         {"OnClick", K::Event},
    {"OnDblClick", K::Event},
};

// Controls that draw text in a font of their own.
constexpr PropertySchema kFont[] = {
    {"Font.Charset", K::EnumOrInteger, kCharset}, {"Font.Color", K::EnumOrInteger, kColor},
    {"Font.Height", K::Integer},                  {"Font.Name", K::Text},
    {"Font.Style", K::Set, kFontStyle},           {"Font.Pitch", K::Enum, kFontPitch},
    {"ParentFont", K::Boolean},
};

// Controls that can take the keyboard focus.
constexpr PropertySchema kFocusable[] = {
    {"TabOrder", K::Integer}, {"TabStop", K::Boolean}, {"OnEnter", K::Event}, {"OnExit", K::Event},
};

// ---- Classes, each with its own properties ---------------------------------

constexpr PropertySchema kFormOwn[] = {
    {"Caption", K::Text},
    {"ClientWidth", K::Integer},
    {"ClientHeight", K::Integer},
    {"Color", K::EnumOrInteger, kColor},
    {"OldCreateOrder", K::Boolean},
    {"WindowState", K::Enum, kWindowState},
    {"Position", K::Enum, kPosition},
    {"BorderStyle", K::Enum, kFormBorderStyle},
    {"BorderIcons", K::Set, kBorderIcons},
    {"Icon.Data", K::Bytes},
    {"KeyPreview", K::Boolean},
    {"Scaled", K::Boolean},
    {"PixelsPerInch", K::Integer},
    {"TextHeight", K::Integer},
    {"OnCreate", K::Event},
    {"OnDestroy", K::Event},
    {"OnShow", K::Event},
    {"OnClose", K::Event},
    {"OnResize", K::Event},
};

constexpr PropertySchema kPanelOwn[] = {
    {"Caption", K::Text},
    {"Color", K::EnumOrInteger, kColor},
    {"ParentColor", K::Boolean},
    {"Alignment", K::Enum, kAlignment},
    {"BevelInner", K::Enum, kBevel},
    {"BevelOuter", K::Enum, kBevel},
    {"BevelWidth", K::Integer},
    {"BorderWidth", K::Integer},
    {"BorderStyle", K::Enum, kControlBorderStyle},
    {"OnResize", K::Event},
};

constexpr PropertySchema kImageOwn[] = {
    {"AutoSize", K::Boolean},    {"Center", K::Boolean},      {"Stretch", K::Boolean},
    {"Proportional", K::Boolean}, {"Transparent", K::Boolean}, {"Picture.Data", K::Bytes},
};

constexpr PropertySchema kSpeedButtonOwn[] = {
    {"Caption", K::Text},        {"Flat", K::Boolean},     {"Glyph.Data", K::Bytes},
    {"NumGlyphs", K::Integer},   {"Layout", K::Enum, kButtonLayout},
    {"Margin", K::Integer},      {"Spacing", K::Integer},  {"GroupIndex", K::Integer},
    {"Down", K::Boolean},        {"AllowAllUp", K::Boolean},
};

constexpr PropertySchema kMemoOwn[] = {
    {"Lines.Strings", K::TextList}, {"Color", K::EnumOrInteger, kColor},
    {"ParentColor", K::Boolean},    {"Alignment", K::Enum, kAlignment},
    {"BorderStyle", K::Enum, kControlBorderStyle},
    {"ReadOnly", K::Boolean},       {"WordWrap", K::Boolean},
    {"ScrollBars", K::Enum, kScrollBars},
    {"MaxLength", K::Integer},      {"OnChange", K::Event},
};

const std::array<ClassSchema, 6>& classes()
{
    // TForm1 is the application's own window class; it stores what a form does.
    static const std::array<ClassSchema, 6> all = {{
        {"TForm", {kControl, kFont, kFormOwn}},
        {"TForm1", {kControl, kFont, kFormOwn}},
        {"TPanel", {kControl, kFont, kFocusable, kPanelOwn}},
        {"TImage", {kControl, kImageOwn}},
        {"TSpeedButton", {kControl, kFont, kSpeedButtonOwn}},
        {"TMemo", {kControl, kFont, kFocusable, kMemoOwn}},
    }};
    return all;
}

}  // namespace

const PropertySchema* ClassSchema::find(std::string_view property) const noexcept
{
    for (std::span<const PropertySchema> group : groups)
        for (const PropertySchema& p : group)
            if (p.name == property)
                return &p;
    return nullptr;
}

const ClassSchema* findClass(std::string_view className) noexcept
{
    for (const ClassSchema& c : classes())
        if (c.name == className)
            return &c;
    return nullptr;
}

std::vector<std::string_view> knownClassNames()
{
    std::vector<std::string_view> names;
    for (const ClassSchema& c : classes())
        names.push_back(c.name);
    return names;
}

std::string_view describe(ValueKind kind) noexcept
{
    switch (kind) {
    case K::Integer: return "an integer";
    case K::Boolean: return "true or false";
    case K::Text: return "a string";
    case K::Enum: return "an identifier";
    case K::EnumOrInteger: return "an identifier or an integer";
    case K::Set: return "a set";
    case K::Bytes: return "a byte block";
    case K::TextList: return "a list of strings";
    case K::Event: return "a method name";
    }
    return "a value";
}

}  // namespace tcm::tools
