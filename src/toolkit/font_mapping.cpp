#include "font_mapping.h"

#include <QFontMetrics>

#include <array>
#include <utility>

namespace tcm::toolkit {

QString mappedFamily(const std::string& storedName)
{
    // Bitmap faces of the other desktop have no file here; a sans face of
    // the same metrics takes their place. Ideographs fall back to an
    // installed CJK face through fontconfig.
    static constexpr std::array<std::pair<std::string_view, const char*>, 3> substitutes{{
        {"MS Sans Serif", "DejaVu Sans"},
        {"MS Shell Dlg", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
    }};
    for (const auto& [stored, installed] : substitutes)
        if (stored == storedName)
            return QString::fromLatin1(installed);
    return QString::fromStdString(storedName);
}

QFont toQFont(const TFont& font)
{
    QFont f(mappedFamily(font.name));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    if (font.height < 0) {
        f.setPixelSize(-font.height);
    } else if (font.height > 0) {
        // A cell height: the largest pixel size whose line fits in it.
        int size = font.height;
        f.setPixelSize(size);
        while (size > 1 && QFontMetrics(f).height() > font.height)
            f.setPixelSize(--size);
    }
    return f;
}

}  // namespace tcm::toolkit
