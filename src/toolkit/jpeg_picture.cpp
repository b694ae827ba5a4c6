#include "jpeg_picture.h"

#include "raster_drawing.h"

#include "graphics/graphic_error.h"

namespace tcm::toolkit {

namespace {

graphics::JpegImage readHeader(stream::Bytes file)
{
    try {
        return graphics::JpegImage::fromFile(file, displayPixelFormat);
    } catch (const graphics::GraphicError& e) {
        throw EJPEG(e.what());
    }
}

}  // namespace

TJPEGImage::TJPEGImage(stream::Bytes file) : jpeg_(readHeader(file)) {}

void TJPEGImage::draw(QPainter& painter, const QRect& dest, const QRect& clip)
{
    if (!jpeg_.isDecoded())
        ++decodeCount_;
    const graphics::Raster* raster = nullptr;
    try {
        raster = &jpeg_.decode();  // decodes the first time only
    } catch (const graphics::GraphicError& e) {
        throw EJPEG(e.what());
    }
    drawRaster(painter, *raster, dest, clip);
}

void registerJpegFormat()
{
    registerPictureFormat("jpeg;jpg", "JPEG Image File", "TJPEGImage",
                          [](stream::Bytes file) -> std::unique_ptr<TGraphic> {
                              return std::make_unique<TJPEGImage>(file);
                          });
}

}  // namespace tcm::toolkit
