#pragma once

#include "graphic.h"
#include "graphics/raster.h"

namespace tcm::toolkit {

// A bitmap picture: its raster is read when the picture is loaded.
class TBitmap : public TGraphic {
public:
    // Throws EInvalidGraphic for a file the reader refuses.
    explicit TBitmap(stream::Bytes file);

    int width() const override { return raster_.width(); }
    int height() const override { return raster_.height(); }
    const graphics::Raster& raster() const { return raster_; }
    void draw(QPainter& painter, const QRect& dest, const QRect& clip) override;

private:
    graphics::Raster raster_;
};

// Registers the bitmap picture format ("bmp", "Bitmaps").
void registerBitmapFormat();

}  // namespace tcm::toolkit
