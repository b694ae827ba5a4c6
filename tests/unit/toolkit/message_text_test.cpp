#include "toolkit/message_text.h"

#include <gtest/gtest.h>

namespace tcm::toolkit {
namespace {

TEST(ErrorDisplayText, PeriodAppendedOnlyAfterCharactersSortingAbovePeriod)
{
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Out of memory", "Out of memory."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"(see above)", "(see above)"},
        {"a, b,", "a, b,"},
        {"trailing blank ", "trailing blank "},
        {"ends in digit 7", "ends in digit 7."},
        {"ends in slash/", "ends in slash/."},
        {"ends in dash-", "ends in dash-"},
        {"", ""},
        {"\xE4", "\xE4."},  // an 8-bit character sorts above "."
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorDisplayText(c.message), c.shown) << c.message;
}

TEST(StartupFailureText, FormatsClassModuleOffsetAndMessage)
{
    EXPECT_EQ(startupFailureText("EResNotFound", "tcm-viewer", 0x1a2b3c, "Resource TForm1 not found"),
              "Exception EResNotFound in module tcm-viewer at 001A2B3C.\r\n"
              "Resource TForm1 not found.\r\n");
    // A message already ending in "." gets none added; "!" does get one here.
    EXPECT_EQ(startupFailureText("EReadError", "m", 0, "Bad."),
              "Exception EReadError in module m at 00000000.\r\nBad.\r\n");
    EXPECT_EQ(startupFailureText("E", "m", 0xFFFFFFFF, "Stop!"),
              "Exception E in module m at FFFFFFFF.\r\nStop!.\r\n");
    EXPECT_EQ(startupFailureText("E", "m", 1, ""), "Exception E in module m at 00000001.\r\n\r\n");
}

}  // namespace
}  // namespace tcm::toolkit
