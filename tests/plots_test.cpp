// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CPU.h"
#include "screens/DifferentScreens.h"
#include "screens/PlotPicture.h"

using namespace testsupport;

namespace {

using Texts = std::vector<std::string>;

Texts textsOf(const PlotPicture& picture) {
    Texts texts;
    for (const PlotShape& s : picture)
        if (s.kind == PlotShape::Kind::text) texts.push_back(s.text);
    return texts;
}

class Plots : public ::testing::Test {
protected:
    void type(std::initializer_list<std::pair<Field, const char*>> values) {
        for (auto [field, text] : values) {
            cpu.clearField(field);
            cpu.setField(field, text);
        }
    }
    void draw(void (DifferentScreens::*screen)(SDLGraphics*, CPU*)) {
        clearFrame();
        (screens.*screen)(&g, &cpu);
    }
    // Red right of the panel (its "Delete" is red), below the plot texts, outside columns [left, right].
    int redOutsideColumns(int left, int right) {
        return countPixels(320, 160, left, 700, RED) + countPixels(std::max(320, right + 1), 160, 1000, 700, RED);
    }
    SDLGraphics& g = graphics();
    CPU cpu;
    DifferentScreens screens;
};

}  // namespace

TEST_F(Plots, EquationTexts) {
    EXPECT_EQ(textsOf(straightLinesPicture(cpu, {{{2, -1}, {0, 0}, {-0.5, 1e6}}})),
              (Texts{"y = 2x - 1", "y = 0", "y = -0.5x + 1e+06"}));
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, {"0", "1", "1", "3"})), Texts{"y = 2x + 1"});  // shown although x1 is 0
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, {"1", "0", "0", "-1"})), Texts{"y = x - 1"});
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, {"0", "3", "1", "3"})), Texts{"y = 3"});
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, {"2", "1", "2", "5"})), Texts{});              // vertical: no y = ax + b
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, {"0", "0", "0", "0"})), Texts{});
    // y = -(19/30)x - 0.3 meets x = -10 at y = 181/30, exactly 119 pixels below the plane's top: the
    // line ends there (slope and intercept worked out in doubles put it a pixel higher).
    const PlotPicture exact = twoPointsPicture(cpu, {"-3", "1.6", "0", "-0.3"});
    EXPECT_EQ(exact[1].b.x, 360);
    EXPECT_EQ(exact[1].b.y, 50 + 119);
}

TEST_F(Plots, StraightLinesRunFromEdgeToEdgeOfThePlane) {
    type({{Field::part4_program1_a1, "1"}, {Field::part4_program1_b1, "0"}});
    draw(&DifferentScreens::part4_program1);
    for (int x : {360, 510, 810, 960}) EXPECT_EQ(pixel(x, 650 - (x - 360)), RED) << x;
    EXPECT_EQ(pixel(510, 350), GREEN);  // empty lines 2 and 3 lie on the x axis, 3 on top
    EXPECT_TRUE(anyPixelOtherThan(370, 80, 440, 96, WHITE));
    type({{Field::part4_program1_a1, "3"}});  // beyond the plane's top and bottom to the window's edge
    draw(&DifferentScreens::part4_program1);
    EXPECT_GT(countPixels(768, 20, 773, 21, RED), 0);
    EXPECT_GT(countPixels(548, 680, 553, 681, RED), 0);
}

TEST_F(Plots, SteepOrHugeValuesStayOnTheTrueLineAndNeverWrap) {
    // 218.453333 puts the right end at y = -65185, which 16 bits would wrap to 351.
    for (const char* a : {"9999999999", "218.453333", "-218.453333", "-999999999"}) {
        type({{Field::part4_program1_a1, a}});
        draw(&DifferentScreens::part4_program1);
        EXPECT_EQ(redOutsideColumns(655, 665), 0) << a;
        EXPECT_GT(countPixels(655, 600, 666, 601, RED), 0) << a;
    }
    type({{Field::part4_program1_a1, "0"}, {Field::part4_program1_b1, "9999999999"}});  // far above
    draw(&DifferentScreens::part4_program1);
    EXPECT_EQ(redOutsideColumns(-1, -1), 0);
}

