#include "jpeg_source.h"

#include <jerror.h>

#include <algorithm>

namespace tcm::graphics {
namespace {

// What the decoder reads once the buffer is used up.
const JOCTET endOfImage[2] = {0xFF, JPEG_EOI};

JpegMemorySource* sourceOf(j_decompress_ptr cinfo)
{
    return reinterpret_cast<JpegMemorySource*>(cinfo->src);
}

void initSource(j_decompress_ptr cinfo) noexcept
{
    JpegMemorySource* src = sourceOf(cinfo);
    src->next = 0;
    src->delivered = false;
    src->pub.next_input_byte = nullptr;
    src->pub.bytes_in_buffer = 0;
}

boolean fillInputBuffer(j_decompress_ptr cinfo) noexcept
{
    JpegMemorySource* src = sourceOf(cinfo);
    if (src->next >= src->size) {
        if (!src->delivered)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        // A file cut short: end it here and let the decoder keep what it has.
        // The decoder may ask again after swallowing the marker; it gets another.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->pub.next_input_byte = endOfImage;
        src->pub.bytes_in_buffer = sizeof endOfImage;
        return TRUE;
    }
    const std::size_t count = std::min(jpegSourceBlock, src->size - src->next);
    src->pub.next_input_byte = src->data + src->next;
    src->pub.bytes_in_buffer = count;
    src->next += count;
    src->delivered = true;
    return TRUE;
}

// Skips over a marker segment the decoder does not need. The length comes from
// the file, so it may point past the end: the skip stops at the end, and the
// next read gets the end-of-image marker.
void skipInputData(j_decompress_ptr cinfo, long count) noexcept
{
    if (count <= 0)
        return;
    JpegMemorySource* src = sourceOf(cinfo);
    auto remaining = static_cast<unsigned long>(count);
    if (remaining <= src->pub.bytes_in_buffer) {
        src->pub.next_input_byte += remaining;
        src->pub.bytes_in_buffer -= remaining;
        return;
    }
    remaining -= src->pub.bytes_in_buffer;
    src->pub.bytes_in_buffer = 0;
    src->next += static_cast<std::size_t>(std::min<unsigned long>(remaining, src->size - src->next));
    fillInputBuffer(cinfo);
}

void termSource(j_decompress_ptr) noexcept {}

}  // namespace

void installJpegMemorySource(j_decompress_ptr cinfo, JpegMemorySource* source, const JOCTET* data,
                             std::size_t size) noexcept
{
    source->pub.init_source = initSource;
    source->pub.fill_input_buffer = fillInputBuffer;
    source->pub.skip_input_data = skipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = termSource;
    source->pub.next_input_byte = nullptr;
    source->pub.bytes_in_buffer = 0;
    source->data = data;
    source->size = size;
    source->next = 0;
    source->delivered = false;
    cinfo->src = &source->pub;
}

}  // namespace tcm::graphics
