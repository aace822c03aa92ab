#include <gtest/gtest.h>

#include "app/program.h"
#include "app/quillan_application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    quillan::QuillanApplication app(argc, argv);
    quillan::SetUpFonts();
    return RUN_ALL_TESTS();
}
