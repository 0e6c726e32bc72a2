// Chapter 3, fractions and rational numbers (part 2): four cells, two by two;
// the panel and the hint line stand higher than in chapter 2.
#include "DifferentScreens.h"
#include "ExerciseScreen.h"
#include "calc/Program13.h"
#include "calc/Program14.h"
#include "calc/Program15.h"
#include "calc/Program16.h"

namespace {

using L = Language;

const ChapterLayout CHAPTER3{
    "part3_",
    {100, 190, 900, 510},
    {{100, 190, 500, 350}, {500, 190, 900, 350}, {100, 350, 500, 510}, {500, 350, 900, 510}},
    {
        {{{"calculate1", 245, 320}},
         {{&L::part3_program1_line1, "blue", 110, 200}, {&L::part3_program1_line2, "black", 110, 260},
          {&L::part3_program1_line3, "black", 110, 290}, {&L::part3_program1_line4, "black", 270, 320}},
         {{"program1_n_a", 210, 260}, {"program1_n_b", 210, 290}}},
        {{{"calculate2", 645, 320}},
         {{&L::part3_program2_line1, "blue", 510, 200}, {&L::part3_program2_line2, "blue", 510, 230},
          {&L::part3_program2_line3, "black", 510, 260}, {&L::part3_program2_line4, "black", 670, 320}},
         {{"program2_n", 715, 260}}},
        {{{"calculate3", 245, 480}},
         {{&L::part3_program3_line1, "blue", 110, 360}, {&L::part3_program3_line2, "black", 110, 420},
          {&L::part3_program3_line3, "black", 110, 450}, {&L::part3_program3_line4, "black", 210, 390},
          {&L::part3_program3_line5, "black", 330, 390}, {&L::part3_program3_line6, "black", 270, 480}},
         {{"program3_n1a", 210, 420}, {"program3_n1b", 210, 450}, {"program3_n2a", 330, 420},
          {"program3_n2b", 330, 450}}},
        {{{"calculate4", 645, 480}},
         {{&L::part3_program4_line1, "blue", 510, 360}, {&L::part3_program4_line2, "blue", 510, 390},
          {&L::part3_program4_line3, "black", 510, 420}, {&L::part3_program4_line4, "black", 510, 450},
          {&L::part3_program4_line5, "black", 670, 480}},
         {{"program4_n_a", 610, 420}, {"program4_n_b", 610, 450}}},
    },
    525,
    {{&L::_back, "black", 475}, {&L::to_remove_data_press, "black", 62}, {&L::_delete, "red", 240}},
};

SolveResult mixedFraction(const CPU& cpu) {
    auto p = prepared<Program13>();
    if (auto v = typedValues(cpu, {Field::part3_program1_n_a, Field::part3_program1_n_b})) p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {}};
}

SolveResult recurringDecimal(const CPU& cpu) {
    auto p = prepared<Program14>();
    const std::string typed = cpu.getPart3Program2_n();
    if (!typed.empty()) p.calculate(typed);
    return {p.getSolution(), {}};
}

SolveResult comparison(const CPU& cpu) {
    auto p = prepared<Program15>();
    if (auto v = typedValues(cpu, {Field::part3_program3_n1a, Field::part3_program3_n1b, Field::part3_program3_n2a,
                                   Field::part3_program3_n2b}))
        p.calculate((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
    return {p.getSolution(), {}};
}

SolveResult egyptianFractions(const CPU& cpu) {
    auto p = prepared<Program16>();
    if (auto v = typedValues(cpu, {Field::part3_program4_n_a, Field::part3_program4_n_b})) p.calculate((*v)[0], (*v)[1]);
    return {p.getSolution(), {}};
}

const std::vector<SolveStep> CHAPTER3_STEPS = {
    {"part3_program1", mixedFraction},
    {"part3_program2", recurringDecimal},
    {"part3_program3", comparison},
    {"part3_program4", egyptianFractions},
};

}  // namespace

const ChapterLayout& chapter3Layout() { return CHAPTER3; }
const std::vector<SolveStep>& chapter3Steps() { return CHAPTER3_STEPS; }

void DifferentScreens::part3(SDLGraphics* g, CPU* cpu) {
    drawChapterScreen(g, *cpu, CHAPTER3, cpu->getPart3Item());
    runSolveStep(*cpu, CHAPTER3_STEPS);
}
