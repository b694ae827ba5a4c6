#include "svg_render.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <stdexcept>

namespace tcm::tools {

namespace {

void load(QSvgRenderer& renderer, const std::string& path)
{
    if (!renderer.load(QString::fromStdString(path)))
        throw std::runtime_error("cannot read SVG file " + path);
}

}  // namespace

void checkSvgSize(const std::string& path, int width, int height)
{
    QSvgRenderer renderer;
    load(renderer, path);
    const QSize declared = renderer.defaultSize();
    if (declared != QSize(width, height))
        throw std::runtime_error(path + " declares " + std::to_string(declared.width()) + " x " +
                                 std::to_string(declared.height()) + ", expected " + std::to_string(width) +
                                 " x " + std::to_string(height));
}

QImage renderSvg(const std::string& path, int width, int height)
{
    QSvgRenderer renderer;
    load(renderer, path);
    // The shipped pictures have no transparency: everything is drawn over white.
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, width, height));
    return canvas;
}

}  // namespace tcm::tools
