#include "WorkingScreen.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>

#include "DifferentScreens.h"
#include "ExerciseScreen.h"
#include "app/TextFile.h"
#include "calc/LineCut.h"
#include "calc/WorkingTexts.h"
#include "gfx/SDLGraphics.h"
#include "input/KeyTables.h"

namespace {

const int TITLE_X = 60, TITLE_Y = 20, TITLE_SIZE = 20;
const int LINE_X = 60, FIRST_LINE_Y = 74, LINE_HEIGHT = 24, LINE_SIZE = 14;
const int MARK_X = 800, MORE_ABOVE_Y = 54, MORE_BELOW_Y = FIRST_LINE_Y + WORKING_PAGE_LINES * LINE_HEIGHT;
const int MESSAGE_Y = MORE_BELOW_Y, KEYS_Y = 665, SMALL_SIZE = 12;
const int PAGE_LEFT = 40, PAGE_TOP = 15, PAGE_RIGHT = 960, PAGE_BOTTOM = MORE_BELOW_Y + 25;
const std::size_t ROW_CHARACTERS = 110;  // digits at the row's size are 8 pixels wide: 880 of the page's 900

const ChapterLayout& layoutOf(const ScreenKeys& keys) {
    for (const ChapterLayout* layout : {&chapter1Layout(), &chapter2Layout(), &chapter3Layout()})
        if (std::string(layout->fieldPrefix) == keys.fieldPrefix) return *layout;
    return chapter1Layout();
}

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

bool isPlot(const ScreenKeys& keys) { return !keys.numberedFields.empty(); }

// One row of the screen below the title: a step or an answer line, or the
// part of one that does not fit the row before.
struct Row {
    std::string text;
    bool answer;
};

std::vector<Row> rows(const Working& w) {
    std::vector<Row> all;
    for (const auto* lines : {&w.steps, &w.answer})
        for (const std::string& line : *lines)
            for (std::string& piece : cutEvery(line, ROW_CHARACTERS)) all.push_back({std::move(piece), lines == &w.answer});
    return all;
}

int lastScroll(const Working& w) { return std::max(0, int(rows(w).size()) - WORKING_PAGE_LINES); }

}  // namespace

std::vector<Field> exerciseFields(const std::string& screen, const std::string& exercise) {
    const ScreenKeys* keys = screenKeysFor(screen);
    if (!keys) return {};
    if (isPlot(*keys)) return exercise == screen ? keys->numberedFields : std::vector<Field>{};
    if (!keys->fieldPrefix) return {};
    const auto asks = std::find_if(keys->enter.begin(), keys->enter.end(), [&](const EnterRow& row) {
        return row.action == EnterAction::Solve && exercise == row.target;
    });
    if (asks == keys->enter.end()) return {};
    for (const ExerciseLayout& cell : layoutOf(*keys).exercises) {
        const bool asked = std::any_of(cell.buttons.begin(), cell.buttons.end(),
                                       [&](const ItemBox& b) { return std::string(asks->item) == b.item; });
        if (!asked) continue;
        std::vector<Field> fields;
        for (const ItemBox& box : cell.fields)
            if (auto f = fieldOfItem(*keys, box.item)) fields.push_back(*f);
        return fields;
    }
    return {};
}

void rememberSolved(CPU& cpu, const std::string& screen, const std::string& request) {
    if (cpu.getSolveThisProgram() != "solved" || request == "solved") return;
    const std::vector<Field> fields = exerciseFields(screen, request);
    if (!fields.empty()) cpu.setLastSolved(request, typedTexts(cpu, fields));
}

bool workingOffered(const CPU& cpu, const std::string& screen) {
    const ScreenKeys* keys = screenKeysFor(screen);
    if (!keys) return false;
    if (isPlot(*keys)) return true;
    return !exerciseFields(screen, cpu.getLastSolved()).empty() && panelShowsAnswer(cpu);
}

