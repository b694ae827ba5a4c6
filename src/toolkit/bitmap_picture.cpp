#include "bitmap_picture.h"

#include "raster_drawing.h"

#include "graphics/bitmap_reader.h"
#include "graphics/graphic_error.h"

namespace tcm::toolkit {

namespace {

graphics::Raster readRaster(stream::Bytes file)
{
    try {
        return graphics::readBitmap(file, displayPixelFormat);
    } catch (const graphics::GraphicError& e) {
        throw EInvalidGraphic(e.what());
    }
}

}  // namespace

TBitmap::TBitmap(stream::Bytes file) : raster_(readRaster(file)) {}

void TBitmap::draw(QPainter& painter, const QRect& dest, const QRect& clip)
{
    drawRaster(painter, raster_, dest, clip);
}

void registerBitmapFormat()
{
    registerPictureFormat("bmp", "Bitmaps", "TBitmap", [](stream::Bytes file) -> std::unique_ptr<TGraphic> {
        return std::make_unique<TBitmap>(file);
    });
}

}  // namespace tcm::toolkit
