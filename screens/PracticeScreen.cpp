// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeScreen.h"

#include <algorithm>

#include "DifferentScreens.h"
#include "app/GlobalVariables.h"
#include "calc/LineCut.h"
#include "gfx/Draw.h"
#include "gfx/SDLGraphics.h"
#include "input/PracticeActions.h"

namespace {

const Rect PAGE{40, 15, 960, 650};
const int LEFT = 60, HEADING_Y = 25, HEADING_SIZE = 20;
const int TEXT_SIZE = 16, ROW = 26, SMALL_SIZE = 14, SMALL_ROW = 20, KEYS_SIZE = 12;
const std::size_t TEXT_CHARACTERS = 115, SMALL_CHARACTERS = 130;
const int BOX_X = 260, BOX_HEIGHT = 22, CHARACTER_WIDTH = 10, BOX_RIGHT_MOST = 940;
const int LAST_HINT_Y = 585, PROGRESS_Y = 615, MARK_X = 230, MARK_STEP = 50, MARK_SIZE = 16;
const int KEYS_X = 40, KEYS_Y = 665;

// The pattern with {1}, {2}, ... replaced by the values.
std::string filledIn(std::string pattern, const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string mark = "{" + std::to_string(i + 1) + "}";
        for (std::size_t at = pattern.find(mark); at != std::string::npos; at = pattern.find(mark, at + values[i].size()))
            pattern.replace(at, mark.size(), values[i]);
    }
    return pattern;
}

const char* verdictColor(practice::VerdictKind kind) {
    switch (kind) {
    case practice::VerdictKind::correct: return "success";
    case practice::VerdictKind::form: return "title";
    case practice::VerdictKind::wrong: return "message";
    case practice::VerdictKind::unreadable: return "text";
    }
    return "text";
}

// Rows of `size` from `y` down, each line cut between terms; returns the y below them.
int drawRows(SDLGraphics* g, const std::vector<std::string>& lines, std::size_t width, int size, int step, int y,
             const char* color, int lastY = PAGE.y2) {
    for (const std::string& line : lines)
        for (const std::string& row : calc::wrapAtBlanks(line, width)) {
            if (y > lastY) return y;
            g->drawText(row, size, LEFT, y, color);
            y += step;
        }
    return y;
}

int drawFields(SDLGraphics* g, const CPU::PracticeShown& shown, int y) {
    SDL_Surface* s = g->getScreen();
    for (std::size_t i = 0; i < shown.fields.size(); ++i, y += ROW + 6) {
        const practice::AnswerField& field = shown.fields[i];
        const int width = std::max(100, int(field.longest) * CHARACTER_WIDTH + 10);
        const Rect box{BOX_X, y, std::min(BOX_X + width, BOX_RIGHT_MOST), y + BOX_HEIGHT};
        g->drawText(field.label, TEXT_SIZE, LEFT, y, "text");
        draw::fill(s, box, palette::current().field);
        if (int(i) == shown.field) {
            draw::frame(s, box, palette::current().message);
            draw::frame(s, {box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1}, palette::current().message);
        }
        if (i < shown.typed.size()) g->drawText(shown.typed[i], TEXT_SIZE, BOX_X + 5, y + 1, "text");
    }
    return y;
}

int drawVerdict(SDLGraphics* g, const CPU::PracticeShown& shown, int y) {
    const std::vector<std::string> messages = practiceMessages(shown);
    const char* color = shown.verdict ? verdictColor(shown.verdict->kind) : "text";
    for (std::size_t i = 0; i < messages.size(); ++i)
        y = drawRows(g, {messages[i]}, TEXT_CHARACTERS, TEXT_SIZE, ROW, y, i == 0 ? color : "text");
    return y;
}

void drawHints(SDLGraphics* g, const CPU::PracticeShown& shown, int y) {
    if (shown.hint_lines.empty()) return;
    const std::string stage = filledIn(lang_file->practice_hint_stage,
                                       {std::to_string(shown.hints), std::to_string(practice::HINT_STAGES)});
    g->drawText(stage, SMALL_SIZE, LEFT, y, "title");
    drawRows(g, shown.hint_lines, SMALL_CHARACTERS, SMALL_SIZE, SMALL_ROW, y + SMALL_ROW, "text", LAST_HINT_Y);
}

void drawMastery(SDLGraphics* g, const CPU& cpu, practice::Exercise e) {
    SDL_Surface* s = g->getScreen();
    g->drawText(lang_file->practice_mastered, SMALL_SIZE, LEFT, PROGRESS_Y, "text");
    for (int level = practice::LOWEST_LEVEL; level <= practice::HIGHEST_LEVEL; ++level) {
        const int x = MARK_X + (level - 1) * MARK_STEP;
        const Rect mark{x, PROGRESS_Y + 1, x + MARK_SIZE, PROGRESS_Y + 1 + MARK_SIZE};
        const bool mastered = cpu.practiceProgress().mastered(e, level);
        draw::fill(s, mark, mastered ? palette::current().success : palette::current().field);
        draw::frame(s, mark, palette::current().cell_frame);
        g->drawText(std::to_string(level), SMALL_SIZE, x + MARK_SIZE + 6, PROGRESS_Y, "text");
    }
}

}  // namespace

std::string practiceHeading(const CPU::PracticeShown& shown) {
    return filledIn(lang_file->practice_heading, {shown.name, std::to_string(shown.problem.level)});
}

std::vector<std::string> practiceMessages(const CPU::PracticeShown& shown) {
    std::vector<std::string> messages;
    if (shown.verdict) messages.push_back(shown.verdict->text);
    if (shown.skipped) messages.push_back(lang_file->practice_skipped);
    if (shown.finished()) messages.push_back(lang_file->practice_next);
    return messages;
}

void drawPracticeOffer(SDLGraphics* g, int x, int y) { g->drawText(lang_file->practice_offer, KEYS_SIZE, x, y, "hint"); }

void DifferentScreens::practice(SDLGraphics* g, CPU* cpu) {
    showPracticeInLanguage(*cpu);
    SDL_Surface* s = g->getScreen();
    draw::fill(s, {0, 0, layout::WIDTH, layout::HEIGHT}, palette::current().frame);
    draw::fill(s, PAGE, palette::current().answer_panel);
    g->drawText(lang_file->practice_keys, KEYS_SIZE, KEYS_X, KEYS_Y, "on_frame");
    const CPU::PracticeShown shown = cpu->getPractice();
    if (shown.fields.empty()) return;
    g->drawText(practiceHeading(shown), HEADING_SIZE, LEFT, HEADING_Y, "title");
    int y = drawRows(g, {shown.statement}, TEXT_CHARACTERS, TEXT_SIZE, ROW, HEADING_Y + 40, "text");
    y = drawFields(g, shown, y + 14);
    y = drawVerdict(g, shown, y + 8);
    drawHints(g, shown, y + 10);
    drawMastery(g, *cpu, shown.problem.exercise);
}
