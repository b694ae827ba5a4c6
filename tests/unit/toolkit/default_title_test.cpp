#include "toolkit/default_title.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(DefaultTitle, FileNameCutAtFirstDotAndLoweredAfterFirstCharacter)
{
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"C:\\Programs\\VIEWER.EXE", "Viewer"},
        {"/opt/tools/my.tool.exe", "my"},
        {"/usr/local/bin/tcm-viewer", "tcm-viewer"},  // the first character keeps its case
        {"/usr/bin/TCM-VIEWER", "Tcm-viewer"},
        {"relative/Dir.With.Dots/APP", "App"},
        {"x", "x"},
        {"/dir/.hidden", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(defaultTitle(c.path), c.title) << c.path;
}

}  // namespace
}  // namespace tcm::toolkit
