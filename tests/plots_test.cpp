#include <gtest/gtest.h>

#include "PlotPixels.h"
#include "TestSupport.h"
#include "app/CPU.h"
#include "screens/DifferentScreens.h"
#include "screens/PlotPanel.h"
#include "screens/PlotPicture.h"

using namespace testsupport;

namespace {

std::vector<std::string> textsOf(const PlotPicture& picture) {
    std::vector<std::string> texts;
    for (const PlotShape& s : picture)
        if (s.kind == PlotShape::Kind::Text) texts.push_back(s.text);
    return texts;
}

using Texts = std::vector<std::string>;

class Plots : public ::testing::Test {
protected:
    void type(Field f, const std::string& text) {
        cpu.clearField(f);
        cpu.setField(f, text);
    }
    void draw(void (DifferentScreens::*screen)(SDLGraphics*, CPU*)) {
        clearFrame();
        (screens.*screen)(&g, &cpu);
    }
    // Red pixels right of the panel, below the plot texts and outside columns [left, right].
    int redOutsideColumns(int left, int right) {
        return countFast(320, 160, left, 700, RED) + countFast(std::max(320, right + 1), 160, 1000, 700, RED);
    }
    SDLGraphics& g = graphics();
    CPU cpu;
    DifferentScreens screens;
};

}  // namespace

TEST_F(Plots, EquationTextsOfTheThreeLines) {
    EXPECT_EQ(textsOf(straightLinesPicture(cpu, {{{2, -1}, {0, 0}, {-0.5, 1e6}}})),
              (Texts{"y = 2x + -1", "y = 0x + 0", "y = -0.5x + 1e+06"}));
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, 0, 1, 1, 3)), Texts{"y = 2x + 1"});
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, 1, 1, 3, 1)), Texts{"y = 0x + 1"});
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, 2, 1, 2, 5)), Texts{});  // vertical: no y = ax + b
    EXPECT_EQ(textsOf(twoPointsPicture(cpu, 0, 0, 0, 0)), Texts{});
}

TEST_F(Plots, DiagonalThroughTheOrigin) {
    type(Field::part4_program1_a1, "1");
    type(Field::part4_program1_b1, "0");
    draw(&DifferentScreens::part4_program1);
    for (int x : {360, 510, 810, 960}) EXPECT_EQ(pixel(x, 650 - (x - 360)), RED) << x;
    EXPECT_EQ(pixel(510, 350), GREEN);  // the empty lines 2 and 3 lie on the x axis, 3 on top
    EXPECT_TRUE(anyPixelOtherThan(370, 80, 440, 96, WHITE));
}

TEST_F(Plots, SlopeThreeRunsPastThePlaneToTheWindowEdge) {
    type(Field::part4_program1_a1, "3");
    draw(&DifferentScreens::part4_program1);
    EXPECT_GT(countFast(768, 20, 773, 21, RED), 0);   // above the plane, x = 770 on the true line
    EXPECT_GT(countFast(548, 680, 553, 681, RED), 0);  // below it, x = 550
}

TEST_F(Plots, SteepOrHugeValuesStayOnTheTrueLineAndNeverWrap) {
    // 218.453333 puts the right end at -65185, which 16 bits would wrap to 351.
    for (const char* a : {"9999999999", "1000000000", "218.453333", "-218.453333", "-999999999"}) {
        type(Field::part4_program1_a1, a);
        draw(&DifferentScreens::part4_program1);
        EXPECT_EQ(redOutsideColumns(655, 665), 0) << a;
        EXPECT_GT(countFast(655, 600, 666, 601, RED), 0) << a;
    }
    type(Field::part4_program1_a1, "0");
    type(Field::part4_program1_b1, "9999999999");  // far above the window: nothing to draw
    draw(&DifferentScreens::part4_program1);
    EXPECT_EQ(redOutsideColumns(-1, -1), 0);
}

TEST_F(Plots, LineThroughTwoPointsWithItsMarkers) {
    type(Field::part4_program2_x1, "0");
    type(Field::part4_program2_y1, "1");
    type(Field::part4_program2_x2, "1");
    type(Field::part4_program2_y2, "3");
    draw(&DifferentScreens::part4_program2);
    EXPECT_EQ(pixel(720, 200), RED);  // (2, 5)
    EXPECT_EQ(pixel(600, 440), RED);  // (-2, -3)
    EXPECT_EQ(countFast(658, 318, 663, 323, BLUE), 25);
    EXPECT_EQ(countFast(688, 258, 693, 263, BLUE), 25);
    EXPECT_TRUE(anyPixelOtherThan(370, 70, 440, 86, WHITE));
}

