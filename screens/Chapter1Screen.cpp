// Chapter 1, natural numbers and integers: seven exercises in six cells
// (exercises 5 and 6 share one cell and its two fields).
#include "DifferentScreens.h"
#include "ExerciseScreen.h"
#include "calc/Program1.h"
#include "calc/Program2.h"
#include "calc/Program3.h"
#include "calc/Program4.h"
#include "calc/Program5.h"
#include "calc/Program6.h"
#include "calc/Program7.h"

namespace {

using L = Language;

const ChapterLayout CHAPTER1{
    "part1_",
    {100, 190, 900, 650},
    {{100, 190, 500, 340}, {500, 190, 900, 340}, {100, 340, 500, 490},
     {500, 340, 900, 490}, {100, 490, 500, 650}, {500, 490, 900, 650}},
    {
        {{{"calculate1", 245, 310}},
         {{&L::part1_program1_line1, "blue", 110, 200}, {&L::part1_program1_line2, "black", 110, 230},
          {&L::part1_program1_line3, "black", 110, 260}, {&L::part1_program1_line4, "black", 270, 260},
          {&L::part1_program1_line5, "black", 270, 310}},
         {{"program1_n", 140, 260}, {"program1_k", 300, 260}}},
        {{{"calculate2", 645, 310}},
         {{&L::part1_program2_line1, "blue", 510, 200}, {&L::part1_program2_line2, "black", 510, 230},
          {&L::part1_program2_line3, "black", 510, 260}, {&L::part1_program2_line4, "black", 670, 260},
          {&L::part1_program2_line5, "black", 670, 310}},
         {{"program2_from", 540, 260}, {"program2_to", 700, 260}}},
        {{{"calculate3", 245, 460}},
         {{&L::part1_program3_line1, "blue", 110, 350}, {&L::part1_program3_line2, "black", 110, 410},
          {&L::part1_program3_line3, "black", 270, 460}},
         {{"program3_n", 210, 410}}},
        {{{"calculate4", 645, 460}},
         {{&L::part1_program4_line1, "blue", 510, 350}, {&L::part1_program4_line2, "black", 510, 380},
          {&L::part1_program4_line3, "black", 510, 410}, {&L::part1_program4_line4, "black", 670, 460}},
         {{"program4_n", 610, 410}}},
        {{{"calculate5", 245, 620}, {"calculate6", 365, 620}},
         {{&L::part1_program5and6_line1, "blue", 110, 500}, {&L::part1_program5and6_line2, "blue", 110, 530},
          {&L::part1_program5and6_line3, "black", 110, 560}, {&L::part1_program5and6_line4, "black", 110, 590},
          {&L::part1_program5and6_line5, "black", 270, 620}, {&L::part1_program5and6_line6, "black", 390, 620}},
         {{"program5and6_n1", 210, 560}, {"program5and6_n2", 210, 590}}},
        {{{"calculate7", 645, 620}},
         {{&L::part1_program7_line1, "blue", 510, 500}, {&L::part1_program7_line2, "blue", 510, 530},
          {&L::part1_program7_line3, "black", 510, 560}, {&L::part1_program7_line4, "black", 670, 620}},
         {{"program7_n", 610, 560}}},
    },
    665,
    {{&L::_back, "black", 475}, {&L::to_remove_data_press, "black", 62}, {&L::_delete, "red", 240},
     {&L::results_from, "black", 560}},
};

SolveResult remainder(const CPU& cpu) {
    auto p = prepared<Program1>();
    if (auto v = typedValues(cpu, {Field::part1_program1_n, Field::part1_program1_k})) p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {}};
}

SolveResult primes(const CPU& cpu) {
    auto p = prepared<Program2>();
    if (auto v = typedValues(cpu, {Field::part1_program2_from, Field::part1_program2_to})) p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3(),
                              p.getSolutionLine4(), p.getSolutionLine5()}};
}

SolveResult factorisation(const CPU& cpu) {
    auto p = prepared<Program3>();
    if (auto v = typedValues(cpu, {Field::part1_program3_n})) p.calculate((*v)[0]);
    return {p.getSolution(), {}};
}

SolveResult divisibility(const CPU& cpu) {
    auto p = prepared<Program4>();
    if (auto v = typedValues(cpu, {Field::part1_program4_n})) p.calculate((*v)[0]);
    return {"", {p.getSolutionLine1(), p.getSolutionLine2()}};
}

SolveResult greatestCommonDivisor(const CPU& cpu) {
    auto p = prepared<Program5>();
    if (auto v = typedValues(cpu, {Field::part1_program5and6_n1, Field::part1_program5and6_n2}))
        p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {}};
}

SolveResult lowestCommonMultiple(const CPU& cpu) {
    auto p = prepared<Program6>();
    if (auto v = typedValues(cpu, {Field::part1_program5and6_n1, Field::part1_program5and6_n2}))
        p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {}};
}

SolveResult goldbach(const CPU& cpu) {
    auto p = prepared<Program7>();
    if (auto v = typedValues(cpu, {Field::part1_program7_n})) p.calculate((*v)[0]);
    return {p.getSolution(), {p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3(),
                              p.getSolutionLine4(), p.getSolutionLine5()}};
}

// The prime listing and the Goldbach check also save their whole text.
const std::vector<SolveStep> CHAPTER1_STEPS = {
    {"part1_program1", remainder},
    {"part1_program2", primes, true},
    {"part1_program3", factorisation},
    {"part1_program4", divisibility},
    {"part1_program5", greatestCommonDivisor},
    {"part1_program6", lowestCommonMultiple},
    {"part1_program7", goldbach, true},
};

}  // namespace

const ChapterLayout& chapter1Layout() { return CHAPTER1; }
const std::vector<SolveStep>& chapter1Steps() { return CHAPTER1_STEPS; }

void DifferentScreens::part1(SDLGraphics* g, CPU* cpu) {
    drawChapterScreen(g, *cpu, CHAPTER1, cpu->getPart1Item());
    runSolveStep(*cpu, CHAPTER1_STEPS);
}
