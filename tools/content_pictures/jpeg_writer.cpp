#include "jpeg_writer.h"

#include <cstdlib>
#include <stdexcept>

#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

namespace tcm::tools {

namespace {

// jpeg_mem_dest hands back a malloc'd buffer; this frees it on every path.
struct MallocBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    ~MallocBuffer() { std::free(data); }
};

void applySettings(jpeg_compress_struct& cinfo, const RgbImage& image, const JpegOptions& options)
{
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    // Defaults give YCbCr with components 1, 2, 3 sampled 2x2, 1x1, 1x1,
    // quantisation tables 0, 1, 1 and the standard Huffman tables (no
    // optimisation, no restart interval).
    jpeg_set_defaults(&cinfo);
    jpeg_set_linear_quality(&cinfo, options.tableScalePercent, TRUE);
    cinfo.optimize_coding = FALSE;
    cinfo.restart_interval = 0;
    cinfo.dct_method = JDCT_ISLOW; // integer DCT: identical bytes on every machine

    cinfo.write_JFIF_header = options.jfifHeader ? TRUE : FALSE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    cinfo.write_Adobe_marker = FALSE;
}

}  // namespace

Bytes encodeJpeg(const RgbImage& image, const JpegOptions& options)
{
    for (const JpegMarker& marker : options.markers)
        if (marker.payload.size() > 65533)
            throw std::runtime_error("JPEG marker payload longer than a segment holds");

    // libjpeg's default error handler prints the message and ends the
    // program, which is what a hand-run generator wants.
    jpeg_error_mgr jerr;
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    MallocBuffer out;
    jpeg_mem_dest(&cinfo, &out.data, &out.size);
    applySettings(cinfo, image, options);

    // SOI and APP0 are written here; the markers follow before the tables.
    jpeg_start_compress(&cinfo, TRUE);
    for (const JpegMarker& marker : options.markers)
        jpeg_write_marker(&cinfo, marker.code, marker.payload.data(),
                          static_cast<unsigned int>(marker.payload.size()));

    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.row(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    return Bytes(out.data, out.data + out.size);
}

}  // namespace tcm::tools