TEST_F(Plots, VerticalLineSpansThePlaneWithTwoMarkers) {
    type(Field::part4_program2_x1, "2");
    type(Field::part4_program2_y1, "1");
    type(Field::part4_program2_x2, "2");
    type(Field::part4_program2_y2, "5");
    draw(&DifferentScreens::part4_program2);
    for (int y : {50, 100, 400, 650}) EXPECT_EQ(pixel(720, y), RED) << y;
    EXPECT_EQ(redOutsideColumns(720, 720), 0);
    EXPECT_EQ(countFast(718, 318, 723, 323, BLUE), 25);
    EXPECT_EQ(countFast(718, 198, 723, 203, BLUE), 25);
    EXPECT_FALSE(anyPixelOtherThan(370, 70, 440, 86, WHITE));  // no equation
}

TEST_F(Plots, EmptyPointsGiveTheYAxisAndOneMarker) {
    draw(&DifferentScreens::part4_program2);
    EXPECT_EQ(pixel(660, 100), RED);
    EXPECT_EQ(redOutsideColumns(660, 660), 0);
    EXPECT_EQ(countFast(640, 330, 680, 370, BLUE), 25);
}

TEST_F(Plots, VectorTextsAndWhenTheSecondVectorShows) {
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {0, 0, 1, 0, 0, 1})), Texts{"1w1 = [0 , 0]"});
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {3, 4, 2, 3, 0, 1})), Texts{"2w1 = [6 , 8]"});
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {3, 4, 1, 0, -2, 1})), Texts{"1w1 = [3 , 4]"});
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {3, 4, 1, 1, 1, 0})),
              (Texts{"suma = 1w1 + 0w2", "1w1 = [3 , 4]", "0w2 = [0 , 0]"}));
    EXPECT_EQ(textsOf(vectorsPicture(cpu, {2, 0, -1, 1, -2, 0.5})),
              (Texts{"suma = -1w1 + 0.5w2", "-1w1 = [-2 , -0]", "0.5w2 = [0.5 , -1]"}));
}

TEST_F(Plots, ArrowheadForEveryDirection) {
    struct Case {
        double x, y, mb;
        double dx1, dy1, dx2, dy2;
    };
    const Case cases[] = {
        {3, 4, 1, -10, 0, 0, 10},     {-3, -4, -1, -10, 0, 0, 10},   // right and up
        {3, 4, -1, 0, -10, 10, 0},    {-3, -4, 2, 0, -10, 10, 0},    // left and down
        {3, -4, 1, 0, -10, -10, 0},   {-3, 4, -1, 0, -10, -10, 0},   // right and down
        {-3, 4, 1, 10, 0, 0, 10},     {3, -4, -1, 10, 0, 0, 10},     // left and up
        {0, 4, 1, -10, 10, 10, 10},   {0, -4, -1, -10, 10, 10, 10},  // up
        {3, 0, 1, -10, 10, -10, -10}, {-3, 0, -1, -10, 10, -10, -10}, // right
        {0, -4, 1, -10, -10, 10, -10}, {0, 4, -1, -10, -10, 10, -10}, // down
        {-3, 0, 1, 10, 10, 10, -10},  {3, 0, -1, 10, 10, 10, -10},   // left
    };
    const PointD tip{500, 200};
    for (const Case& c : cases) {
        const auto strokes = arrowheadStrokes(c.x, c.y, c.mb, tip);
        ASSERT_EQ(strokes.size(), 2u) << c.x << " " << c.y << " " << c.mb;
        EXPECT_EQ(strokes[0].from.x - tip.x, c.dx1);
        EXPECT_EQ(strokes[0].from.y - tip.y, c.dy1);
        EXPECT_EQ(strokes[1].from.x - tip.x, c.dx2);
        EXPECT_EQ(strokes[1].from.y - tip.y, c.dy2);
        EXPECT_EQ(strokes[0].to.x, tip.x);
        EXPECT_EQ(strokes[1].to.y, tip.y);
    }
    EXPECT_TRUE(arrowheadStrokes(3, 4, 0, tip).empty());
    EXPECT_TRUE(arrowheadStrokes(0, 0, 1, tip).empty());
}

