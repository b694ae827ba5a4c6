#include "svg_render.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstring>
#include <stdexcept>

namespace tcm::tools {

namespace {

QSvgRenderer& load(QSvgRenderer& renderer, const std::string& path)
{
    if (!renderer.load(QString::fromStdString(path)))
        throw std::runtime_error("cannot read SVG file " + path);
    return renderer;
}

}  // namespace

SvgSize svgDeclaredSize(const std::string& path)
{
    QSvgRenderer renderer;
    const QSize size = load(renderer, path).defaultSize();
    return {size.width(), size.height()};
}

RgbImage renderSvg(const std::string& path, int width, int height)
{
    QSvgRenderer renderer;
    load(renderer, path);

    // The pictures have no transparency: everything is drawn over white.
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }

    const QImage rgb = canvas.convertToFormat(QImage::Format_RGB888);
    RgbImage out{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(out.pixels.data() + y * rowBytes, rgb.constScanLine(y), rowBytes);
    return out;
}

}  // namespace tcm::tools
