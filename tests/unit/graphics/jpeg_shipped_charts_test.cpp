#include "jpeg_test_support.h"

namespace tcm::graphics::test {
namespace {

// The charts the program ships decode exactly as djpeg decodes them with the
// program's settings (full size, RGB, floating-point IDCT, smooth upsampling).
TEST(ShippedCharts, DecodeLikeTheReferenceDecoder)
{
    for (const char* name : {"hand-chart.jpg", "eye-chart.jpg"})
        expectSameAsDjpeg(std::string(TCM_CONTENT_DIR) + "/pictures/" + name);
}

}  // namespace
}  // namespace tcm::graphics::test
