// A fixture whose platform is the software raster over a 1024 x 768 screen of pattern pixels,
// counted, so that each test can also check that nothing it made the rules take was kept.
#pragma once

#include <gtest/gtest.h>

#include "counting_platform.h"
#include "lens/app_state.h"
#include "test_screens.h"

class RasterScreen : public testing::Test {
protected:
    RasterPlatform raster{patternScreen(1024, 768)};
    CountingPlatform counted{raster};

    void SetUp() override
    {
        appState = AppState{};
        usePlatform(counted);
        appState.desktopWindow = raster.desktopWindow();
        appState.screenWidth = 1024;
        appState.screenHeight = 768;
    }

    void TearDown() override { EXPECT_EQ(counted.liveObjects, 0) << "an object or context was kept"; }
};
