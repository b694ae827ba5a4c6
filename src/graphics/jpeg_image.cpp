#include "jpeg_image.h"

#include "jpeg_session.h"

#include <jerror.h>

#include <algorithm>

namespace tcm::graphics {
namespace {

// The steps below run inside JpegSession::run(): plain C data only (see
// JpegStep), and every refusal goes through libjpeg's error exit so that it
// reaches the caller as JpegError like the decoder's own errors.

struct HeaderFacts {
    std::uint64_t maxPixels;  // in: the pixel cap
    JDIMENSION width;         // out
    JDIMENSION height;
    bool grayscale;
    bool progressive;
};

// Reads the header up to the first scan (an image must follow) and refuses
// what this program does not decode, before anything is allocated for pixels.
void readCheckedHeader(j_decompress_ptr cinfo, HeaderFacts* facts) noexcept
{
    jpeg_read_header(cinfo, TRUE);
    // libjpeg stops at other precisions itself; this keeps the raster
    // layout's assumption in plain sight.
    if (cinfo->data_precision != 8)
        ERREXIT1(cinfo, JERR_BAD_PRECISION, cinfo->data_precision);
    // libjpeg converts only these to colour; CMYK, YCCK and unknown
    // component sets are refused.
    switch (cinfo->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        break;
    default:
        ERREXIT(cinfo, JERR_CONVERSION_NOTIMPL);
    }
    const std::uint64_t pixels = std::uint64_t{cinfo->image_width} * cinfo->image_height;
    if (pixels > facts->maxPixels)
        ERREXIT1(cinfo, JERR_IMAGE_TOO_BIG, static_cast<unsigned>(facts->maxPixels));
    facts->width = cinfo->image_width;
    facts->height = cinfo->image_height;
    facts->grayscale = cinfo->num_components == 1;
    facts->progressive = jpeg_has_multiple_scans(cinfo) != FALSE;
}

void readHeaderStep(j_decompress_ptr cinfo, void* context) noexcept
{
    readCheckedHeader(cinfo, static_cast<HeaderFacts*>(context));
}

struct DecodeStart {
    HeaderFacts header;
    J_COLOR_SPACE outColorSpace;
    int outComponents;
};

// Reads the header again and starts a full-size, full-colour decode. A file
// with more than one scan is read to its end here.
void startStep(j_decompress_ptr cinfo, void* context) noexcept
{
    auto* start = static_cast<DecodeStart*>(context);
    readCheckedHeader(cinfo, &start->header);
    cinfo->scale_num = 1;
    cinfo->scale_denom = 1;
    cinfo->out_color_space = start->outColorSpace;  // greyscale files come out as colour too
    cinfo->dct_method = JDCT_FLOAT;
    cinfo->do_fancy_upsampling = TRUE;
    cinfo->do_block_smoothing = TRUE;
    cinfo->buffered_image = FALSE;
    cinfo->quantize_colors = FALSE;
    jpeg_start_decompress(cinfo);
    // The rows are written into a raster of exactly this shape.
    if (cinfo->output_width != start->header.width || cinfo->output_height != start->header.height ||
        cinfo->output_components != start->outComponents)
        ERREXIT(cinfo, JERR_CONVERSION_NOTIMPL);
}

struct RowTarget {
    std::uint8_t* first;
    std::size_t stride;
    JDIMENSION rowsRead = 0;
};

// Reads every row, top to bottom, straight into the raster, then finishes.
// After a fatal error the rows read so far are already in place.
void readRowsStep(j_decompress_ptr cinfo, void* context) noexcept
{
    constexpr JDIMENSION batch = 16;
    auto* target = static_cast<RowTarget*>(context);
    JSAMPROW rows[batch];
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION y = cinfo->output_scanline;
        const JDIMENSION count = std::min(batch, cinfo->output_height - y);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = target->first + static_cast<std::size_t>(y + i) * target->stride;
        // The source never suspends, so libjpeg always delivers a row or
        // more; if it did not, finishing below reports the missing rows.
        if (jpeg_read_scanlines(cinfo, rows, count) == 0)
            break;
        target->rowsRead = cinfo->output_scanline;
    }
    jpeg_finish_decompress(cinfo);
}

std::uint64_t pixelCap(const JpegLimits& limits)
{
    return std::min(limits.maxPixels, maxRasterPixels);
}

}  // namespace

JpegImage JpegImage::fromFile(stream::Bytes file, PixelFormat format, const JpegLimits& limits)
{
    JpegImage image;
    image.file_.assign(file.begin(), file.end());
    image.format_ = format;
    image.limits_ = limits;
    if (image.file_.empty())
        return image;  // nothing to parse; decoding it later fails

    HeaderFacts facts{pixelCap(limits), 0, 0, false, false};
    JpegSession session(image.file_, limits);
    session.run(readHeaderStep, &facts);
    image.width_ = static_cast<int>(facts.width);
    image.height_ = static_cast<int>(facts.height);
    image.grayscale_ = facts.grayscale;
    image.progressive_ = facts.progressive;
    return image;
}

const Raster& JpegImage::decode()
{
    if (decoded_)
        return raster_;
    decoded_ = true;  // one attempt only, whatever its outcome

    const bool xrgb = format_ == PixelFormat::Xrgb32;
    DecodeStart start{{pixelCap(limits_), 0, 0, false, false}, xrgb ? JCS_EXT_BGRX : JCS_RGB, xrgb ? 4 : 3};
    JpegSession session(file_, limits_);
    session.run(startStep, &start);

    // Outside libjpeg's frames: the size is within the cap, checked above.
    raster_ = Raster(static_cast<int>(start.header.width), static_cast<int>(start.header.height), format_);
    RowTarget target{raster_.row(0), raster_.stride()};
    try {
        session.run(readRowsStep, &target);
    } catch (...) {
        // The rows the decoder never reached show as opaque black.
        raster_.fillBlack(static_cast<int>(target.rowsRead));
        throw;
    }
    return raster_;
}

}  // namespace tcm::graphics
