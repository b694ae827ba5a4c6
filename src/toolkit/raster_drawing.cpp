#include "raster_drawing.h"

#include <QPainter>

namespace tcm::toolkit {

QImage imageView(const graphics::Raster& raster)
{
    if (raster.empty())
        return {};
    const QImage::Format format = raster.format() == graphics::PixelFormat::Xrgb32 ? QImage::Format_RGB32
                                                                                    : QImage::Format_RGB888;
    return QImage(raster.row(0), raster.width(), raster.height(), static_cast<qsizetype>(raster.stride()),
                  format);
}

void drawRaster(QPainter& painter, const graphics::Raster& raster, const QRect& dest, const QRect& clip)
{
    const QRect target = dest & clip;
    if (target.isEmpty() || raster.empty())
        return;
    const QImage image = imageView(raster);
    if (dest.size() == image.size()) {
        // One picture pixel per screen pixel: copy just the part being repainted.
        painter.drawImage(target.topLeft(), image, target.translated(-dest.topLeft()));
        return;
    }
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.drawImage(dest, image);
    painter.restore();
}

}  // namespace tcm::toolkit
