#include "show_mode.h"

namespace tcm::toolkit {

WindowState startupWindowState(WindowState stored, int showMode)
{
    switch (showMode) {
    case SW_SHOWMAXIMIZED:
        return WindowState::Maximized;
    case SW_SHOWMINNOACTIVE:
        return WindowState::Minimized;
    default:
        return stored;
    }
}

int launcherShowMode()
{
    return SW_SHOWDEFAULT;
}

}  // namespace tcm::toolkit
