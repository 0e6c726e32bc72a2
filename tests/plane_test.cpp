// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL/SDL_gfxPrimitives.h>

#include <cmath>

#include "TestSupport.h"
#include "app/CPU.h"
#include "gfx/LineClip.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;

TEST(LineClip, KeepsInsideEndsCutsOutsideOnesDropsMisses) {
    const Rect area{0, 0, 99, 99};
    struct Case {
        SegmentD in;
        std::optional<SegmentD> out;
    };
    const Case cases[] = {
        {{{3, 4}, {90, 97}}, SegmentD{{3, 4}, {90, 97}}},
        {{{-50, 10}, {50, 10}}, SegmentD{{0, 10}, {50, 10}}},
        {{{99, 200}, {99, -200}}, SegmentD{{99, 99}, {99, 0}}},
        {{{50, 50}, {50, 50}}, SegmentD{{50, 50}, {50, 50}}},
        {{{-10, 5}, {5, -10}}, std::nullopt},  // its box overlaps the corner, the line does not
        {{{150, 150}, {150, 150}}, std::nullopt},
        {{{0, 0}, {HUGE_VAL, 5}}, std::nullopt},
        {{{std::nan(""), 0}, {5, 5}}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = clipSegment(c.in, area);
        ASSERT_EQ(got.has_value(), c.out.has_value()) << c.in.from.x << "," << c.in.from.y;
        if (!got) continue;
        EXPECT_DOUBLE_EQ(got->from.x, c.out->from.x);
        EXPECT_DOUBLE_EQ(got->from.y, c.out->from.y);
        EXPECT_DOUBLE_EQ(got->to.x, c.out->to.x);
        EXPECT_DOUBLE_EQ(got->to.y, c.out->to.y);
    }
    const auto steep = clipSegment({{660, 350}, {960, -3e12}}, {0, 0, 999, 699});
    ASSERT_TRUE(steep);
    EXPECT_EQ(steep->to.y, 0);
    EXPECT_NEAR(steep->to.x, 660, 1e-6);
    const auto box = clipBox({102, 44}, {98, 40}, area);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->from.x, 98);
    EXPECT_EQ(box->to.x, 99);
    EXPECT_FALSE(clipBox({65546, 10}, {65550, 14}, area));
}

TEST(LineClip, DrawsLibraryPixelsInsideAndNeverWraps) {
    SDL_Surface* s = graphics().getScreen();
    for (SegmentD l : {SegmentD{{360, 650}, {960, 50}}, SegmentD{{660, 350}, {750, 230}}, SegmentD{{0, 699}, {999, 0}}}) {
        clearFrame();
        lineRGBA(s, Sint16(l.from.x), Sint16(l.from.y), Sint16(l.to.x), Sint16(l.to.y), 255, 0, 0, 255);
        const int expected = countPixels(0, 0, 1000, 700, RED);
        drawClippedLine(s, l.from, l.to, {0, 0, 255, 255});
        EXPECT_EQ(countPixels(0, 0, 1000, 700, BLUE), expected);
    }
    clearFrame();
    drawClippedLine(s, {100, 100}, {65546 + 100, 100}, {255, 0, 0, 255});  // 16 bits would end it at 110
    EXPECT_EQ(countPixels(0, 100, 1000, 101, RED), 900);
    drawClippedBox(s, {65546, 300}, {65550, 304}, {0, 0, 255, 255});
    EXPECT_EQ(countPixels(0, 0, 1000, 700, BLUE), 0);
}

class Plane : public ::testing::Test {
protected:
    void draw(bool grid) {
        cpu.setGridlines(grid);
        clearFrame();
        screens.drawGridlines(&g, &cpu);
        screens.drawStartingLines(&g, &cpu);
    }
    SDLGraphics& g = graphics();
    CPU cpu;
    DifferentScreens screens;
};

TEST_F(Plane, WithoutGridHasThinAxesArrowheadsTicksAndLabels) {
    draw(false);
    // The plane's corner is (360, 50): the axes end at x 360 and y 50.
    EXPECT_EQ(pixel(360, 350), BLACK);
    EXPECT_EQ(pixel(359, 350), WHITE);
    EXPECT_EQ(pixel(660, 50), BLACK);
    EXPECT_EQ(pixel(660, 49), WHITE);
    EXPECT_EQ(countPixels(658, 215, 663, 216, BLACK), 1);  // y axis
    EXPECT_EQ(countPixels(515, 348, 516, 353, BLACK), 1);  // x axis
    for (auto [x, y] : {std::pair{655, 55}, {955, 345}, {365, 355}, {656, 320}, {690, 346}})
        EXPECT_EQ(pixel(x, y), BLACK) << x << "," << y;  // arrowheads top, right, left; ticks y = 1, x = 1
    EXPECT_EQ(pixel(390, 215), WHITE);
    // "7" right of the origin, "-10" below it and left of it, "0" at the origin
    EXPECT_TRUE(anyPixelOtherThan(867, 329, 877, 345, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(641, 643, 660, 659, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(353, 360, 372, 376, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(665, 335, 675, 349, WHITE));
}

TEST_F(Plane, GridAddsGreyColumnsBlackRowsAndThickAxes) {
    draw(true);
    EXPECT_EQ(countPixels(658, 215, 663, 216, BLACK), 3);
    EXPECT_EQ(countPixels(515, 348, 516, 353, BLACK), 3);
    EXPECT_EQ(countPixels(360, 605, 961, 606, GRAY), 20);   // 21 columns, one under the y axis
    EXPECT_EQ(countPixels(500, 40, 501, 661, BLACK), 23);   // 21 rows 30 apart, the x axis among them
    EXPECT_EQ(countPixels(500, 40, 501, 661, GRAY), 0);
}
