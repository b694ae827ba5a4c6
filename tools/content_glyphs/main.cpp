// tcm-make-glyphs: makes the navigation buttons' glyphs and the program icon.
//
//   tcm-make-glyphs CONTENT_DIR
//
// Renders CONTENT_DIR/glyphs/{hand,eye,face}.svg into 24-bit bitmaps beside
// them and turns CONTENT_DIR/icon/syringe.txt into the icon group and icon
// image resources beside it. The output is the same on every run.

#include "bmp24_writer.h"
#include "glyph_finish.h"
#include "icon_writer.h"
#include "svg_render.h"
#include "write_file.h"

#include <QGuiApplication>

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

using namespace tcm::tools;

struct Glyph {
    const char* name;
    int width;
    int height;
    std::int32_t pixelsPerMetre;
    bool noisyFill;  // fill bytes left as whatever the writer's buffer held
    void (*finish)(QImage&);
    QRgb transparent;
    int transparentPixels;
};

const Glyph kGlyphs[] = {
    {"hand", 102, 112, 3779, true, finishHand, 0x9B9B9B, 40},
    {"eye", 103, 92, 3780, false, finishEye, 0xFFFEFF, 274},
    {"face", 117, 151, 3780, false, finishFace, 0xF7F7F7, 1728},
};

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void makeGlyph(const std::string& dir, const Glyph& glyph)
{
    const std::string svg = dir + "/" + glyph.name + ".svg";
    checkSvgSize(svg, glyph.width, glyph.height);
    QImage image = renderSvg(svg, glyph.width, glyph.height);
    glyph.finish(image);
    const int count = countColour(image, glyph.transparent);
    if (count != glyph.transparentPixels || (image.pixel(0, glyph.height - 1) & 0xFFFFFF) != glyph.transparent)
        throw std::runtime_error(std::string(glyph.name) + ": " + std::to_string(count) +
                                 " pixels of the transparent colour, expected " +
                                 std::to_string(glyph.transparentPixels));
    Bmp24Options options;
    options.pixelsPerMetre = glyph.pixelsPerMetre;
    if (glyph.noisyFill)
        options.fill = [](int row, int index) { return static_cast<std::uint8_t>(0x31 + row * 37 + index * 101) | 1; };
    writeFile(dir + "/" + glyph.name + ".bmp", encodeBmp24(image, options));
}

void makeIcon(const std::string& dir)
{
    const IconPixels pixels = parseIconDrawing(readText(dir + "/syringe.txt"));
    const std::vector<std::uint8_t> image = encodeIconImage(pixels);
    // The group's colour-count field holds 4 for this 16-colour image, as the
    // icon has always carried.
    writeFile(dir + "/mainicon_group.bin", encodeIconGroup(1, static_cast<std::uint32_t>(image.size()), 4));
    writeFile(dir + "/mainicon_image_1.bin", image);
    int transparent = 0;
    for (int index : pixels)
        transparent += index < 0;
    std::cout << "icon: " << transparent << " transparent pixels\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tcm-make-glyphs CONTENT_DIR\n"
                     "  renders glyphs/hand.svg, eye.svg and face.svg into .bmp files beside them and\n"
                     "  icon/syringe.txt into icon/mainicon_group.bin and icon/mainicon_image_1.bin\n";
        return 2;
    }
    // Text in the SVGs needs the font database, which needs a GUI application;
    // no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const std::string content = argv[1];
    try {
        for (const Glyph& glyph : kGlyphs)
            makeGlyph(content + "/glyphs", glyph);
        makeIcon(content + "/icon");
    } catch (const std::exception& e) {
        std::cerr << "tcm-make-glyphs: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
