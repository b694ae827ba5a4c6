#pragma once

#include "graphic.h"
#include "graphics/jpeg_image.h"

namespace tcm::toolkit {

// A JPEG picture: keeps its file bytes, knows its size from the header, and
// decodes on its first draw, once.
class TJPEGImage : public TGraphic {
public:
    // Reads the header; throws EJPEG for a file the decoder refuses.
    explicit TJPEGImage(stream::Bytes file);

    int width() const override { return jpeg_.width(); }
    int height() const override { return jpeg_.height(); }
    bool grayscale() const { return jpeg_.isGrayscale(); }
    bool progressive() const { return jpeg_.isProgressive(); }
    // Decodes on the first call; a failed decode keeps the rows it reached and
    // raises EJPEG once, later draws show those rows.
    void draw(QPainter& painter, const QRect& dest, const QRect& clip) override;

    // How many times the picture was decoded (0 or 1).
    int decodeCount() const { return decodeCount_; }

private:
    graphics::JpegImage jpeg_;
    int decodeCount_ = 0;
};

// Registers the JPEG picture format ("jpeg", "jpg", "JPEG Image File").
void registerJpegFormat();

}  // namespace tcm::toolkit
