// The exercise screens of chapters 1 to 3: what is drawn where, read back
// from the frame, and the marker on every item the keys can reach.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CPU.h"
#include "input/KeyTables.h"
#include "screens/DifferentScreens.h"
#include "screens/ExerciseScreen.h"

using namespace testsupport;

namespace {

const Rgb FIELD_GREY{225, 225, 225};

struct Chapter {
    const char* screen;
    const ChapterLayout& (*layout)();
    void (DifferentScreens::*draw)(SDLGraphics*, CPU*);
    void (CPU::*setItem)(std::string);
    int panelBottom;
    int hintY;
};

const Chapter CHAPTERS[] = {
    {"part1", chapter1Layout, &DifferentScreens::part1, &CPU::setPart1Item, 650, 665},
    {"part2", chapter2Layout, &DifferentScreens::part2, &CPU::setPart2Item, 670, 677},
    {"part3", chapter3Layout, &DifferentScreens::part3, &CPU::setPart3Item, 510, 525},
};

void PrintTo(const Chapter& chapter, std::ostream* out) { *out << chapter.screen; }

void drawWith(const Chapter& chapter, CPU& cpu) {
    DifferentScreens screens;
    clearFrame();
    (screens.*chapter.draw)(&graphics(), &cpu);
}

// A pixel near the right end of a box, clear of its caption or value.
Rgb insideRightEnd(const ItemBox& box) { return pixel(box.x + box.width - 3, box.y + 17); }

}  // namespace

class ChapterScreen : public ::testing::TestWithParam<Chapter> {};

TEST_P(ChapterScreen, DrawsPanelsCellsButtonsAndFields) {
    const Chapter& chapter = GetParam();
    CPU cpu;
    (cpu.*chapter.setItem)("none");
    drawWith(chapter, cpu);
    EXPECT_EQ(pixel(20, 20), GRAY) << "grey frame";
    EXPECT_EQ(pixel(500, 100), WHITE) << "solution panel";
    EXPECT_EQ(pixel(105, chapter.panelBottom - 3), SILVER) << "exercise panel";
    EXPECT_EQ(pixel(500, chapter.panelBottom + 5), GRAY) << "below the panel";
    for (const Rect& cell : chapter.layout().cells) {
        EXPECT_EQ(pixel(cell.x1, (cell.y1 + cell.y2) / 2), BLACK);
        EXPECT_EQ(pixel((cell.x1 + cell.x2) / 2, cell.y2), BLACK);
    }
    for (const ExerciseLayout& exercise : chapter.layout().exercises) {
        for (const ItemBox& button : exercise.buttons) EXPECT_EQ(insideRightEnd(button), GRAY) << button.item;
        for (const ItemBox& field : exercise.fields) EXPECT_EQ(insideRightEnd(field), FIELD_GREY) << field.item;
    }
}

TEST_P(ChapterScreen, EveryItemOfTheKeysHasAMarkerSpotWhereTheMarkerIsDrawn) {
    const Chapter& chapter = GetParam();
    const ScreenKeys* keys = screenKeysFor(chapter.screen);
    ASSERT_NE(keys, nullptr);
    CPU cpu;
    (cpu.*chapter.setItem)("none");
    drawWith(chapter, cpu);
    std::vector<Rgb> unmarked;
    for (const NavRow& row : keys->moves) {
        auto spot = markerPosition(chapter.layout(), row.item);
        ASSERT_TRUE(spot) << row.item;
        unmarked.push_back(pixel(spot->first + 1, spot->second + 1));
    }
    for (std::size_t i = 0; i < keys->moves.size(); ++i) {
        const NavRow& row = keys->moves[i];
        (cpu.*chapter.setItem)(row.item);
        drawWith(chapter, cpu);
        auto spot = *markerPosition(chapter.layout(), row.item);
        EXPECT_TRUE(anyPixelOtherThan(spot.first, spot.second, spot.first + 3, spot.second + 3, unmarked[i]))
            << "no marker at " << row.item;
    }
}

TEST_P(ChapterScreen, BackMarkerStandsLeftOfTheBackCaptionOnTheHintLine) {
    const Chapter& chapter = GetParam();
    auto spot = markerPosition(chapter.layout(), "back");
    ASSERT_TRUE(spot);
    EXPECT_EQ(spot->first, 450);
    EXPECT_EQ(spot->second, chapter.hintY);
    EXPECT_FALSE(markerPosition(chapter.layout(), "nothing"));
}

TEST_P(ChapterScreen, FieldValuesAndSolutionLinesAreDrawnInBlack) {
    const Chapter& chapter = GetParam();
    CPU cpu;
    const ItemBox& first = chapter.layout().exercises[0].fields[0];
    cpu.setField(*fieldNamed(std::string(chapter.layout().fieldPrefix) + first.item), "8888888888");
    cpu.setSolutionLine5("8888888888");
    (cpu.*chapter.setItem)("none");
    drawWith(chapter, cpu);
    EXPECT_GT(countPixels(first.x, first.y, first.x + 90, first.y + 20, BLACK), 30);
    EXPECT_GT(countPixels(110, 140, 200, 160, BLACK), 30);
}

INSTANTIATE_TEST_SUITE_P(Chapters, ChapterScreen, ::testing::ValuesIn(CHAPTERS),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST(ChapterScreens, FractionSixHasNarrowBoxes) {
    CPU cpu;
    cpu.setPart2Item("none");
    drawWith(CHAPTERS[1], cpu);
    EXPECT_EQ(pixel(889, 590), FIELD_GREY);
    EXPECT_EQ(pixel(893, 590), SILVER);
    EXPECT_EQ(pixel(789, 590), FIELD_GREY);
}
