// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 2, fractions and rational numbers (part 1): four cells in two rows
// and a wide fifth cell of six fractions; every fraction is a numerator box
// above a denominator box.
#include "DifferentScreens.h"
#include "ExerciseScreen.h"

namespace {

using L = Language;

// Exercise 5's six numerators and denominators; fraction 6 has narrower boxes.
const std::vector<ItemBox> SIX_FRACTIONS = {
    {"program5_n1a", 210, 580}, {"program5_n1b", 210, 610}, {"program5_n2a", 330, 580},
    {"program5_n2b", 330, 610}, {"program5_n3a", 450, 580}, {"program5_n3b", 450, 610},
    {"program5_n4a", 570, 580}, {"program5_n4b", 570, 610}, {"program5_n5a", 690, 580},
    {"program5_n5b", 690, 610}, {"program5_n6a", 810, 580, 80}, {"program5_n6b", 810, 610, 80},
};

const ChapterLayout CHAPTER2{
    Screen::part2,
    {100, 190, 900, 670},
    {{100, 190, 500, 350}, {500, 190, 900, 350}, {100, 350, 500, 510}, {500, 350, 900, 510}, {100, 510, 900, 670}},
    {
        {{{"calculate1", 245, 320}},
         {{&L::part2_program1_line1, "title", 110, 200}, {&L::part2_program1_line2, "text", 110, 260},
          {&L::part2_program1_line3, "text", 110, 290}, {&L::part2_program1_line4, "text", 210, 230},
          {&L::part2_program1_line5, "text", 330, 230}, {&L::part2_program1_line6, "text", 270, 320}},
         {{"program1_n1a", 210, 260}, {"program1_n1b", 210, 290}, {"program1_n2a", 330, 260},
          {"program1_n2b", 330, 290}}},
        {{{"calculate2", 645, 320}},
         {{&L::part2_program2_line1, "title", 510, 200}, {&L::part2_program2_line2, "text", 510, 260},
          {&L::part2_program2_line3, "text", 510, 290}, {&L::part2_program2_line4, "text", 670, 320}},
         {{"program2_n_a", 610, 260}, {"program2_n_b", 610, 290}}},
        {{{"calculate3", 245, 480}},
         {{&L::part2_program3_line1, "title", 110, 360}, {&L::part2_program3_line2, "text", 110, 420},
          {&L::part2_program3_line3, "text", 110, 450}, {&L::part2_program3_line4, "text", 210, 390},
          {&L::part2_program3_line5, "text", 330, 390}, {&L::part2_program3_line6, "text", 270, 480}},
         {{"program3_n1a", 210, 420}, {"program3_n1b", 210, 450}, {"program3_n2a", 330, 420},
          {"program3_n2b", 330, 450}}},
        {{{"calculate4", 645, 480}},
         {{&L::part2_program4_line1, "title", 510, 360}, {&L::part2_program4_line2, "text", 510, 420},
          {&L::part2_program4_line3, "text", 510, 450}, {&L::part2_program4_line4, "text", 610, 390},
          {&L::part2_program4_line5, "text", 730, 390}, {&L::part2_program4_line6, "text", 670, 480}},
         {{"program4_n1a", 610, 420}, {"program4_n1b", 610, 450}, {"program4_n2a", 730, 420},
          {"program4_n2b", 730, 450}}},
        {{{"calculate5", 450, 640}},
         {{&L::part2_program5_line1, "title", 110, 520}, {&L::part2_program5_line2, "text", 110, 580},
          {&L::part2_program5_line3, "text", 110, 610}, {&L::part2_program5_line4, "text", 210, 550},
          {&L::part2_program5_line5, "text", 330, 550}, {&L::part2_program5_line6, "text", 450, 550},
          {&L::part2_program5_line7, "text", 570, 550}, {&L::part2_program5_line8, "text", 690, 550},
          {&L::part2_program5_line9, "text", 810, 550}, {&L::part2_program5_line10, "text", 475, 640}},
         SIX_FRACTIONS},
    },
    677,
    {{&L::_back, "text", 475}, {&L::to_remove_data_press, "text", layout::TEXT_X}, {&L::_delete, "message", 240}},
};

}  // namespace

const ChapterLayout& chapter2Layout() { return CHAPTER2; }

void DifferentScreens::part2(SDLGraphics* g, CPU* cpu) {
    drawChapterScreen(g, *cpu, CHAPTER2, cpu->getPart2Item());
    runSolveStep(*cpu, Screen::part2, results_file);
}