TEST_F(Plots, VectorWithItsArrowhead) {
    type(Field::part4_program3_x1, "3");
    type(Field::part4_program3_y1, "4");
    draw(&DifferentScreens::part4_program3);
    for (auto p : {std::pair{660, 350}, {705, 290}, {750, 230}, {740, 230}, {745, 230}, {750, 240}})
        EXPECT_EQ(pixel(p.first, p.second), RED) << p.first << "," << p.second;
    EXPECT_EQ(countFast(320, 0, 1000, 700, BLUE) + countFast(320, 0, 1000, 700, GREEN), 0);
}

TEST_F(Plots, NegativeFactorFlipsTheVectorAndItsHead) {
    type(Field::part4_program3_x1, "2");
    type(Field::part4_program3_multiply_by1, "-1");
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(600, 350), RED);
    EXPECT_EQ(pixel(605, 355), RED);  // straight-left head
    EXPECT_EQ(pixel(605, 345), RED);
    EXPECT_NE(pixel(700, 350), RED);
}

TEST_F(Plots, SecondVectorAndSumFromTheTipOfTheFirst) {
    type(Field::part4_program3_x1, "3");
    type(Field::part4_program3_y1, "4");
    type(Field::part4_program3_x2, "2");
    type(Field::part4_program3_y2, "-5");
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(810, 380), BLUE);   // tip of w1 + w2 at (5, -1)
    EXPECT_EQ(pixel(810, 372), BLUE);   // its right-and-down head
    EXPECT_EQ(pixel(802, 380), BLUE);
    EXPECT_EQ(pixel(735, 365), GREEN);  // the sum, halfway
    cpu.clearField(Field::part4_program3_multiply_by2);  // factor 0: nothing of w2 shows but its text
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(countFast(320, 160, 1000, 700, BLUE), 0);
    const PlotPicture picture = vectorsPicture(cpu, {3, 4, 1, 2, -5, 0});
    EXPECT_EQ(picture.front().color.g, 128);  // the sum comes first, along vector 1 and under it
    EXPECT_EQ(picture.front().b.x, 750);
    EXPECT_EQ(picture.front().b.y, 230);
}

TEST_F(Plots, HugeVectorIsCutNotWrapped) {
    type(Field::part4_program3_x1, "9999999999");
    type(Field::part4_program3_multiply_by1, "9999999999");
    draw(&DifferentScreens::part4_program3);
    EXPECT_EQ(pixel(990, 350), RED);
    EXPECT_EQ(countFast(320, 160, 1000, 350, RED) + countFast(320, 351, 1000, 700, RED), 0);
}

TEST_F(Plots, HighlightMarkerSitsOnTheItemsRow) {
    struct Screen {
        void (DifferentScreens::*draw)(SDLGraphics*, CPU*);
        void (CPU::*setItem)(std::string);
        std::vector<std::pair<const char*, int>> rows;
    };
    const Screen screensToCheck[] = {
        {&DifferentScreens::part4_program1, &CPU::setPart4Program1Item,
         {{"1", 190}, {"2", 220}, {"3", 280}, {"4", 310}, {"5", 370}, {"6", 400}, {"7", 460}}},
        {&DifferentScreens::part4_program2, &CPU::setPart4Program2Item,
         {{"1", 220}, {"2", 250}, {"3", 310}, {"4", 340}, {"5", 400}}},
        {&DifferentScreens::part4_program3, &CPU::setPart4Program3Item,
         {{"1", 220}, {"2", 250}, {"3", 310}, {"4", 340}, {"5", 430}, {"6", 490}, {"7", 550}}},
    };
    for (const Screen& screen : screensToCheck)
        for (const auto& [item, y] : screen.rows) {
            (cpu.*screen.setItem)(item);
            draw(screen.draw);
            EXPECT_TRUE(anyPixelOtherThan(27, y, 57, y + 20, SILVER)) << item << " at " << y;
            EXPECT_FALSE(anyPixelOtherThan(27, 0, 57, y, SILVER)) << item;
            EXPECT_FALSE(anyPixelOtherThan(27, y + 20, 57, 700, SILVER)) << item;
        }
}

TEST_F(Plots, PanelShowsTheTypedValuesInTheirBoxes) {
    EXPECT_FALSE(markerRow(vectorsPanel(), "8"));
    draw(&DifferentScreens::part4_program3);
    EXPECT_TRUE(anyPixelOtherThan(106, 431, 205, 450, GRAY));   // factor 1 starts as "1"
    EXPECT_FALSE(anyPixelOtherThan(106, 221, 205, 240, GRAY));  // x1 is empty
    EXPECT_EQ(pixel(319, 690), SILVER);
}
