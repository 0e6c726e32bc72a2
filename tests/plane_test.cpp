#include <gtest/gtest.h>

#include <SDL/SDL_gfxPrimitives.h>

#include <cmath>

#include "PlotPixels.h"
#include "TestSupport.h"
#include "app/CPU.h"
#include "gfx/LineClip.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;

namespace {

const RectD AREA{0, 0, 99, 99};

void expectSegment(const std::optional<SegmentD>& s, PointD from, PointD to) {
    ASSERT_TRUE(s.has_value());
    EXPECT_DOUBLE_EQ(s->from.x, from.x);
    EXPECT_DOUBLE_EQ(s->from.y, from.y);
    EXPECT_DOUBLE_EQ(s->to.x, to.x);
    EXPECT_DOUBLE_EQ(s->to.y, to.y);
}

}  // namespace

TEST(LineClip, KeepsInsideEndsAndCutsOutsideOnes) {
    expectSegment(clipSegment({{3, 4}, {90, 97}}, AREA), {3, 4}, {90, 97});
    expectSegment(clipSegment({{-50, 10}, {50, 10}}, AREA), {0, 10}, {50, 10});
    expectSegment(clipSegment({{50, 50}, {50, 50}}, AREA), {50, 50}, {50, 50});
    expectSegment(clipSegment({{99, 200}, {99, -200}}, AREA), {99, 99}, {99, 0});
}

TEST(LineClip, DropsWhatLiesWhollyOutside) {
    EXPECT_FALSE(clipSegment({{-10, 5}, {5, -10}}, AREA));  // its box overlaps the corner, the line does not
    EXPECT_FALSE(clipSegment({{100, 0}, {200, 99}}, AREA));
    EXPECT_FALSE(clipSegment({{150, 150}, {150, 150}}, AREA));
    EXPECT_FALSE(clipSegment({{0, 0}, {HUGE_VAL, 5}}, AREA));
    EXPECT_FALSE(clipSegment({{std::nan(""), 0}, {5, 5}}, AREA));
}

TEST(LineClip, HugeEndsStillGiveTheTrueVisiblePart) {
    const auto s = clipSegment({{660, 350}, {960, -3e12}}, {0, 0, 999, 699});
    ASSERT_TRUE(s);
    EXPECT_EQ(s->from.y, 350);
    EXPECT_EQ(s->to.y, 0);
    EXPECT_NEAR(s->to.x, 660, 1e-6);
}

TEST(LineClip, BoxesAreCutToTheArea) {
    expectSegment(clipBox({98, 40}, {102, 44}, AREA), {98, 40}, {99, 44});
    expectSegment(clipBox({5, 5}, {1, 1}, AREA), {1, 1}, {5, 5});
    EXPECT_FALSE(clipBox({65546, 10}, {65550, 14}, AREA));
}

TEST(LineClip, ALineEndingFarRightDoesNotWrapAround) {
    SDLGraphics& g = graphics();
    clearFrame();
    drawClippedLine(g.getScreen(), {100, 100}, {65546 + 100, 100}, {255, 0, 0, 255});
    EXPECT_EQ(countPixels(0, 100, 1000, 101, RED), 900);
    drawClippedBox(g.getScreen(), {65546, 300}, {65550, 304}, {0, 0, 255, 255});
    EXPECT_EQ(countPixels(0, 290, 1000, 310, BLUE), 0);
}

TEST(LineClip, LinesInsideTheWindowGetExactlyTheLibrarysPixels) {
    SDLGraphics& g = graphics();
    const SegmentD lines[] = {{{360, 650}, {960, 50}}, {{660, 350}, {750, 230}}, {{0, 699}, {999, 0}}, {{5, 5}, {5, 5}}};
    for (const SegmentD& l : lines) {
        clearFrame();
        lineRGBA(g.getScreen(), Sint16(l.from.x), Sint16(l.from.y), Sint16(l.to.x), Sint16(l.to.y), 255, 0, 0, 255);
        const int expected = countFast(0, 0, 1000, 700, RED);
        drawClippedLine(g.getScreen(), l.from, l.to, {0, 0, 255, 255});
        EXPECT_EQ(countFast(0, 0, 1000, 700, BLUE), expected);
        EXPECT_EQ(countFast(0, 0, 1000, 700, RED), 0);
    }
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
    EXPECT_EQ(screens.moveX, 360);
    EXPECT_EQ(screens.moveY, 50);
    for (int y : {50, 215, 650}) EXPECT_EQ(pixel(660, y), BLACK) << y;
    EXPECT_EQ(pixel(659, 215), WHITE);
    EXPECT_EQ(pixel(515, 350), BLACK);
    EXPECT_EQ(pixel(515, 351), WHITE);
    EXPECT_EQ(pixel(655, 55), BLACK);   // top arrowhead
    EXPECT_EQ(pixel(955, 345), BLACK);  // right arrowhead
    EXPECT_EQ(pixel(365, 355), BLACK);  // left arrowhead
    EXPECT_EQ(pixel(656, 320), BLACK);  // tick at y = 1
    EXPECT_EQ(pixel(690, 346), BLACK);  // tick at x = 1
    EXPECT_EQ(pixel(390, 215), WHITE);  // no grid
    // "7" right of the origin, "-10" below it, "-10" left of it, "0" at the origin
    EXPECT_TRUE(anyPixelOtherThan(867, 329, 877, 345, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(641, 643, 660, 659, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(353, 360, 372, 376, WHITE));
    EXPECT_TRUE(anyPixelOtherThan(665, 335, 675, 349, WHITE));
}

TEST_F(Plane, GridAddsGreyColumnsBlackRowsAndThickAxes) {
    draw(true);
    for (int x : {659, 660, 661}) EXPECT_EQ(pixel(x, 215), BLACK) << x;
    for (int y : {349, 350, 351}) EXPECT_EQ(pixel(515, y), BLACK) << y;
    EXPECT_EQ(pixel(360, 215), GRAY);
    EXPECT_EQ(pixel(390, 215), GRAY);
    EXPECT_EQ(pixel(960, 215), GRAY);
    EXPECT_EQ(pixel(500, 80), BLACK);
    EXPECT_EQ(pixel(500, 650), BLACK);
    EXPECT_EQ(countPixels(360, 605, 961, 606, GRAY), 20);   // 21 columns, one under the y axis
    EXPECT_EQ(countPixels(500, 40, 501, 661, BLACK), 23);   // 21 rows 30 apart, the x axis 3 thick among them
}
