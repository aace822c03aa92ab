#include <gtest/gtest.h>

#include "app/program.h"
#include "app/quillan_application.h"

int main(int argc, char** argv) {
    // Window tests run offscreen unless the caller chose a platform (to watch them, say).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    quillan::QuillanApplication app(argc, argv);
    quillan::SetUpFonts();
    return RUN_ALL_TESTS();
}