void openWorking(CPU& cpu) {
    const std::string screen = cpu.getCurrentMenu();
    if (!workingOffered(cpu, screen)) return;
    const ScreenKeys& keys = *screenKeysFor(screen);
    if (isPlot(keys)) cpu.setWorkingExercise(screen, typedTexts(cpu, keys.numberedFields));
    else cpu.setWorkingExercise(cpu.getLastSolved(), cpu.getLastSolvedInputs());
    cpu.setWorkingScroll(0);
    cpu.setWorkingSave(CPU::WorkingSave::none);
    cpu.setWorkingSaveRequested(false);
    cpu.setWorkingReturnTo(screen);
    cpu.setCurrentMenu(WORKING_SCREEN);
}

void closeWorking(CPU& cpu) {
    cpu.setWorkingSave(CPU::WorkingSave::none);
    cpu.setCurrentMenu(cpu.getWorkingReturnTo());
}

void scrollWorking(CPU& cpu, int lines) {
    const std::optional<Working> w = shownWorking(cpu);
    const int last = w ? lastScroll(*w) : 0;
    const long wanted = long(cpu.getWorkingScroll()) + lines;
    cpu.setWorkingScroll(int(std::clamp<long>(wanted, 0, last)));
}

void saveWorkingIfAsked(CPU& cpu) {
    if (!cpu.getWorkingSaveRequested()) return;
    cpu.setWorkingSaveRequested(false);
    const std::optional<Working> w = shownWorking(cpu);
    if (!w) return;
    std::string text, why;
    for (const std::string& line : w->lines()) text += line + "\n";
    cpu.setWorkingSave(replaceTextFile(WORKING_FILE, text, why) ? CPU::WorkingSave::saved : CPU::WorkingSave::failed);
}

std::optional<Working> shownWorking(const CPU& cpu) {
    return workingOf(cpu.getWorkingExercise(), cpu.getWorkingInputs());
}

void drawWorkingHint(SDLGraphics* g, int x, int y) { g->drawText(workingTexts().working_hint, SMALL_SIZE, x, y, "gray"); }

void DifferentScreens::working(SDLGraphics* g, CPU* cpu) {
    saveWorkingIfAsked(*cpu);
    SDL_Surface* s = g->getScreen();
    boxRGBA(s, 0, 0, B_WIDTH, B_HEIGHT, 128, 128, 128, 255);
    boxRGBA(s, PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM, 255, 255, 255, 255);
    const WorkingTexts& t = workingTexts();
    g->drawText(t.working_keys, SMALL_SIZE, PAGE_LEFT, KEYS_Y, "white");
    const std::optional<Working> w = shownWorking(*cpu);
    if (!w) return;
    g->drawText(w->title, TITLE_SIZE, TITLE_X, TITLE_Y, "blue");
    const std::vector<Row> shown = rows(*w);
    const int first = std::clamp(cpu->getWorkingScroll(), 0, lastScroll(*w));
    for (int i = first; i < int(shown.size()) && i < first + WORKING_PAGE_LINES; ++i)
        g->drawText(shown[i].text, LINE_SIZE, LINE_X, FIRST_LINE_Y + (i - first) * LINE_HEIGHT,
                    shown[i].answer ? "blue" : "black");
    if (first > 0) g->drawText(t.working_more_above, SMALL_SIZE, MARK_X, MORE_ABOVE_Y, "red");
    if (first < lastScroll(*w)) g->drawText(t.working_more_below, SMALL_SIZE, MARK_X, MORE_BELOW_Y, "red");
    const CPU::WorkingSave save = cpu->getWorkingSave();
    if (save == CPU::WorkingSave::saved) g->drawText(t.working_saved, LINE_SIZE, LINE_X, MESSAGE_Y, "green");
    if (save == CPU::WorkingSave::failed) g->drawText(t.working_save_failed, LINE_SIZE, LINE_X, MESSAGE_Y, "red");
}
