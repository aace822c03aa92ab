#include "platform/qt/screen_scale.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

TEST(ScreenScaleFactor, LargestQuarterStepThatFitsBothDirections) {
    struct Case {
        int width, height;
        double factor;
    } cases[] = {
        {800, 600, 1.0},     {1024, 768, 1.0},    {1366, 768, 1.0},   // no room in one direction
        {1279, 960, 1.0},    {1280, 959, 1.0},    {1280, 960, 1.25},  // the first step, exactly
        {1280, 1024, 1.25},  {1920, 1080, 1.25},  {1920, 1200, 1.5},  {2048, 1536, 2.0},
        {2560, 1440, 1.75},  {2560, 1600, 2.0},   {3440, 1440, 1.75}, {3840, 2160, 2.75},
        {7680, 4320, 5.5},   {0, 0, 1.0},         {-1, 5000, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenScaleFactor(c.width, c.height), c.factor) << c.width << " x " << c.height;
}

}  // namespace
}  // namespace quillan
