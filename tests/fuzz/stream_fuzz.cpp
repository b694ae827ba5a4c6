// libFuzzer entry: any input the reader accepts must write back to exactly
// the same bytes, and nothing the reader returns may be unsafe to touch.
#include "stream/stream_error.h"
#include "stream/stream_reader.h"
#include "stream/stream_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace tcm::stream;

// Touches every view the reader produced, so ASan sees any that point outside the input.
unsigned touch(const Value& v)
{
    unsigned sum = static_cast<unsigned>(v.integer);
    for (char c : v.text())
        sum += static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < v.wideCount(); ++i)
        sum += v.wideAt(i);
    for (std::string_view name : v.names)
        sum += static_cast<unsigned>(name.size()) + (name.empty() ? 0u : static_cast<unsigned char>(name.back()));
    for (const Value& item : v.items)
        sum += touch(item);
    return sum;
}

unsigned touch(const ObjectRecord& r)
{
    unsigned sum = static_cast<unsigned>(r.className.size() + r.name.size());
    for (const Property& p : r.properties)
        sum += static_cast<unsigned>(p.name.size()) + touch(p.value);
    for (const ObjectRecord& child : r.children)
        sum += touch(child);
    return sum;
}

[[noreturn]] void die(const char* why)
{
    std::fprintf(stderr, "stream_fuzz: %s\n", why);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes input(data, size);
    ObjectRecord root;
    try {
        root = readComponentStream(input);
    } catch (const StreamError&) {
        return 0;  // rejecting malformed input is the expected outcome
    }
    volatile unsigned sink = touch(root);
    (void)sink;
    std::vector<std::uint8_t> written;
    try {
        written = writeComponentStream(root);
    } catch (const StreamError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        die("the writer refused a tree the reader accepted");
    }
    if (written.size() != size || !std::equal(written.begin(), written.end(), data))
        die("read then write did not reproduce the input");
    return 0;
}
