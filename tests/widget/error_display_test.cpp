#include "error_box_watcher.h"

#include "toolkit/application.h"
#include "toolkit/error_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>

namespace tcm::test {
namespace {

using toolkit::Application;

// Throws from inside Qt's event delivery, as an event handler would.
class Thrower : public QObject {
public:
    std::function<void()> raise;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            raise();
        return QObject::event(e);
    }
};

using SeenBox = ErrorBoxWatcher::Box;

// Delivers one event whose handler throws, and reads the error box that the
// application shows (and dismisses it).
std::optional<SeenBox> deliverThrowing(std::function<void()> raise)
{
    ErrorBoxWatcher watcher;
    Thrower thrower;
    thrower.raise = std::move(raise);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);  // through notify(), like every event
    if (watcher.boxes.empty())
        return std::nullopt;
    return watcher.boxes.front();
}

TEST(ErrorDisplay, ToolkitExceptionShownWithTitleAndFinalPeriodRule)
{
    const std::string title = Application->Title();
    Application->setTitle("Viewer");
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Something went wrong", "Something went wrong."},
        {"Stop!", "Stop!"},
        {"Already final.", "Already final."},
    };
    for (const auto& c : cases) {
        const auto box = deliverThrowing([&] { throw toolkit::EReadError(c.message); });
        ASSERT_TRUE(box) << c.message;
        EXPECT_EQ(box->caption, "Viewer");
        EXPECT_EQ(box->text, c.shown);
        EXPECT_EQ(box->icon, QMessageBox::Critical);
        EXPECT_EQ(box->buttons, QMessageBox::Ok);
        EXPECT_TRUE(box->modal);
    }
    Application->setTitle(title);
}

TEST(ErrorDisplay, AbortIsSilentAndTheLoopGoesOn)
{
    EXPECT_FALSE(deliverThrowing([] { throw toolkit::EAbort(); }));
    // The next failure is still reported.
    EXPECT_TRUE(deliverThrowing([] { throw toolkit::EReadError("again"); }));
}

TEST(ErrorDisplay, ForeignExceptionReportedInTheStartupFailureForm)
{
    const auto box = deliverThrowing([] { throw std::runtime_error("boom"); });
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "Application Error");
    EXPECT_TRUE(box->text.startsWith("Exception std::runtime_error in module ")) << box->text.toStdString();
    EXPECT_TRUE(box->text.endsWith(".\r\nboom.\r\n")) << box->text.toStdString();
}

TEST(StartupFailureReport, NamesClassModuleAddressAndMessage)
{
    std::string report;
    try {
        throw toolkit::EResNotFound("Resource TForm1 not found");
    } catch (...) {
        report = toolkit::currentExceptionReport();
    }
    const std::string module = QCoreApplication::applicationFilePath().section('/', -1).toStdString();
    const std::string head = "Exception EResNotFound in module " + module + " at ";
    ASSERT_EQ(report.substr(0, head.size()), head) << report;
    const std::string address = report.substr(head.size(), 8);
    EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), std::string::npos) << address;
    EXPECT_NE(address, "00000000");
    EXPECT_EQ(report.substr(head.size() + 8), ".\r\nResource TForm1 not found.\r\n");
}

}  // namespace
}  // namespace tcm::test
