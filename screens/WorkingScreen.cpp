#include "WorkingScreen.h"

#include <algorithm>

#include "DifferentScreens.h"
#include "ExerciseScreen.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "app/SafeFile.h"
#include "calc/LineCut.h"
#include "gfx/Draw.h"
#include "gfx/SDLGraphics.h"

namespace {

const int TITLE_X = 60, TITLE_Y = 20, TITLE_SIZE = 20;
const int ROW_X = 60, FIRST_ROW_Y = 74, ROW_HEIGHT = 24, ROW_SIZE = 14;
const int MARK_X = 800, MORE_ABOVE_Y = 54, MORE_BELOW_Y = FIRST_ROW_Y + WORKING_PAGE_LINES * ROW_HEIGHT;
const int MESSAGE_Y = MORE_BELOW_Y, KEYS_X = 40, KEYS_Y = 665, SMALL_SIZE = 12;
const Rect PAGE{40, 15, 960, MORE_BELOW_Y + 25};
const std::size_t ROW_CHARACTERS = 110;  // digits at the row's size are 8 pixels wide: 880 of the page's 900

std::vector<std::string> typedTexts(const CPU& cpu, const std::vector<Field>& fields) {
    std::vector<std::string> typed;
    for (Field f : fields) typed.push_back(cpu.getField(f));
    return typed;
}

bool panelShowsAnswer(const CPU& cpu) {
    if (!cpu.getSolution().empty()) return true;
    for (int line = 1; line <= 5; ++line)
        if (!cpu.getSolutionLine(line).empty()) return true;
    return false;
}

// One row below the title: a step or an answer line, or the part of one
// that did not fit the row before.
struct Row {
    std::string text;
    bool answer;
};

std::vector<Row> rows(const Working& w) {
    std::vector<Row> all;
    for (const auto* lines : {&w.steps, &w.answer})
        for (const std::string& line : *lines)
            for (std::string& piece : calc::cutEvery(line, ROW_CHARACTERS))
                all.push_back({std::move(piece), lines == &w.answer});
    return all;
}

int lastScroll(const Working& w) { return std::max(0, int(rows(w).size()) - WORKING_PAGE_LINES); }

}  // namespace

std::vector<Field> exerciseFields(Screen screen, const std::string& exercise) {
    if (const Chapter* chapter = chapterOn(screen)) {
        for (const SolveStep& step : solveSteps())
            if (step.chapter == screen && exercise == requestName(*chapter, step.exercise)) return step.fields;
        return {};
    }
    return exercise == screenName(screen) ? plotFields(screen) : std::vector<Field>{};
}

void rememberSolved(CPU& cpu, const SolveStep& step, const std::string& request) {
    cpu.setLastSolved(request, typedTexts(cpu, step.fields));
}

bool workingOffered(const CPU& cpu, Screen screen) {
    if (!plotFields(screen).empty()) return true;
    return !exerciseFields(screen, cpu.getLastSolved()).empty() && panelShowsAnswer(cpu);
}

void openWorking(CPU& cpu) {
    const std::optional<Screen> screen = screenNamed(cpu.getCurrentMenu());
    if (!screen || !workingOffered(cpu, *screen)) return;
    const std::vector<Field> plot = plotFields(*screen);
    if (!plot.empty()) cpu.setWorkingExercise(screenName(*screen), typedTexts(cpu, plot));
    else cpu.setWorkingExercise(cpu.getLastSolved(), cpu.getLastSolvedInputs());
    cpu.setWorkingScroll(0);
    cpu.setWorkingSave(CPU::WorkingSave::none);
    cpu.setWorkingSaveRequested(false);
    cpu.setWorkingReturnTo(screenName(*screen));
    cpu.setCurrentMenu(screenName(Screen::working));
}

void closeWorking(CPU& cpu) {
    cpu.setWorkingSave(CPU::WorkingSave::none);
    cpu.setCurrentMenu(cpu.getWorkingReturnTo());
}

void scrollWorking(CPU& cpu, int rows) {
    const std::optional<Working> w = shownWorking(cpu);
    const long wanted = long(cpu.getWorkingScroll()) + rows;
    cpu.setWorkingScroll(int(std::clamp<long>(wanted, 0, w ? lastScroll(*w) : 0)));
}

void saveWorkingIfAsked(CPU& cpu) {
    if (!cpu.getWorkingSaveRequested()) return;
    cpu.setWorkingSaveRequested(false);
    const std::optional<Working> w = shownWorking(cpu);
    if (!w) return;
    std::string text, why;
    for (const std::string& line : w->lines()) text += line + "\n";
    cpu.setWorkingSave(saveTextFile(WORKING_FILE, text, why) ? CPU::WorkingSave::saved : CPU::WorkingSave::failed);
}

std::optional<Working> shownWorking(const CPU& cpu) {
    return workingOf(cpu.getWorkingExercise(), cpu.getWorkingInputs());
}

void drawWorkingHint(SDLGraphics* g, int x, int y) { g->drawText(lang_file->working_hint, SMALL_SIZE, x, y, "hint"); }

void DifferentScreens::working(SDLGraphics* g, CPU* cpu) {
    saveWorkingIfAsked(*cpu);
    SDL_Surface* s = g->getScreen();
    draw::fill(s, {0, 0, layout::WIDTH, layout::HEIGHT}, palette::current().frame);
    draw::fill(s, PAGE, palette::current().answer_panel);
    g->drawText(lang_file->working_keys, SMALL_SIZE, KEYS_X, KEYS_Y, "on_frame");
    const std::optional<Working> w = shownWorking(*cpu);
    if (!w) return;
    g->drawText(w->title, TITLE_SIZE, TITLE_X, TITLE_Y, "title");
    const std::vector<Row> shown = rows(*w);
    const int first = std::clamp(cpu->getWorkingScroll(), 0, lastScroll(*w));
    for (int i = first; i < int(shown.size()) && i < first + WORKING_PAGE_LINES; ++i)
        g->drawText(shown[i].text, ROW_SIZE, ROW_X, FIRST_ROW_Y + (i - first) * ROW_HEIGHT,
                    shown[i].answer ? "answer_text" : "text");
    if (first > 0) g->drawText(lang_file->working_more_above, SMALL_SIZE, MARK_X, MORE_ABOVE_Y, "message");
    if (first < lastScroll(*w)) g->drawText(lang_file->working_more_below, SMALL_SIZE, MARK_X, MORE_BELOW_Y, "message");
    const CPU::WorkingSave save = cpu->getWorkingSave();
    if (save == CPU::WorkingSave::saved) g->drawText(lang_file->working_saved, ROW_SIZE, ROW_X, MESSAGE_Y, "success");
    if (save == CPU::WorkingSave::failed) g->drawText(lang_file->working_save_failed, ROW_SIZE, ROW_X, MESSAGE_Y, "message");
}