TEST_F(Plots, LineThroughTwoPoints) {
    type({{Field::part4_program2_x1, "0"}, {Field::part4_program2_y1, "1"},
          {Field::part4_program2_x2, "1"}, {Field::part4_program2_y2, "3"}});
    draw(&DifferentScreens::part4_program2);
    EXPECT_EQ(pixel(720, 200), RED);  // (2, 5)
    EXPECT_EQ(pixel(600, 440), RED);  // (-2, -3)
    EXPECT_EQ(countPixels(658, 318, 663, 323, BLUE) + countPixels(688, 258, 693, 263, BLUE), 50);
    EXPECT_TRUE(anyPixelOtherThan(370, 70, 440, 86, WHITE));

    type({{Field::part4_program2_x1, "2"}, {Field::part4_program2_x2, "2"}, {Field::part4_program2_y2, "5"}});
    draw(&DifferentScreens::part4_program2);
    for (int y : {50, 100, 400, 650}) EXPECT_EQ(pixel(720, y), RED) << y;
    EXPECT_EQ(redOutsideColumns(720, 720), 0);
    EXPECT_EQ(countPixels(718, 318, 723, 323, BLUE) + countPixels(718, 198, 723, 203, BLUE), 50);
    EXPECT_FALSE(anyPixelOtherThan(370, 70, 440, 86, WHITE));

    for (Field f : {Field::part4_program2_x1, Field::part4_program2_y1, Field::part4_program2_x2,
                    Field::part4_program2_y2})
        cpu.clearField(f);
    draw(&DifferentScreens::part4_program2);  // the y axis and one marker at the origin
    EXPECT_EQ(pixel(660, 100), RED);
    EXPECT_EQ(redOutsideColumns(660, 660), 0);
    EXPECT_EQ(countPixels(640, 330, 680, 370, BLUE), 25);
}

// Both vectors and their sum, whatever their components: as the working adds them.
TEST_F(Plots, VectorTextsNameBothVectorsAndTheSum) {
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {"0", "0", "0", "0", "1", "1"})), (Texts{"sum = w1 + w2", "w1 = [0 , 0]", "w2 = [0 , 0]"}));
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {"3", "4", "3", "0", "2", "1"})), (Texts{"sum = 2w1 + w2", "2w1 = [6 , 8]", "w2 = [3 , 0]"}));
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {"3", "4", "1", "1", "1", "-1"})), (Texts{"sum = w1 - w2", "w1 = [3 , 4]", "-w2 = [-1 , -1]"}));
    // Scaled exactly: no "-0" for a zero component with a negative factor.
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {"3", "4", "0", "3", "1", "-1"}))[2], "-w2 = [0 , -3]");
    const PlotPicture zeroFactor = vectorsPicture(cpu, {"3", "4", "1", "1", "1", "0"});
    EXPECT_EQ(textsOf(zeroFactor), (Texts{"sum = w1", "w1 = [3 , 4]", "0w2 = [0 , 0]"}));
    EXPECT_EQ(zeroFactor.front().b.x, 750);  // the sum ends where vector 1 does
    EXPECT_EQ(zeroFactor.front().b.y, 230);
}

TEST_F(Plots, ArrowheadPerDirectionAndFactorSign) {
    struct Case {
        double x, y, mb, dx1, dy1, dx2, dy2;
    };
    const Case cases[] = {
        {3, 4, 1, -10, 0, 0, 10},      {-3, -4, 2, 0, -10, 10, 0},    // right-up, left-down
        {-3, 4, -1, 0, -10, -10, 0},   {3, -4, -1, 10, 0, 0, 10},     // right-down, left-up
        {0, -4, -1, -10, 10, 10, 10},  {3, 0, 1, -10, 10, -10, -10},  // up, right
        {0, -4, 1, -10, -10, 10, -10}, {3, 0, -1, 10, 10, 10, -10},   // down, left
    };
    const PointD tip{500, 200};
    for (const Case& c : cases) {
        const auto strokes = arrowheadStrokes(c.x, c.y, c.mb, tip);
        ASSERT_EQ(strokes.size(), 2u) << c.x << " " << c.y << " " << c.mb;
        EXPECT_EQ((std::pair{strokes[0].from.x - tip.x, strokes[0].from.y - tip.y}), (std::pair{c.dx1, c.dy1}));
        EXPECT_EQ((std::pair{strokes[1].from.x - tip.x, strokes[1].from.y - tip.y}), (std::pair{c.dx2, c.dy2}));
        EXPECT_EQ(strokes[0].to.x + strokes[1].to.y, tip.x + tip.y);
    }
    EXPECT_TRUE(arrowheadStrokes(3, 4, 0, tip).empty());
    EXPECT_TRUE(arrowheadStrokes(0, 0, 1, tip).empty());
}

