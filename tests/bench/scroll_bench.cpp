// The cost of a line step of the window's scrolling (pixels moved, the new
// strip painted) against a full repaint of the client area, in the real
// window on the offscreen platform, alternating, in one run.

#include "toolkit/application.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

template <class Work>
double timed(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    QCoreApplication::processEvents();  // delivers the pending paint
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// Paints every control in the visible area, as a window without pixel
// scrolling would after each step.
void repaintAll(QWidget& client)
{
    for (QWidget* w : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            w->repaint();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tcm::toolkit::TApplication application(argv[0]);
    tcm::ui::TForm1 form;
    form.loadDescription();
    form.resize(1280, 976);
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        return 1;
    form.setScrollPosition(tcm::toolkit::Axis::Vertical, 400);
    QCoreApplication::processEvents();

    std::vector<double> steps, repaints;
    for (int i = 0; i < 201; ++i) {
        const int to = i % 2 ? 400 : 408;
        steps.push_back(timed([&] { form.setScrollPosition(tcm::toolkit::Axis::Vertical, to); }));
        repaints.push_back(timed([&] { repaintAll(*form.clientArea()); }));
    }
    std::printf("line step %.1f us, full repaint of the client area %.1f us, step / repaint = %.3f\n",
                median(steps), median(repaints), median(steps) / median(repaints));
}
