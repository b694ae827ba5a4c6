#include "toolkit/show_mode.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(StartupWindowState, OnlyMaximisedAndMinimisedRequestsCount)
{
    using W = WindowState;
    EXPECT_EQ(startupWindowState(W::Maximized, SW_SHOWMAXIMIZED), W::Maximized);
    EXPECT_EQ(startupWindowState(W::Maximized, SW_SHOWDEFAULT), W::Maximized);
    EXPECT_EQ(startupWindowState(W::Maximized, 1 /* normal */), W::Maximized);
    EXPECT_EQ(startupWindowState(W::Maximized, SW_SHOWMINNOACTIVE), W::Minimized);
    EXPECT_EQ(startupWindowState(W::Normal, SW_SHOWMAXIMIZED), W::Maximized);
    EXPECT_EQ(startupWindowState(W::Normal, 6 /* minimise */), W::Normal);
    EXPECT_EQ(launcherShowMode(), SW_SHOWDEFAULT);
}

}  // namespace
}  // namespace tcm::toolkit
