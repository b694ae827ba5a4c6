// The program's entry: bring up the toolkit, build the main window from its
// stored description, run the message loop, and end with the exit code.

#include "toolkit/application.h"
#include "toolkit/error_report.h"
#include "ui/Unit1.h"

using tcm::toolkit::Application;

int main(int, char** argv)
{
    tcm::toolkit::TApplication application(argv[0]);
    try {
        Application->Initialize();
        Application->CreateForm(tcm::ui::Form1);
        Application->Run();
    } catch (...) {
        // Anything that escapes before the loop runs is a start-up failure.
        tcm::toolkit::reportStartupFailure();
        return 1;
    }
    return 0;
}
