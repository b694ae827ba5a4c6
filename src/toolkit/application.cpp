#include "application.h"

#include "bitmap_picture.h"
#include "class_registry.h"
#include "default_title.h"
#include "error_report.h"
#include "image.h"
#include "jpeg_picture.h"
#include "memo.h"
#include "message_text.h"
#include "panel.h"
#include "program_icon.h"
#include "speed_button.h"
#include "termination_signals.h"

#include <QApplication>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace tcm::toolkit {

TApplication* Application = nullptr;

namespace {

// Qt delivers every event through notify(); an exception that escapes an
// event handler, a paint or a slot is reported here and the loop goes on.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (Application)
                Application->HandleException(receiver);
            return false;
        }
    }
};

// Qt sees only the program's name: the program takes no arguments.
int qtArgc = 1;
char* qtArgv[2] = {nullptr, nullptr};

// Qt looks into the session's runtime directory at start-up and creates one
// under /tmp when the session names none. A login session's own directory,
// where it exists, is used instead so that nothing is created.
void useSessionRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const std::string dir = "/run/user/" + std::to_string(::geteuid());
    struct stat info{};
    if (::stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
        (info.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
}

void prepareQtEnvironment()
{
    useSessionRuntimeDirectory();
    // One picture pixel is one screen pixel: the window scales its layout
    // itself from the font it measures.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

void registerControlClasses()
{
    registerClass(TPanel::classInfo());
    registerClass(TImage::classInfo());
    registerClass(TSpeedButton::classInfo());
    registerClass(TMemo::classInfo());
}

}  // namespace

TApplication::TApplication(const char* programPath)
{
    prepareQtEnvironment();
    static std::string programName;
    programName = programPath ? programPath : "tcm-viewer";
    qtArgv[0] = programName.data();
    qt_ = std::make_unique<GuardedApplication>(qtArgc, qtArgv);
    QApplication::setQuitOnLastWindowClosed(false);
    title_ = defaultTitle(QCoreApplication::applicationFilePath().toStdString());
    registerControlClasses();
    registerJpegFormat();
    registerBitmapFormat();
    icon_ = loadProgramIcon();
    QApplication::setWindowIcon(icon_);
    Application = this;
    signals_ = std::make_unique<TerminationSignals>([this] { Terminate(); });
}

TApplication::~TApplication()
{
    signals_.reset();
    forms_.clear();
    Application = nullptr;
}

void TApplication::Initialize() {}

void TApplication::adoptForm(std::unique_ptr<TForm> form)
{
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::Run()
{
    if (mainForm_ && ShowMainForm) {
        mainForm_->setWindowState(startupWindowState(mainForm_->windowState(), startupShowMode));
        mainForm_->setWindowIconText(QString::fromStdString(title_));
        if (!icon_.isNull())
            mainForm_->setWindowIcon(icon_);
        mainForm_->showInState();
    }
    QApplication::exec();
    terminated_ = true;
}

void TApplication::Terminate()
{
    // Posted, so the loop ends in its next turn, after the current message.
    QMetaObject::invokeMethod(qt_.get(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void TApplication::Minimize()
{
    if (mainForm_)
        mainForm_->showMinimized();
}

void TApplication::Restore()
{
    if (!mainForm_)
        return;
    if (mainForm_->windowState() == WindowState::Maximized)
        mainForm_->showMaximized();
    else
        mainForm_->showNormal();
}

// Called from a catch block: reports the exception in flight.
void TApplication::HandleException(QObject*)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e);
    } catch (...) {
        showErrorBox(QStringLiteral("Application Error"),
                     QString::fromLocal8Bit(currentExceptionReport().c_str()));
    }
}

void TApplication::ShowException(const Exception& e)
{
    showErrorBox(QString::fromStdString(title_), QString::fromLocal8Bit(errorDisplayText(e.message()).c_str()));
}

}  // namespace tcm::toolkit
