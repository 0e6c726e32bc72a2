// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CPU.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;

TEST(StartScreen, DrawsTheMarkerBesideTheFirstLine) {
    SDLGraphics& g = graphics();
    CPU cpu;
    DifferentScreens screens;
    clearFrame();
    screens.start_screen(&g, &cpu);
    EXPECT_EQ(pixel(5, 5), WHITE);
    EXPECT_TRUE(anyPixelOtherThan(27, 264, 57, 284, WHITE));
}
