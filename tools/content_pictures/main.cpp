// tcm-make-pictures: renders the SVG sources of the hand chart, the eye chart
// and the face-zone picture into the files the viewer ships.
//
//   tcm-make-pictures SOURCE_DIR OUT_DIR
//
// The output is byte-for-byte reproducible: no clock is read, the Exif date
// is fixed and the JPEG encoder uses the integer DCT.

#include "bmp24_writer.h"
#include "exif_block.h"
#include "icc_block.h"
#include "jpeg_writer.h"
#include "rgb_image.h"
#include "svg_render.h"
#include "write_file.h"

#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using namespace tcm::tools;

constexpr const char* kSoftware = "tcm-viewer content generator";
constexpr const char* kDateTime = "2024:01:01 00:00:00";
constexpr int kThumbnailBox = 160; // the longer side of an Exif thumbnail

struct Chart {
    const char* name;
    int width;
    int height;
    int tableScalePercent; // quantisation: the standard tables at this scale
    Rational resolution;   // recorded in Exif only; the viewer ignores it
    bool printerProfile;   // carries the cut-short CMYK profile in APP2
};

constexpr Chart kCharts[] = {
    {"hand-chart", 1181, 1752, 50, {300, 1}, false},
    {"eye-chart", 1700, 2494, 0, {720000, 10000}, true},
};

constexpr const char* kFaceName = "face-zones";
constexpr int kFaceWidth = 544;
constexpr int kFaceHeight = 477;

constexpr std::uint32_t kProfileDeclaredSize = 557168;
constexpr std::size_t kProfileKeptBytes = 32000;

std::string sourceFor(const std::string& dir, const char* name, int width, int height)
{
    const std::string path = dir + "/" + name + ".svg";
    checkSvgSize(path, width, height);
    return path;
}

Bytes thumbnailOf(const std::string& svg, const Chart& chart)
{
    // Rendered from the source at its small size rather than scaled down,
    // so the thumbnail is as sharp as it can be.
    const int longer = std::max(chart.width, chart.height);
    const int w = std::max(1, (chart.width * kThumbnailBox + longer / 2) / longer);
    const int h = std::max(1, (chart.height * kThumbnailBox + longer / 2) / longer);
    JpegOptions options;
    options.tableScalePercent = 50;
    options.jfifHeader = false; // an Exif thumbnail is a bare JPEG stream
    return encodeJpeg(toRgbImage(renderSvg(svg, w, h)), options);
}

void makeChart(const std::string& sourceDir, const std::string& outDir, const Chart& chart)
{
    const std::string svg = sourceFor(sourceDir, chart.name, chart.width, chart.height);

    ExifFields exif;
    exif.resolution = chart.resolution;
    exif.software = kSoftware;
    exif.dateTime = kDateTime;
    exif.pixelWidth = static_cast<std::uint32_t>(chart.width);
    exif.pixelHeight = static_cast<std::uint32_t>(chart.height);
    exif.thumbnail = thumbnailOf(svg, chart);

    JpegOptions options;
    options.tableScalePercent = chart.tableScalePercent;
    options.markers.push_back({0xE1, buildExifBlock(exif)});
    if (chart.printerProfile)
        options.markers.push_back({0xE2, buildIccChunk(kProfileDeclaredSize, kProfileKeptBytes)});

    writeFile(outDir + "/" + chart.name + ".jpg", encodeJpeg(toRgbImage(renderSvg(svg, chart.width, chart.height)), options));
}

void makeFace(const std::string& sourceDir, const std::string& outDir)
{
    const std::string svg = sourceFor(sourceDir, kFaceName, kFaceWidth, kFaceHeight);
    writeFile(outDir + "/" + kFaceName + ".bmp", encodeBmp24(renderSvg(svg, kFaceWidth, kFaceHeight), {}));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tcm-make-pictures SOURCE_DIR OUT_DIR\n"
                     "  renders hand-chart.svg, eye-chart.svg and face-zones.svg from SOURCE_DIR into\n"
                     "  hand-chart.jpg, eye-chart.jpg and face-zones.bmp in OUT_DIR\n";
        return 2;
    }
    // Text in the SVGs needs the font database, which needs a GUI application;
    // no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    try {
        for (const Chart& chart : kCharts)
            makeChart(argv[1], argv[2], chart);
        makeFace(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "tcm-make-pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
