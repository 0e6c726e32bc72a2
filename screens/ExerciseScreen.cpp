#include "ExerciseScreen.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "WorkingScreen.h"
#include "app/OutputToTextFile.h"
#include "calc/Exact.h"
#include "gfx/SDLGraphics.h"

namespace {

struct Rgb {
    Uint8 r, g, b;
};

const Rgb FRAME_GREY{128, 128, 128};
const Rgb PANEL_GREY{192, 192, 192};
const Rgb FIELD_GREY{225, 225, 225};
const Rgb BUTTON_GREY{128, 128, 128};
const Rgb WHITE{255, 255, 255};
const Rgb BLACK{0, 0, 0};

const Rect WHOLE_LAYOUT{0, 0, 1024, 768};
const Rect SOLUTION_PANEL{100, 10, 900, 180};
const int TEXT_SIZE = 16;
const int SOLUTION_X = 110;
// `solution` and line 1 share the first row; lines 2 to 5 follow 30 pixels apart.
const int SOLUTION_ROWS_Y[] = {20, 20, 50, 80, 110, 140};
// Below the last row whatever its length, in the panel's bottom-right corner.
const int WORKING_HINT_X = 770, WORKING_HINT_Y = 162;

void fill(SDL_Surface* s, const Rect& r, Rgb c) { boxRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, 255); }
void frame(SDL_Surface* s, const Rect& r, Rgb c) { rectangleRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, 255); }

void drawExercise(SDLGraphics* g, const ExerciseLayout& exercise) {
    SDL_Surface* s = g->getScreen();
    for (const ItemBox& button : exercise.buttons) fill(s, button.rect(), BUTTON_GREY);
    for (const CellText& t : exercise.texts) g->drawText(lang_file->*t.text, TEXT_SIZE, t.x, t.y, t.color);
    for (const ItemBox& field : exercise.fields) fill(s, field.rect(), FIELD_GREY);
}

void drawFieldValues(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout) {
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const ItemBox& field : exercise.fields)
            if (auto f = fieldNamed(std::string(layout.fieldPrefix) + field.item))
                g->drawText(cpu.getField(*f), TEXT_SIZE, field.x, field.y, "black");
}

void drawSolution(SDLGraphics* g, const CPU& cpu) {
    g->drawText(cpu.getSolution(), TEXT_SIZE, SOLUTION_X, SOLUTION_ROWS_Y[0], "black");
    for (int line = 1; line <= 5; ++line)
        g->drawText(cpu.getSolutionLine(line), TEXT_SIZE, SOLUTION_X, SOLUTION_ROWS_Y[line], "black");
}

}  // namespace

std::optional<std::pair<int, int>> markerPosition(const ChapterLayout& layout, const std::string& item) {
    if (item == "back") return std::make_pair(BACK_MARKER_X, layout.hintY);
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const auto* boxes : {&exercise.buttons, &exercise.fields})
            for (const ItemBox& box : *boxes)
                if (item == box.item) return std::make_pair(box.x, box.y);
    return std::nullopt;
}

void drawChapterScreen(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout, const std::string& highlight) {
    SDL_Surface* s = g->getScreen();
    fill(s, WHOLE_LAYOUT, FRAME_GREY);
    fill(s, layout.exercisePanel, PANEL_GREY);
    fill(s, SOLUTION_PANEL, WHITE);
    for (const Rect& cell : layout.cells) frame(s, cell, BLACK);
    for (const ExerciseLayout& exercise : layout.exercises) drawExercise(g, exercise);
    for (const HintText& hint : layout.hints) g->drawText(lang_file->*hint.text, TEXT_SIZE, hint.x, layout.hintY, hint.color);
    drawFieldValues(g, cpu, layout);
    if (auto spot = markerPosition(layout, highlight)) g->drawImage(EXERCISE_MARKER, spot->first, spot->second);
    drawSolution(g, cpu);
    if (workingOffered(cpu, cpu.getCurrentMenu())) drawWorkingHint(g, WORKING_HINT_X, WORKING_HINT_Y);
}

void runSolveStep(CPU& cpu, const std::vector<SolveStep>& steps) {
    const std::string request = cpu.getSolveThisProgram();
    for (const SolveStep& step : steps) {
        if (request != step.request) continue;
        const SolveResult result = step.solve(cpu);
        cpu.clearSolutionLines1to5();
        for (std::size_t i = 0; i < result.lines.size() && i < 5; ++i) cpu.setSolutionLine(int(i) + 1, result.lines[i]);
        cpu.setSolution(result.solution);
        if (step.savesResults) {
            OutputToTextFile().save_to_text_file(&cpu);
            cpu.setSolution("");  // the whole text went to the file; the panel shows the lines
        }
        cpu.setSolveThisProgram("solved");
        rememberSolved(cpu, cpu.getCurrentMenu(), request);
        return;
    }
}

std::optional<std::vector<std::int64_t>> typedValues(const CPU& cpu, std::initializer_list<Field> fields) {
    std::vector<std::int64_t> values;
    for (Field f : fields) {
        const std::string typed = cpu.getField(f);
        if (typed.empty()) return std::nullopt;
        values.push_back(fieldValue(typed));
    }
    return values;
}
