// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 3, fractions and rational numbers (part 2): four cells, two by two;
// the panel and the hint line stand higher than in chapter 2.
#include "DifferentScreens.h"
#include "ExerciseScreen.h"

namespace {

using L = Language;

const ChapterLayout CHAPTER3{
    Screen::part3,
    {100, 190, 900, 510},
    {{100, 190, 500, 350}, {500, 190, 900, 350}, {100, 350, 500, 510}, {500, 350, 900, 510}},
    {
        {{{"calculate1", 245, 320}},
         {{&L::part3_program1_line1, "title", 110, 200}, {&L::part3_program1_line2, "text", 110, 260},
          {&L::part3_program1_line3, "text", 110, 290}, {&L::part3_program1_line4, "text", 270, 320}},
         {{"program1_n_a", 210, 260}, {"program1_n_b", 210, 290}}},
        {{{"calculate2", 645, 320}},
         {{&L::part3_program2_line1, "title", 510, 200}, {&L::part3_program2_line2, "title", 510, 230},
          {&L::part3_program2_line3, "text", 510, 260}, {&L::part3_program2_line4, "text", 670, 320}},
         {{"program2_n", 715, 260}}},
        {{{"calculate3", 245, 480}},
         {{&L::part3_program3_line1, "title", 110, 360}, {&L::part3_program3_line2, "text", 110, 420},
          {&L::part3_program3_line3, "text", 110, 450}, {&L::part3_program3_line4, "text", 210, 390},
          {&L::part3_program3_line5, "text", 330, 390}, {&L::part3_program3_line6, "text", 270, 480}},
         {{"program3_n1a", 210, 420}, {"program3_n1b", 210, 450}, {"program3_n2a", 330, 420},
          {"program3_n2b", 330, 450}}},
        {{{"calculate4", 645, 480}},
         {{&L::part3_program4_line1, "title", 510, 360}, {&L::part3_program4_line2, "title", 510, 390},
          {&L::part3_program4_line3, "text", 510, 420}, {&L::part3_program4_line4, "text", 510, 450},
          {&L::part3_program4_line5, "text", 670, 480}},
         {{"program4_n_a", 610, 420}, {"program4_n_b", 610, 450}}},
    },
    525,
    {{&L::_back, "text", 475}, {&L::to_remove_data_press, "text", layout::TEXT_X}, {&L::_delete, "message", 240}},
};

}  // namespace

const ChapterLayout& chapter3Layout() { return CHAPTER3; }

void DifferentScreens::part3(SDLGraphics* g, CPU* cpu) {
    drawChapterScreen(g, *cpu, CHAPTER3, cpu->getPart3Item());
    runSolveStep(*cpu, Screen::part3, results_file);
}
