#pragma once

namespace tcm::toolkit {

enum class WindowState { Normal, Minimized, Maximized };

// Launcher show commands that start-up looks at.
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWDEFAULT = 10;

// The state the main window is shown in: the launcher can ask for maximised
// or for minimised-without-activation; any other request keeps the stored state.
WindowState startupWindowState(WindowState stored, int showMode);

// The show command this platform's launcher passes. Desktop launchers here
// pass none, which is the default command.
int launcherShowMode();

}  // namespace tcm::toolkit
