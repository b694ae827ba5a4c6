#include "graphics/graphic_error.h"
#include "graphics/raster.h"

#include <gtest/gtest.h>

namespace tcm::graphics {
namespace {

TEST(Raster, LayoutsStoreTheSameColours)
{
    for (PixelFormat format : {PixelFormat::Rgb24, PixelFormat::Xrgb32}) {
        Raster r(3, 2, format);
        EXPECT_EQ(r.stride(), format == PixelFormat::Xrgb32 ? 12u : 9u);
        r.setRgb(2, 1, 0x123456);
        EXPECT_EQ(r.rgbAt(2, 1), 0x123456u);
        EXPECT_EQ(r.rgbAt(0, 0), 0u);
    }
    Raster x(1, 1, PixelFormat::Xrgb32);
    x.setRgb(0, 0, 0xA0B0C0);
    const std::uint8_t* p = x.row(0);
    EXPECT_EQ(p[0], 0xC0);  // blue first: the screen's 32-bit layout
    EXPECT_EQ(p[2], 0xA0);
    EXPECT_EQ(p[3], 0xFF);
}

TEST(Raster, FillBlackMakesRemainingRowsOpaque)
{
    Raster r(2, 3, PixelFormat::Xrgb32);
    r.setRgb(0, 0, 0xFFFFFF);
    r.setRgb(1, 2, 0xFFFFFF);
    r.fillBlack(1);
    EXPECT_EQ(r.rgbAt(0, 0), 0xFFFFFFu);  // rows before are kept
    for (int y = 1; y < 3; ++y)
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(r.rgbAt(x, y), 0u);
            EXPECT_EQ(r.row(y)[4 * x + 3], 0xFF) << x << "," << y;
        }
}

TEST(Raster, RefusesEmptyAndOversizedPictures)
{
    const int sizes[][2] = {{0, 1}, {1, 0}, {-1, 5}, {65500, 65500}, {1 << 25, 2}};
    for (const auto& s : sizes)
        EXPECT_THROW(Raster(s[0], s[1], PixelFormat::Xrgb32), GraphicError) << s[0] << "x" << s[1];
    EXPECT_NO_THROW(Raster(1 << 12, 1 << 13, PixelFormat::Rgb24));  // exactly the cap
}

}  // namespace
}  // namespace tcm::graphics
