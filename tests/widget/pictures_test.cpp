#include "error_box_watcher.h"
#include "main_form_fixture.h"

#include "graphics/bitmap_reader.h"
#include "graphics/jpeg_image.h"
#include "toolkit/colours.h"
#include "toolkit/jpeg_picture.h"

#include <QImage>

#include <fstream>
#include <iterator>

namespace tcm::test {
namespace {

using graphics::PixelFormat;
using graphics::Raster;

std::vector<std::uint8_t> contentFile(const std::string& name)
{
    std::ifstream in(std::string(TCM_CONTENT_DIR) + "/pictures/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped picture decoded on its own, to compare the window's pixels with.
graphics::JpegImage referenceChart(const std::string& name)
{
    auto jpeg = graphics::JpegImage::fromFile(contentFile(name), PixelFormat::Xrgb32);
    jpeg.decode();
    return jpeg;
}

toolkit::TJPEGImage& jpegOf(toolkit::TImage* image)
{
    auto* jpeg = dynamic_cast<toolkit::TJPEGImage*>(image->picture());
    EXPECT_NE(jpeg, nullptr) << image->objectName().toStdString();
    return *jpeg;
}

class PicturesTest : public MainFormTest {
protected:
    QRgb at(const QImage& shot, int x, int y) const { return shot.pixel(x, y) & 0xFFFFFF; }
    QRgb face() const { return toolkit::clBtnFace.resolve(form->palette()).rgb() & 0xFFFFFF; }
};

TEST_F(PicturesTest, ChartsDecodeOnTheirFirstPaintOnly)
{
    toolkit::TJPEGImage& hand = jpegOf(form->Image1);
    toolkit::TJPEGImage& eye = jpegOf(form->Image2);
    // The size comes from the header; nothing was decoded to learn it.
    EXPECT_EQ(eye.width(), 1700);
    EXPECT_EQ(eye.height(), 2494);
    EXPECT_EQ(eye.decodeCount(), 0);

    form->grab();
    EXPECT_EQ(hand.decodeCount(), 1);
    EXPECT_EQ(eye.decodeCount(), 0);  // hidden: never painted

    for (int round = 0; round < 2; ++round) {
        for (toolkit::TSpeedButton* b : {form->SpeedButton2, form->SpeedButton3, form->SpeedButton1}) {
            click(b);
            form->grab();
        }
    }
    EXPECT_EQ(hand.decodeCount(), 1);
    EXPECT_EQ(eye.decodeCount(), 1);
}

TEST_F(PicturesTest, PictureControlsTakeTheirPicturesSizes)
{
    EXPECT_EQ(form->Image1->size(), QSize(1181, 1752));
    EXPECT_EQ(form->Image2->size(), QSize(1700, 2494));
    EXPECT_EQ(form->Image3->size(), QSize(577, 479));  // no AutoSize: larger than its picture
    EXPECT_EQ(form->Image3->picture()->width(), 544);
    EXPECT_EQ(form->Image3->picture()->height(), 477);
    // A later resize of an auto-sizing control ends at the picture's size; the position is taken.
    form->Image1->setBounds({210, 5, 10, 10});
    EXPECT_EQ(form->Image1->geometry(), QRect(210, 5, 1181, 1752));
}

TEST_F(PicturesTest, ChartsShowOnePicturePixelPerScreenPixel)
{
    auto handChart = referenceChart("hand-chart.jpg");
    const Raster& hand = handChart.decode();
    QImage shot = form->grab().toImage();
    // The hand chart starts at the panel's right edge, top of the plane.
    for (const QPoint p : {QPoint(201, 0), QPoint(202, 0), QPoint(700, 500), QPoint(1250, 950)})
        EXPECT_EQ(at(shot, p.x(), p.y()), hand.rgbAt(p.x() - 201, p.y())) << p.x() << "," << p.y();

    auto eyeChart = referenceChart("eye-chart.jpg");
    const Raster& eye = eyeChart.decode();
    click(form->SpeedButton2);
    shot = form->grab().toImage();
    // Right of the panel the first visible eye-chart pixel is column 389, row 1206.
    EXPECT_EQ(at(shot, 201, 0), eye.rgbAt(389, 1206));
    for (const QPoint p : {QPoint(600, 300), QPoint(1250, 950)})
        EXPECT_EQ(at(shot, p.x(), p.y()), eye.rgbAt(p.x() + 188, p.y() + 1206)) << p.x() << "," << p.y();
}

TEST_F(PicturesTest, FacePictureLeavesStripsOfThePanelBackground)
{
    const auto bytes = contentFile("face-zones.bmp");
    const Raster bitmap = graphics::readBitmap(bytes, PixelFormat::Xrgb32);
    click(form->SpeedButton3);
    const QImage shot = form->grab().toImage();
    // Image3's top-left corner on the window: Panel2 (192, 4) + (60, 2).
    const int x0 = 252;
    const int y0 = 6;
    for (const QPoint p : {QPoint(0, 0), QPoint(543, 0), QPoint(0, 476), QPoint(543, 476), QPoint(272, 240)})
        EXPECT_EQ(at(shot, x0 + p.x(), y0 + p.y()), bitmap.rgbAt(p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_EQ(bitmap.rgbAt(0, 0), 0xFFFFFFu);
    // Right strip 33 x 479 and bottom strip 544 x 2 show Panel2's own colour.
    for (int y = 0; y < 479; y += 7) {
        EXPECT_EQ(at(shot, x0 + 544, y0 + y), face()) << y;
        EXPECT_EQ(at(shot, x0 + 576, y0 + y), face()) << y;
    }
    for (int x = 0; x < 544; x += 9) {
        EXPECT_EQ(at(shot, x0 + x, y0 + 477), face()) << x;
        EXPECT_EQ(at(shot, x0 + x, y0 + 478), face()) << x;
    }
}

// A JPEG whose decode fails part-way: the start of a file, a second frame
// header where the scan data should go on, then the end marker.
std::vector<std::uint8_t> failingJpeg()
{
    const auto base = contentFile("hand-chart.jpg");
    auto find = [&](std::uint8_t marker) {
        for (std::size_t i = 0; i + 1 < base.size(); ++i)
            if (base[i] == 0xFF && base[i + 1] == marker)
                return i;
        return base.size();
    };
    const std::size_t sof = find(0xC0);
    const std::size_t sofLength = (std::size_t{base[sof + 2]} << 8 | base[sof + 3]) + 2;
    std::vector<std::uint8_t> file(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(base.size() / 2));
    file.insert(file.end(), base.begin() + static_cast<std::ptrdiff_t>(sof),
                base.begin() + static_cast<std::ptrdiff_t>(sof + sofLength));
    file.insert(file.end(), {0xFF, 0xD9});
    return file;
}

TEST(PictureErrors, FailedDecodeIsReportedOnceAndItsRowsAreKept)
{
    const auto file = failingJpeg();
    toolkit::TImage image;
    image.setAutoSize(true);
    image.setPicture(std::make_unique<toolkit::TJPEGImage>(file));
    ASSERT_EQ(image.size(), QSize(1181, 1752));
    image.show();

    ErrorBoxWatcher watcher;
    image.grab();
    watcher.settle();
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_TRUE(watcher.boxes[0].text.startsWith("JPEG error #")) << watcher.boxes[0].text.toStdString();
    EXPECT_TRUE(watcher.boxes[0].text.endsWith("."));

    // Later paints draw what was decoded, without decoding or reporting again.
    const QImage shot = image.grab().toImage();
    watcher.settle();
    EXPECT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(dynamic_cast<toolkit::TJPEGImage*>(image.picture())->decodeCount(), 1);
    auto whole = referenceChart("hand-chart.jpg");
    EXPECT_EQ(shot.pixel(10, 10) & 0xFFFFFF, whole.decode().rgbAt(10, 10));
}

}  // namespace
}  // namespace tcm::test
