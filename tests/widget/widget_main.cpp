// Widget tests run the real toolkit on Qt's offscreen platform, with one
// application object for the whole run, as the program has.

#include "toolkit/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tcm::toolkit::TApplication application(argv[0]);
    return RUN_ALL_TESTS();
}
