#pragma once

// libjpeg's headers need size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace tcm::graphics {

// A libjpeg data source over bytes held in memory. It hands the decoder the
// bytes in blocks of jpegSourceBlock without copying them; past the end it
// supplies an end-of-image marker (with a warning), so a file cut short
// decodes as far as it goes. A buffer that is empty from the start is a
// fatal error. Plain C data: it lives inside the session the decoder uses.
struct JpegMemorySource {
    jpeg_source_mgr pub;  // first member: libjpeg's pointer to it is a pointer to this
    const JOCTET* data;
    std::size_t size;
    std::size_t next;   // offset of the first byte not yet handed to the decoder
    bool delivered;     // whether any byte of the buffer has been handed out
};

inline constexpr std::size_t jpegSourceBlock = 4096;

// Points `source` at `size` bytes from `data` and makes it the decoder's source.
void installJpegMemorySource(j_decompress_ptr cinfo, JpegMemorySource* source, const JOCTET* data,
                             std::size_t size) noexcept;

}  // namespace tcm::graphics
