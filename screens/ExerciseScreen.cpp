// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseScreen.h"

#include <algorithm>

#include "PracticeScreen.h"
#include "WorkingScreen.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "gfx/Draw.h"
#include "gfx/SDLGraphics.h"

namespace {

const Rect WHOLE_LAYOUT{0, 0, layout::WIDTH, layout::HEIGHT};
const Rect SOLUTION_PANEL{100, 10, 900, 180};
const int TEXT_SIZE = 16;
const int SOLUTION_X = 110;
// `solution` and line 1 share the first row; lines 2 to 5 follow 30 pixels apart.
const int SOLUTION_ROWS_Y[] = {20, 20, 50, 80, 110, 140};
const int SOLUTION_ROW_STEP = 30;
const int LOWEST_ROW_Y = SOLUTION_PANEL.y2 - 20;  // a text row still inside the panel
// Below the last row whatever its length, in the panel's bottom-right corner.
const int WORKING_HINT_X = 770, WORKING_HINT_Y = 162;
// Left of the working's hint, right of the longest message on its row.
const int PRACTICE_OFFER_X = 640, PRACTICE_OFFER_Y = WORKING_HINT_Y;

void drawExercise(SDLGraphics* g, const ExerciseLayout& exercise) {
    SDL_Surface* s = g->getScreen();
    for (const ItemBox& button : exercise.buttons) draw::box(s, button.rect(), palette::current().button);
    for (const CellText& t : exercise.texts) g->drawText(lang_file->*t.text, TEXT_SIZE, t.x, t.y, t.color);
    for (const ItemBox& field : exercise.fields) draw::box(s, field.rect(), palette::current().field);
}

void drawFieldValues(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout) {
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const ItemBox& box : exercise.fields)
            if (auto f = fieldOfItem(layout.screen, box.item)) g->drawText(cpu.getField(*f), TEXT_SIZE, box.x, box.y, "text");
}

// The row below the answer's last row; under a full panel, the strip at its foot.
int rowBelowAnswer(const CPU& cpu) {
    int below = SOLUTION_ROWS_Y[0];
    for (int row = 0; row <= 5; ++row)
        if (!(row == 0 ? cpu.getSolution() : cpu.getSolutionLine(row)).empty())
            below = SOLUTION_ROWS_Y[row] + SOLUTION_ROW_STEP;
    return std::min(below, LOWEST_ROW_Y);
}

void drawSolution(SDLGraphics* g, const CPU& cpu) {
    g->drawText(cpu.getSolution(), TEXT_SIZE, SOLUTION_X, SOLUTION_ROWS_Y[0], "text");
    for (int line = 1; line <= 5; ++line)
        g->drawText(cpu.getSolutionLine(line), TEXT_SIZE, SOLUTION_X, SOLUTION_ROWS_Y[line], "text");
    g->drawText(resultsMessage(cpu), TEXT_SIZE, SOLUTION_X, rowBelowAnswer(cpu), "message");
}

// The texts of the step's fields, or none when any of them is empty.
std::optional<std::vector<std::string>> typedTexts(const CPU& cpu, const std::vector<Field>& fields) {
    std::vector<std::string> texts = fieldTexts(cpu, fields);
    if (std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); })) return std::nullopt;
    return texts;
}

void store(CPU& cpu, const SolveResult& result) {
    cpu.clearSolutionLines1to5();
    cpu.setResultsNotSaved(false);  // a new answer; a failed save says so again
    cpu.setResultsRefused(false);
    for (std::size_t i = 0; i < result.lines.size() && i < 5; ++i) cpu.setSolutionLine(int(i) + 1, result.lines[i]);
    cpu.setSolution(result.solution);
}

}  // namespace

std::string resultsMessage(const CPU& cpu) {
    if (!cpu.getResultsNotSaved()) return "";
    return cpu.getResultsRefused() ? lang_file->error_results_kept : lang_file->error_results_not_saved;
}

std::optional<std::pair<int, int>> markerPosition(const ChapterLayout& layout, const std::string& item) {
    if (item == "back") return std::make_pair(BACK_MARKER_X, layout.hint_y);
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const auto* boxes : {&exercise.buttons, &exercise.fields})
            for (const ItemBox& box : *boxes)
                if (item == box.item) return std::make_pair(box.x, box.y);
    return std::nullopt;
}

void drawChapterScreen(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout, const std::string& highlight) {
    SDL_Surface* s = g->getScreen();
    const Palette& colors = palette::current();
    draw::fillAround(s, WHOLE_LAYOUT, {layout.exercise_panel, SOLUTION_PANEL}, colors.frame);
    draw::box(s, layout.exercise_panel, colors.panel);
    draw::box(s, SOLUTION_PANEL, colors.answer_panel);
    for (const Rect& cell : layout.cells) draw::frame(s, cell, colors.cell_frame);
    for (const ExerciseLayout& exercise : layout.exercises) drawExercise(g, exercise);
    for (const HintText& hint : layout.hints)
        g->drawText(lang_file->*hint.text, TEXT_SIZE, hint.x, layout.hint_y, hint.color);
    drawFieldValues(g, cpu, layout);
    if (auto spot = markerPosition(layout, highlight)) g->drawMarker(layout::EXERCISE_MARKER, spot->first, spot->second);
    drawSolution(g, cpu);
    if (workingOffered(cpu, layout.screen)) drawWorkingHint(g, WORKING_HINT_X, WORKING_HINT_Y);
    drawPracticeOffer(g, PRACTICE_OFFER_X, PRACTICE_OFFER_Y);
}

void runSolveStep(CPU& cpu, Screen chapter, OutputToTextFile& results) {
    const std::string request = cpu.getSolveThisProgram();
    for (const SolveStep& step : solveSteps()) {
        if (step.chapter != chapter || request != requestName(*chapterOn(chapter), step.exercise)) continue;
        const SolveResult result = step.solve(typedTexts(cpu, step.fields));
        store(cpu, result);
        if (step.saves_results) {
            if (result.answered) results.save_to_text_file(&cpu);
            cpu.setSolution("");  // the whole text went to the file; the panel shows the lines
        }
        cpu.setSolveThisProgram("solved");
        cpu.setLastSolved(request, fieldTexts(cpu, step.fields));  // for its working
        return;
    }
}
