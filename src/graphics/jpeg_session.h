#pragma once

#include "jpeg_limits.h"
#include "jpeg_source.h"

#include "stream/value.h"

#include <csetjmp>

namespace tcm::graphics {

// One piece of work against the decompressor. libjpeg's error exit may jump
// straight out of it (and out of the libjpeg frames below it), so a step keeps
// only plain C data in its frame: nothing that has a destructor, nothing that
// throws.
using JpegStep = void (*)(j_decompress_ptr cinfo, void* context) noexcept;

// One libjpeg decompressor over a file in memory, from creation to release.
//
// A fatal libjpeg error must not unwind through libjpeg's C frames, so it
// never becomes a C++ exception there. Instead each step runs under run(),
// whose frame holds the jump buffer and nothing with a destructor. The error
// exit longjmps back to it; run() reports the failure; only then, in ordinary
// C++ code, the decompressor is released and JpegError is thrown.
//
// Warnings and trace messages are dropped: a damaged file decodes as far as
// libjpeg can take it. The session is neither copied nor moved, since libjpeg
// keeps pointers into it.
class JpegSession {
public:
    // Creates the decompressor with its source, limits and error handling.
    // Throws JpegError if libjpeg cannot create it.
    JpegSession(stream::Bytes file, const JpegLimits& limits);
    ~JpegSession();
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    // Runs `step`. After a fatal error the decompressor is released and
    // JpegError with libjpeg's message number is thrown.
    void run(JpegStep step, void* context);

    // Plain C data only: libjpeg points into it, and the jump skips over it.
    struct ErrorManager {
        jpeg_error_mgr pub;  // first member: libjpeg's pointer to it is a pointer to this
        std::jmp_buf jump;
        bool armed;          // a run() frame is waiting for the jump
    };
    struct ScanMonitor {
        jpeg_progress_mgr pub;  // first member, as above
        int maxScans;
    };

private:
    bool runGuarded(JpegStep step, void* context) noexcept;
    void release() noexcept;

    jpeg_decompress_struct cinfo_{};
    ErrorManager error_{};
    JpegMemorySource source_{};
    ScanMonitor monitor_{};
};

}  // namespace tcm::graphics
