// Memory and repaint cost of the pictures in the real window: peak resident
// memory after all three views were shown, against the rasters' own size;
// and a full repaint of a chart from 32-bit pixels against 24-bit pixels.

#include "graphics/jpeg_image.h"
#include "toolkit/application.h"
#include "toolkit/raster_drawing.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

double repaintMs(const tcm::graphics::Raster& raster, QImage& screen, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QPainter p(&screen);
        const auto start = std::chrono::steady_clock::now();
        tcm::toolkit::drawRaster(p, raster, QRect(0, 0, raster.width(), raster.height()), screen.rect());
        p.end();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tcm::toolkit::TApplication application(argv[0]);
    const long before = statusKiB("VmRSS:");
    {
        tcm::ui::TForm1 form;
        form.loadDescription();
        form.resize(1280, 976);
        form.show();
        form.grab();
        for (auto* b : {form.SpeedButton2, form.SpeedButton3, form.SpeedButton1}) {
            QMetaObject::invokeMethod(&form, [&] { emit b->Click(b); });
            QCoreApplication::processEvents();
            form.grab();
        }
        const double rasters = (1181.0 * 1752 + 1700.0 * 2494 + 544.0 * 477) * 4 / 1024;
        const long peak = statusKiB("VmHWM:");
        std::printf("rasters %.0f KiB; resident before the window %ld KiB, peak after all views %ld KiB\n",
                    rasters, before, peak);
        std::printf("peak growth / rasters = %.2f\n", (peak - before) / rasters);
    }

    // Repaint of the eye chart's size from each pixel layout onto a 32-bit screen.
    std::ifstream in(std::string(TCM_CONTENT_DIR) + "/pictures/eye-chart.jpg", std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto x32 = tcm::graphics::JpegImage::fromFile(file, tcm::graphics::PixelFormat::Xrgb32);
    auto x24 = tcm::graphics::JpegImage::fromFile(file, tcm::graphics::PixelFormat::Rgb24);
    QImage screen(1700, 2494, QImage::Format_RGB32);
    const double ms32 = repaintMs(x32.decode(), screen, 21);
    const double ms24 = repaintMs(x24.decode(), screen, 21);
    std::printf("full repaint of the eye chart: 32-bit %.2f ms, 24-bit %.2f ms, 24-bit / 32-bit = %.2f\n", ms32,
                ms24, ms24 / ms32);
}
