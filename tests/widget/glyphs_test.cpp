// The navigation buttons' glyphs on the real window: each pixel of a button
// is either an opaque glyph pixel in its place or the classic frame beneath,
// up and pressed; glyph values that cannot be read fail the window; the
// program icon.

#include "main_form_fixture.h"

#include "graphics/bitmap_reader.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/form_loader.h"
#include "toolkit/program_icon.h"
#include "toolkit/property_values.h"
#include "toolkit/speed_button.h"

#include <QImage>
#include <QPixmap>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tcm::test {

class TGlyphForm : public toolkit::TForm {
    Q_OBJECT
    Q_PROPERTY(tcm::toolkit::TSpeedButton* SpeedButton1 MEMBER SpeedButton1)

public:
    toolkit::TSpeedButton* SpeedButton1 = nullptr;
};

namespace {

using State = toolkit::TSpeedButton::State;
using Bytes = std::vector<std::uint8_t>;

Bytes contentFile(const std::string& path)
{
    std::ifstream in(std::string(TCM_CONTENT_DIR) + "/" + path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The frame colour at (x, y) of a w x h push button: two rings, each with a
// top-left and a bottom-right colour (the top-right and bottom-left corner
// pixels take the bottom-right one), around the face.
QRgb frameColour(const QPalette& pal, int x, int y, int w, int h, State state)
{
    const int ring = std::min({x, y, w - 1 - x, h - 1 - y});
    if (ring >= 2)
        return pal.color(QPalette::Button).rgb();
    const bool bottomRight = x == w - 1 - ring || y == h - 1 - ring;
    const QPalette::ColorRole up[2][2] = {{QPalette::Light, QPalette::Shadow}, {QPalette::Button, QPalette::Dark}};
    const QPalette::ColorRole down[2][2] = {{QPalette::Shadow, QPalette::Light}, {QPalette::Dark, QPalette::Button}};
    const auto& roles = state == State::Up ? up : down;
    return pal.color(roles[ring][bottomRight ? 1 : 0]).rgb();
}

struct ButtonGlyph {
    toolkit::TSpeedButton* ui::TForm1::*button;
    const char* file;
    QPoint up;  // the glyph's top-left corner in the button; one pixel further right and down when pressed
};

const ButtonGlyph kButtons[] = {
    {&ui::TForm1::SpeedButton1, "glyphs/hand.bmp", {21, 12}},
    {&ui::TForm1::SpeedButton2, "glyphs/eye.bmp", {20, 22}},
    {&ui::TForm1::SpeedButton3, "glyphs/face.bmp", {13, -7}},
};

class GlyphsTest : public MainFormTest {
protected:
    toolkit::TSpeedButton* button(const ButtonGlyph& g) const { return (*form).*(g.button); }

    // Compares every pixel of the button in a grab of the whole window with
    // what it must show in `state`; returns the first difference, or "".
    std::string checkButton(const ButtonGlyph& g, State state)
    {
        toolkit::TSpeedButton* b = button(g);
        const QImage shot = form->grab().toImage();
        const QPoint origin = b->mapTo(form.get(), QPoint(0, 0));
        const graphics::Raster glyph = graphics::readBitmap(contentFile(g.file), graphics::PixelFormat::Xrgb32);
        const std::uint32_t key = glyph.rgbAt(0, glyph.height() - 1);
        const QPoint at = g.up + (state == State::Down ? QPoint(1, 1) : QPoint(0, 0));
        int glyphPixels = 0;
        for (int y = 0; y < b->height(); ++y) {
            for (int x = 0; x < b->width(); ++x) {
                const int gx = x - at.x();
                const int gy = y - at.y();
                QRgb want = frameColour(b->palette(), x, y, b->width(), b->height(), state);
                if (gx >= 0 && gy >= 0 && gx < glyph.width() && gy < glyph.height() && glyph.rgbAt(gx, gy) != key) {
                    want = 0xFF000000u | glyph.rgbAt(gx, gy);
                    ++glyphPixels;
                }
                const QRgb got = shot.pixel(origin + QPoint(x, y));
                if (got != want)
                    return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " +
                           QString::number(got, 16).toStdString() + ", expected " +
                           QString::number(want, 16).toStdString();
            }
        }
        return glyphPixels > 0 ? "" : "no glyph pixel inside the button";
    }
};

TEST_F(GlyphsTest, ButtonsShowTheirMaskedGlyphsCentredOnARaisedFrame)
{
    for (const ButtonGlyph& g : kButtons) {
        ASSERT_EQ(button(g)->size(), QSize(143, 135));
        ASSERT_FALSE(button(g)->maskedGlyph().isNull()) << g.file;
        EXPECT_EQ(checkButton(g, State::Up), "") << g.file;
    }
}

// Press, drag off, drag back on, release: the look follows the pointer.
TEST_F(GlyphsTest, PressedLookSinksTheFrameShiftsTheGlyphAndFollowsThePointer)
{
    for (const ButtonGlyph& g : kButtons) {
        SCOPED_TRACE(g.file);
        toolkit::TSpeedButton* b = button(g);
        const QPoint inside = b->rect().center();
        const QPoint outside(b->width() + 20, inside.y());
        QTest::mousePress(b, Qt::LeftButton, {}, inside);
        EXPECT_EQ(checkButton(g, State::Down), "") << "pressed";
        QTest::mouseMove(b, outside);
        EXPECT_EQ(checkButton(g, State::Up), "") << "dragged off";
        QTest::mouseMove(b, inside);
        EXPECT_EQ(checkButton(g, State::Down), "") << "dragged back on";
        QTest::mouseRelease(b, Qt::LeftButton, {}, inside);
        EXPECT_EQ(checkButton(g, State::Up), "") << "released";
    }
}

// ------------------------------------------------------------------ glyph values

// A window holding one button with the given stored glyph value.
stream::ObjectRecord glyphWindow(const stream::Value& glyph)
{
    stream::ObjectRecord button{"TSpeedButton", "SpeedButton1",
                                {{"Width", stream::Value::integerValue(20)},
                                 {"Height", stream::Value::integerValue(18)},
                                 {"Glyph.Data", glyph}},
                                {}};
    return stream::ObjectRecord{"TGlyphForm", "GlyphForm", {}, {button}};
}

Bytes glyphValue(const Bytes& file)
{
    Bytes v;
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<std::uint8_t>(file.size() >> (8 * i)));
    v.insert(v.end(), file.begin(), file.end());
    return v;
}

// A 24-bit bitmap file of w x h (h < 0: top-down) in one colour, bottom-left pixel `corner`.
Bytes bitmapFile(std::int32_t w, std::int32_t h, std::uint32_t colour, std::uint32_t corner)
{
    Bytes f{'B', 'M'};
    const int rows = h < 0 ? -h : h;
    const int rowBytes = (3 * w + 3) / 4 * 4;
    auto le = [&f](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    le(static_cast<std::uint32_t>(54 + rowBytes * rows));
    le(0);
    le(54);
    le(40);
    le(static_cast<std::uint32_t>(w));
    le(static_cast<std::uint32_t>(h));
    f.insert(f.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i)
        le(0);
    for (int r = 0; r < rows; ++r) {
        const bool bottomRow = h < 0 ? r == rows - 1 : r == 0;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = bottomRow && x == 0 ? corner : colour;
            f.insert(f.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                               static_cast<std::uint8_t>(c >> 16)});
        }
        f.resize(f.size() + static_cast<std::size_t>(rowBytes - 3 * w), 0);
    }
    return f;
}

std::string loadError(const stream::Value& glyph)
{
    TGlyphForm form;
    try {
        toolkit::FormLoader(form, *form.clientArea()).load(glyphWindow(glyph));
    } catch (const toolkit::EReadError& e) {
        return e.message();
    }
    return "loaded";
}

TEST(GlyphValues, UnreadableGlyphsFailTheWindowNamingButtonAndProperty)
{
    const struct {
        const char* what;
        Bytes value;
        std::string message;
    } cases[] = {
        {"not a bitmap", glyphValue({'X', 'M', 0, 0}), "Bitmap image is not valid"},
        {"zero width", glyphValue(bitmapFile(0, 4, 0, 0)), "Bitmap width 0 is not valid"},
        {"length field cut short", {4, 0, 0}, "Glyph value ends inside its file length (3 of 4 bytes)"},
        {"file past the end", {9, 0, 0, 0, 'B', 'M'}, "Glyph file of 9 bytes runs past the end (2 bytes left)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadError(stream::Value::binary(c.value)), "Error reading SpeedButton1.Glyph.Data: " + c.message)
            << c.what;
    EXPECT_EQ(loadError(stream::Value::integerValue(3)), "Error reading SpeedButton1.Glyph.Data: Invalid property value");
}

TEST(GlyphValues, EmptyGlyphDrawsOnlyTheFrame)
{
    TGlyphForm form;
    toolkit::FormLoader(form, *form.clientArea()).load(glyphWindow(stream::Value::binary(Bytes{0, 0, 0, 0})));
    toolkit::TSpeedButton* b = form.SpeedButton1;
    b->loaded();
    EXPECT_TRUE(b->glyph().empty());
    EXPECT_TRUE(b->maskedGlyph().isNull());
    const QImage shot = b->grab().toImage();
    for (int y = 0; y < b->height(); ++y)
        for (int x = 0; x < b->width(); ++x)
            ASSERT_EQ(shot.pixel(x, y), frameColour(b->palette(), x, y, b->width(), b->height(), State::Up))
                << x << "," << y;
}

TEST(GlyphValues, ReadingAGlyphDropsTheMaskedImageMadeBefore)
{
    TGlyphForm form;
    toolkit::FormLoader(form, *form.clientArea())
        .load(glyphWindow(stream::Value::binary(glyphValue(bitmapFile(4, 3, 0x102030, 0xFFFFFF)))));
    toolkit::TSpeedButton* b = form.SpeedButton1;
    EXPECT_TRUE(b->maskedGlyph().isNull());  // made only once loading has finished
    b->loaded();
    ASSERT_EQ(b->maskedGlyph().size(), QSize(4, 3));
    EXPECT_EQ(qAlpha(b->maskedGlyph().pixel(0, 2)), 0);  // the bottom-left pixel's colour
    EXPECT_EQ(b->maskedGlyph().pixel(0, 0), 0xFF102030u);

    // A top-down file: its bottom-left pixel is the last one stored.
    const Bytes topDown = glyphValue(bitmapFile(5, -2, 0x405060, 0x010101));
    toolkit::LoadContext context(form);
    toolkit::TSpeedButton::classInfo().findProperty("Glyph.Data")->set(*b, stream::Value::binary(topDown), context);
    EXPECT_TRUE(b->maskedGlyph().isNull());
    EXPECT_EQ(b->glyph().width(), 5);
    b->loaded();
    EXPECT_EQ(qAlpha(b->maskedGlyph().pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(b->maskedGlyph().pixel(1, 1)), 255);
}

// ------------------------------------------------------------------ the program icon

// Transparent pixels of an icon drawn at 32 x 32.
int transparentPixels(const QIcon& icon)
{
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) == 0;
    return n;
}

TEST_F(MainFormTest, ApplicationAndWindowShowTheSyringeIcon)
{
    ASSERT_NE(toolkit::Application, nullptr);
    for (const QIcon& icon : std::vector<QIcon>{toolkit::Application->Icon(), QApplication::windowIcon(), form->windowIcon()}) {
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
        EXPECT_EQ(transparentPixels(icon), 835);
    }
    // The syringe's needle at the top left: a grey pixel, as drawn.
    const QImage image = toolkit::Application->Icon().pixmap(32, 32).toImage();
    EXPECT_EQ(image.pixel(3, 3), 0xFF808080u);
}

TEST(ProgramIcon, MissingOrUnreadableIconFallsBackToTheDefaultSilently)
{
    EXPECT_THROW(toolkit::readIconResource("NOSUCHICON"), toolkit::EResNotFound);
    // The test executable holds an icon image under a group's name.
    EXPECT_THROW(toolkit::readIconResource("NOTAGROUP"), toolkit::EInvalidGraphic);
    for (const char* name : {"NOSUCHICON", "NOTAGROUP"}) {
        const QIcon icon = toolkit::loadProgramIcon(name);
        EXPECT_FALSE(icon.isNull()) << name;
        EXPECT_NE(transparentPixels(icon), 835) << name;
    }
}

}  // namespace
}  // namespace tcm::test

#include "glyphs_test.moc"