TEST_F(Plots, VectorsOnThePlane) {
    type({{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"}});
    draw(&DifferentScreens::part4_program3);
    for (auto [x, y] : {std::pair{660, 350}, {705, 290}, {750, 230}, {740, 230}, {750, 240}})
        EXPECT_EQ(pixel(x, y), RED) << x << "," << y;
    // w2 = [0, 0]: the sum lies under w1, and below the texts nothing is blue or green.
    EXPECT_EQ(countPixels(320, 170, 1000, 700, BLUE) + countPixels(320, 170, 1000, 700, GREEN), 0);

    type({{Field::part4_program3_x2, "3"}});  // w2 = [3, 0] lies on an axis and is drawn all the same
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(795, 230), BLUE);
    EXPECT_EQ(pixel(750, 290), GREEN);  // the sum [6, 4], halfway

    type({{Field::part4_program3_x2, "2"}, {Field::part4_program3_y2, "-5"}});
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(810, 380), BLUE);   // tip of w1 + w2 at (5, -1) with its right-and-down head
    EXPECT_EQ(pixel(810, 372), BLUE);
    EXPECT_EQ(pixel(735, 365), GREEN);  // the sum, halfway
    cpu.clearField(Field::part4_program3_multiply_by2);
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(countPixels(320, 160, 1000, 700, BLUE), 0);

    type({{Field::part4_program3_x1, "2"}, {Field::part4_program3_y1, "0"},
          {Field::part4_program3_multiply_by1, "-1"}});  // flipped: points left, straight-left head
    draw(&DifferentScreens::part4_program3);
    for (auto [x, y] : {std::pair{600, 350}, {605, 355}, {605, 345}}) EXPECT_EQ(pixel(x, y), RED) << x;

    type({{Field::part4_program3_x1, "9999999999"}, {Field::part4_program3_multiply_by1, "9999999999"}});
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(990, 350), RED);
    EXPECT_EQ(countPixels(320, 160, 1000, 350, RED) + countPixels(320, 351, 1000, 700, RED), 0);
}

TEST_F(Plots, HighlightMarkerSitsOnTheItemsRow) {
    struct PlotScreen {
        void (DifferentScreens::*draw)(SDLGraphics*, CPU*);
        void (CPU::*setItem)(std::string);
        std::vector<int> rows;  // of items "1", "2", ...
    };
    const PlotScreen screensToCheck[] = {
        {&DifferentScreens::part4_program1, &CPU::setPart4Program1Item, {190, 220, 280, 310, 370, 400, 460}},
        {&DifferentScreens::part4_program2, &CPU::setPart4Program2Item, {220, 250, 310, 340, 400}},
        {&DifferentScreens::part4_program3, &CPU::setPart4Program3Item, {220, 250, 310, 340, 430, 490, 550}},
    };
    for (const PlotScreen& screen : screensToCheck)
        for (std::size_t i = 0; i < screen.rows.size(); ++i) {
            const int y = screen.rows[i];
            (cpu.*screen.setItem)(std::to_string(i + 1));
            draw(screen.draw);
            // The marker is at most 22 pixels tall; nothing else stands in its column.
            EXPECT_TRUE(anyPixelOtherThan(27, y, 57, y + 20, SILVER)) << i + 1 << " at " << y;
            EXPECT_EQ(countPixels(27, 0, 57, 700, SILVER), countPixels(27, y, 57, y + 22, SILVER) + 30 * 678);
        }
    EXPECT_TRUE(anyPixelOtherThan(106, 431, 205, 450, GRAY));   // factor 1 shows its "1"
    EXPECT_FALSE(anyPixelOtherThan(106, 221, 205, 240, GRAY));  // x1 is empty
}
