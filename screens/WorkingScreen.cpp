// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingScreen.h"

#include <algorithm>
#include <iostream>
#include <limits>

#include "DifferentScreens.h"
#include "app/GlobalVariables.h"
#include "app/SafeFile.h"
#include "calc/LineCut.h"
#include "working/Working.h"
#include "gfx/Draw.h"
#include "gfx/SDLGraphics.h"

namespace {

using layout::WORKING_PAGE_LINES;
using layout::WORKING_ROW_CHARACTERS;

const int TITLE_X = 60, TITLE_Y = 20, TITLE_SIZE = 20;
const std::size_t TITLE_CHARACTERS = 78;  // at the title's size; a longer title takes two rows' size
const int TITLE_ROW_Y = 17, TITLE_ROW_HEIGHT = 18;  // two rows above "more above"
const int ROW_X = 60, FIRST_ROW_Y = 74, ROW_HEIGHT = 24, ROW_SIZE = 14;
const int MARK_X = 800, MORE_ABOVE_Y = 54, MORE_BELOW_Y = FIRST_ROW_Y + WORKING_PAGE_LINES * ROW_HEIGHT;
const int MESSAGE_Y = MORE_BELOW_Y, KEYS_X = 40, KEYS_Y = 665, SMALL_SIZE = 12;
const Rect PAGE{40, 15, 960, MORE_BELOW_Y + 25};

// One row below the title: a step or an answer line, or the part of one
// that did not fit the row before, broken between terms.
struct Row {
    std::string text;
    bool answer;
};

// The rows of the text's steps and answer (its lines after the title), or
// the first `count` of them (and the rest of the line that reaches `count`).
std::vector<Row> rows(const CPU::WorkingText& w, std::size_t count = std::numeric_limits<std::size_t>::max()) {
    std::vector<Row> all;
    const std::size_t firstAnswer = w.lines.size() - w.answer_lines;
    for (std::size_t i = 1; i < w.lines.size() && all.size() < count; ++i)
        for (std::string& piece : calc::wrapAtBlanks(w.lines[i], WORKING_ROW_CHARACTERS))
            all.push_back({std::move(piece), i >= firstAnswer});
    return all;
}

// A row's text size: the rows' own, or for a single term longer than a row,
// as much smaller as it needs to be shown whole.
int sizeOf(const std::string& row) {
    if (row.size() <= WORKING_ROW_CHARACTERS) return ROW_SIZE;
    return int(ROW_SIZE * WORKING_ROW_CHARACTERS / row.size());
}

// The title in its own size, or when longer than that line holds, in rows
// of the rows' size.
void drawTitle(SDLGraphics* g, const std::string& title) {
    if (title.size() <= TITLE_CHARACTERS) {
        g->drawText(title, TITLE_SIZE, TITLE_X, TITLE_Y, "title");
        return;
    }
    int y = TITLE_ROW_Y;
    for (const std::string& row : calc::wrapAtBlanks(title, WORKING_ROW_CHARACTERS)) {
        g->drawText(row, ROW_SIZE, TITLE_X, y, "title");
        y += TITLE_ROW_HEIGHT;
    }
}

// The working's lines, with the results.txt line telling the truth: when the
// solve could not write results.txt, the working says so instead.
CPU::WorkingText textOf(const CPU& cpu, const Working& w) {
    CPU::WorkingText text{w.lines(), int(w.answer.size()), 0, language};
    if (cpu.getResultsNotSaved())
        std::replace(text.lines.begin(), text.lines.end(), lang_file->working_saved_results,
                     lang_file->working_results_not_saved);
    text.rows = int(rows(text).size());
    return text;
}

}  // namespace

void makeWorkingText(CPU& cpu) {
    const CPU::WorkingText shown = cpu.getWorkingText();
    if (!shown.lines.empty() && shown.language == language) return;
    const std::optional<Working> w = workingOf(cpu.getWorkingExercise(), cpu.getWorkingInputs());
    if (!w) return;
    const CPU::WorkingText text = textOf(cpu, *w);
    cpu.setWorkingText(text);
    cpu.setWorkingScroll(std::clamp(cpu.getWorkingScroll(), 0, layout::lastWorkingScroll(text.rows)));
}

void saveWorkingIfAsked(CPU& cpu) {
    if (!cpu.getWorkingSaveRequested()) return;
    cpu.setWorkingSaveRequested(false);
    makeWorkingText(cpu);
    const CPU::WorkingText w = cpu.getWorkingText();
    if (w.lines.empty()) return;
    std::string text, why;
    for (const std::string& line : w.lines) text += line + "\n";
    const bool saved = saveTextFile(WORKING_FILE, text, why);
    if (!saved) std::cerr << "calcora: cannot save " << WORKING_FILE << ": " << why << "\n";
    cpu.setWorkingSave(saved ? CPU::WorkingSave::saved : CPU::WorkingSave::failed);
}

void drawWorkingHint(SDLGraphics* g, int x, int y) { g->drawText(lang_file->working_hint, SMALL_SIZE, x, y, "hint"); }

void DifferentScreens::working(SDLGraphics* g, CPU* cpu) {
    saveWorkingIfAsked(*cpu);
    SDL_Surface* s = g->getScreen();
    draw::fillAround(s, {0, 0, layout::WIDTH, layout::HEIGHT}, {PAGE}, palette::current().frame);
    draw::box(s, PAGE, palette::current().answer_panel);
    g->drawText(lang_file->working_keys, SMALL_SIZE, KEYS_X, KEYS_Y, "on_frame");
    const CPU::WorkingText w = cpu->getWorkingText();
    if (w.lines.empty()) return;
    drawTitle(g, w.lines.front());
    const int last = layout::lastWorkingScroll(w.rows);
    const int first = std::clamp(cpu->getWorkingScroll(), 0, last);
    const std::vector<Row> shown = rows(w, std::size_t(first + WORKING_PAGE_LINES));  // the page's and those above it
    for (int i = first; i < int(shown.size()) && i < first + WORKING_PAGE_LINES; ++i)
        g->drawText(shown[i].text, sizeOf(shown[i].text), ROW_X, FIRST_ROW_Y + (i - first) * ROW_HEIGHT,
                    shown[i].answer ? "answer_text" : "text");
    if (first > 0) g->drawText(lang_file->working_more_above, SMALL_SIZE, MARK_X, MORE_ABOVE_Y, "message");
    if (first < last) g->drawText(lang_file->working_more_below, SMALL_SIZE, MARK_X, MORE_BELOW_Y, "message");
    const CPU::WorkingSave save = cpu->getWorkingSave();
    if (save == CPU::WorkingSave::saved) g->drawText(lang_file->working_saved, ROW_SIZE, ROW_X, MESSAGE_Y, "success");
    if (save == CPU::WorkingSave::failed) g->drawText(lang_file->working_save_failed, ROW_SIZE, ROW_X, MESSAGE_Y, "message");
}
