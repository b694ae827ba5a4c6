#include "jpeg_session.h"

#include "graphic_error.h"

#include <jerror.h>

#include <cstdlib>

namespace tcm::graphics {
namespace {

using ErrorManager = JpegSession::ErrorManager;
using ScanMonitor = JpegSession::ScanMonitor;

// Messages of the numbers this program adds after libjpeg's own, so that
// libjpeg can format them like its own.
const char* const addonMessages[] = {
    "Too many scans in the file (the limit is %d)",  // jpegErrorTooManyScans
    nullptr,
};

[[noreturn]] void errorExit(j_common_ptr cinfo) noexcept
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    // Every libjpeg call that can fail is made inside run(); a jump with no
    // frame to land in would be a bug here, not a bad file.
    if (!error->armed)
        std::abort();
    error->armed = false;
    std::longjmp(error->jump, 1);
}

// Warnings (corrupt data, a file cut short) and trace output are dropped; the
// count is kept as libjpeg's own handler keeps it.
void emitMessage(j_common_ptr cinfo, int level) noexcept
{
    if (level < 0)
        ++cinfo->err->num_warnings;
}

void outputMessage(j_common_ptr) noexcept {}

// A progressive file may repeat scans without end, each one a pass over the
// whole picture. libjpeg calls this between the units of work it reads.
void checkScanCount(j_common_ptr cinfo) noexcept
{
    if (!cinfo->is_decompressor)
        return;
    auto* monitor = reinterpret_cast<ScanMonitor*>(cinfo->progress);
    const int scans = reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number;
    if (scans > monitor->maxScans)
        ERREXIT1(cinfo, jpegErrorTooManyScans, monitor->maxScans);
}

void createDecompressor(j_decompress_ptr cinfo, void*) noexcept
{
    jpeg_create_decompress(cinfo);
}

}  // namespace

JpegSession::JpegSession(stream::Bytes file, const JpegLimits& limits)
{
    cinfo_.err = jpeg_std_error(&error_.pub);
    error_.pub.error_exit = errorExit;
    error_.pub.emit_message = emitMessage;
    error_.pub.output_message = outputMessage;
    error_.pub.addon_message_table = addonMessages;
    error_.pub.first_addon_message = jpegErrorTooManyScans;
    error_.pub.last_addon_message = jpegErrorTooManyScans;

    run(createDecompressor, nullptr);

    // Creation has set up the memory manager and cleared the other hooks.
    cinfo_.mem->max_memory_to_use = limits.maxMemory;
    monitor_.pub.progress_monitor = checkScanCount;
    monitor_.maxScans = limits.maxScans;
    cinfo_.progress = &monitor_.pub;
    installJpegMemorySource(&cinfo_, &source_, file.data(), file.size());
}

JpegSession::~JpegSession()
{
    release();
}

void JpegSession::release() noexcept
{
    // jpeg_destroy_decompress cannot fail, frees what a creation cut short by
    // an error had allocated, and does nothing the second time.
    jpeg_destroy_decompress(&cinfo_);
}

// The only frame that calls setjmp. Its locals and the frames the jump skips
// (the step's and libjpeg's) hold plain C data only, so the jump passes over
// no destructor, and nothing is modified between setjmp and the jump that the
// return path reads.
bool JpegSession::runGuarded(JpegStep step, void* context) noexcept
{
    if (setjmp(error_.jump) != 0)
        return false;
    error_.armed = true;
    step(&cinfo_, context);
    error_.armed = false;
    return true;
}

void JpegSession::run(JpegStep step, void* context)
{
    if (runGuarded(step, context))
        return;
    // Back in ordinary C++: release the decoder first, then report.
    const int code = error_.pub.msg_code;
    release();
    throw JpegError(code);
}

}  // namespace tcm::graphics
