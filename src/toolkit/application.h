#pragma once

#include "exceptions.h"
#include "form.h"

#include <QIcon>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace tcm::toolkit {

class TerminationSignals;

// The one application object: it owns the Qt application, the windows it
// creates and the message loop, and reports exceptions that escape message
// processing.
class TApplication : public QObject {
    Q_OBJECT

public:
    // Brings up Qt with the program name as its only argument.
    explicit TApplication(const char* programPath);
    ~TApplication() override;

    // Nothing in this program needs COM-style initialisation; kept as the
    // first step of the main sequence.
    void Initialize();

    // Allocates a window, stores it in `reference` at once, then builds it
    // from its stored description. On failure the reference is cleared and
    // the exception goes on to the caller. The first window becomes MainForm.
    template <class T>
    void CreateForm(T*& reference)
    {
        auto form = std::make_unique<T>();
        reference = form.get();
        try {
            form->loadDescription();
        } catch (...) {
            reference = nullptr;
            throw;
        }
        adoptForm(std::move(form));
    }

    // Shows the main window by the start-up show mode and runs the message
    // loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void Minimize();
    void Restore();

    void HandleException(QObject* sender);
    void ShowException(const Exception& e);

    TForm* MainForm() const { return mainForm_; }
    const std::string& Title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const QIcon& Icon() const { return icon_; }
    bool ShowMainForm = true;

    // The launcher's show command; this platform passes the default.
    int startupShowMode = launcherShowMode();

private:
    void adoptForm(std::unique_ptr<TForm> form);

    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<TerminationSignals> signals_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    std::string title_;
    QIcon icon_;
    bool terminated_ = false;
};

// The process-wide application object, set while one exists.
extern TApplication* Application;

}  // namespace tcm::toolkit
