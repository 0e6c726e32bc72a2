// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1, natural numbers and integers: seven exercises in six cells
// (exercises 5 and 6 share one cell and its two fields).
#include "DifferentScreens.h"
#include "ExerciseScreen.h"

namespace {

using L = Language;

const ChapterLayout CHAPTER1{
    Screen::part1,
    {100, 190, 900, 650},
    {{100, 190, 500, 340}, {500, 190, 900, 340}, {100, 340, 500, 490},
     {500, 340, 900, 490}, {100, 490, 500, 650}, {500, 490, 900, 650}},
    {
        {{{"calculate1", 245, 310}},
         {{&L::part1_program1_line1, "title", 110, 200}, {&L::part1_program1_line2, "text", 110, 230},
          {&L::part1_program1_line3, "text", 110, 260}, {&L::part1_program1_line4, "text", 270, 260},
          {&L::part1_program1_line5, "text", 270, 310}},
         {{"program1_n", 140, 260}, {"program1_k", 300, 260}}},
        {{{"calculate2", 645, 310}},
         {{&L::part1_program2_line1, "title", 510, 200}, {&L::part1_program2_line2, "text", 510, 230},
          {&L::part1_program2_line3, "text", 510, 260}, {&L::part1_program2_line4, "text", 670, 260},
          {&L::part1_program2_line5, "text", 670, 310}},
         {{"program2_from", 540, 260}, {"program2_to", 700, 260}}},
        {{{"calculate3", 245, 460}},
         {{&L::part1_program3_line1, "title", 110, 350}, {&L::part1_program3_line2, "text", 110, 410},
          {&L::part1_program3_line3, "text", 270, 460}},
         {{"program3_n", 210, 410}}},
        {{{"calculate4", 645, 460}},
         {{&L::part1_program4_line1, "title", 510, 350}, {&L::part1_program4_line2, "text", 510, 380},
          {&L::part1_program4_line3, "text", 510, 410}, {&L::part1_program4_line4, "text", 670, 460}},
         {{"program4_n", 610, 410}}},
        {{{"calculate5", 245, 620}, {"calculate6", 365, 620}},
         {{&L::part1_program5and6_line1, "title", 110, 500}, {&L::part1_program5and6_line2, "title", 110, 530},
          {&L::part1_program5and6_line3, "text", 110, 560}, {&L::part1_program5and6_line4, "text", 110, 590},
          {&L::part1_program5and6_line5, "text", 270, 620}, {&L::part1_program5and6_line6, "text", 390, 620}},
         {{"program5and6_n1", 210, 560}, {"program5and6_n2", 210, 590}}},
        {{{"calculate7", 645, 620}},
         {{&L::part1_program7_line1, "title", 510, 500}, {&L::part1_program7_line2, "title", 510, 530},
          {&L::part1_program7_line3, "text", 510, 560}, {&L::part1_program7_line4, "text", 670, 620}},
         {{"program7_n", 610, 560}}},
    },
    665,
    {{&L::_back, "text", 475}, {&L::to_remove_data_press, "text", layout::TEXT_X}, {&L::_delete, "message", 240},
     {&L::results_from, "text", 560}},
};

}  // namespace

const ChapterLayout& chapter1Layout() { return CHAPTER1; }

void DifferentScreens::part1(SDLGraphics* g, CPU* cpu) {
    drawChapterScreen(g, *cpu, CHAPTER1, cpu->getPart1Item());
    runSolveStep(*cpu, Screen::part1, results_file);
}
