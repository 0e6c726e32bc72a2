// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeScreen.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "DifferentScreens.h"
#include "app/Exercises.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "calc/LineCut.h"
#include "gfx/Draw.h"
#include "gfx/SDLGraphics.h"
#include "practice/Assignment.h"
#include "practice/ClassFile.h"

namespace {

// Where the page's parts go: across the page, or in a column left of the
// coordinate plane for the problems of the plots.
struct PageLayout {
    Rect page;
    int left;                                        // texts and labels
    std::size_t text_characters, small_characters;  // a row's length before it is cut between terms
    int heading_size;
    int box_x, box_right_most;
    int mark_x;                                      // the first level's mark
    int pupil_x, pupil_y;                            // the name the answers are recorded under
};
const PageLayout ACROSS{{40, 15, 960, 650}, 60, 115, 130, 20, 260, 940, 230, 420, 615};
const PageLayout BESIDE_THE_PLANE{{0, 0, layout::WIDTH, 658}, 20, 44, 52, 18, 80, 340, 170, 20, 636};

const int HEADING_Y = 25;
const int TEXT_SIZE = 16, ROW = 26, SMALL_SIZE = 14, SMALL_ROW = 20, KEYS_SIZE = 12;
const int BOX_HEIGHT = 22, CHARACTER_WIDTH = 10;
const int LAST_HINT_Y = 585, PROGRESS_Y = 615, MARK_STEP = 50, MARK_SIZE = 16;
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

// Rows from `y` down, each line cut between terms; returns the y below them.
// Rows past `lastY` are left out, and the last row shown says so with "...".
int drawRows(SDLGraphics* g, const PageLayout& at, const std::vector<std::string>& lines, bool small, int y,
             const char* color, int lastY = LAST_HINT_Y) {
    const std::size_t width = small ? at.small_characters : at.text_characters;
    const int size = small ? SMALL_SIZE : TEXT_SIZE, step = small ? SMALL_ROW : ROW;
    std::vector<std::string> rows;
    for (const std::string& line : lines)
        for (std::string& row : calc::wrapAtBlanks(line, width)) rows.push_back(std::move(row));
    const std::size_t fit = y > lastY ? 0 : std::size_t((lastY - y) / step + 1);
    if (rows.size() > fit && fit > 0) {
        rows.resize(fit);
        rows.back() = "...";
    }
    for (const std::string& row : rows) {
        if (y > lastY) break;
        g->drawText(row, size, at.left, y, color);
        y += step;
    }
    return y;
}

int drawFields(SDLGraphics* g, const PageLayout& at, const CPU::PracticeShown& shown, int y) {
    SDL_Surface* s = g->getScreen();
    for (std::size_t i = 0; i < shown.fields.size(); ++i, y += ROW + 6) {
        const practice::AnswerField& field = shown.fields[i];
        const int width = std::max(100, int(field.longest) * CHARACTER_WIDTH + 10);
        const Rect box{at.box_x, y, std::min(at.box_x + width, at.box_right_most), y + BOX_HEIGHT};
        g->drawText(field.label, TEXT_SIZE, at.left, y, "text");
        draw::fill(s, box, palette::current().field);
        if (int(i) == shown.field) {
            draw::frame(s, box, palette::current().message);
            draw::frame(s, {box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1}, palette::current().message);
        }
        if (i < shown.typed.size()) g->drawText(shown.typed[i], TEXT_SIZE, at.box_x + 5, y + 1, "text");
    }
    return y;
}

int drawVerdict(SDLGraphics* g, const PageLayout& at, const CPU::PracticeShown& shown, int y) {
    const std::vector<std::string> messages = practiceMessages(shown);
    const char* color = shown.verdict ? verdictColor(shown.verdict->kind) : "text";
    for (std::size_t i = 0; i < messages.size(); ++i)
        y = drawRows(g, at, {messages[i]}, false, y, i == 0 ? color : "text");
    return y;
}

void drawHints(SDLGraphics* g, const PageLayout& at, const CPU::PracticeShown& shown, int y) {
    if (shown.hint_lines.empty()) return;
    const std::string stage = filledIn(lang_file->practice_hint_stage,
                                       {std::to_string(shown.hints), std::to_string(practice::HINT_STAGES)});
    g->drawText(stage, SMALL_SIZE, at.left, y, "title");
    drawRows(g, at, shown.hint_lines, true, y + SMALL_ROW, "text");
}

void drawMastery(SDLGraphics* g, const PageLayout& at, const CPU& cpu, practice::Exercise e) {
    SDL_Surface* s = g->getScreen();
    g->drawText(lang_file->practice_mastered, SMALL_SIZE, at.left, PROGRESS_Y, "text");
    for (int level = practice::LOWEST_LEVEL; level <= practice::HIGHEST_LEVEL; ++level) {
        const int x = at.mark_x + (level - 1) * MARK_STEP;
        const Rect mark{x, PROGRESS_Y + 1, x + MARK_SIZE, PROGRESS_Y + 1 + MARK_SIZE};
        const bool mastered = cpu.getPracticeProgress().mastered(e, level);
        draw::fill(s, mark, mastered ? palette::current().success : palette::current().field);
        draw::frame(s, mark, palette::current().cell_frame);
        g->drawText(std::to_string(level), SMALL_SIZE, x + MARK_SIZE + 6, PROGRESS_Y, "text");
    }
}

// With a class folder: the name the rows go under (a shared login shows
// whose they are), that the folder cannot be reached while it cannot, and
// that the class file there is another account's.
int drawClass(SDLGraphics* g, const PageLayout& at, const CPU& cpu, int y) {
    if (cpu.getClassFolder().empty()) return y;
    const std::string name = practice::pupilName(cpu.getPupilName(), cpu.getAccountName(), "");
    g->drawText(filledIn(lang_file->class_recorded_as, {name}), SMALL_SIZE, at.pupil_x, at.pupil_y, "text");
    return drawRows(g, at, classMessages(cpu), true, y, "message");
}

// On the assignment's first page, the lines of assignment.txt it could not read.
int drawAssignmentFaults(SDLGraphics* g, const PageLayout& at, const CPU& cpu, const CPU::PracticeShown& shown, int y) {
    if (shown.assignment_problem != 0) return y;
    std::vector<std::string> lines;
    for (const practice::AssignmentLineFault& f : cpu.getAssignment().faults) lines.push_back(practice::describe(f));
    return drawRows(g, at, lines, true, y, "message");
}

}  // namespace

std::string practicePageHeading(const CPU& cpu, const CPU::PracticeShown& shown) {
    if (shown.assignment_problem < 0) return practiceHeading(shown);
    const practice::Assignment& a = cpu.getAssignment();
    const std::string where =
        cpu.getAssignmentDone() >= a.total()
            ? filledIn(lang_file->assignment_done, {practice::shownTitle(a)})
            : filledIn(lang_file->assignment_at,
                       {practice::shownTitle(a), std::to_string(shown.assignment_problem + 1), std::to_string(a.total())});
    return where + "   " + practiceHeading(shown);
}

std::vector<std::string> classMessages(const CPU& cpu) {
    std::vector<std::string> messages;
    if (cpu.getClassFolder().empty()) return messages;
    if (cpu.getClassFileForeign()) messages.push_back(lang_file->class_file_foreign);
    if (cpu.getClassUnreachable()) messages.push_back(lang_file->class_unreachable);
    return messages;
}

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

std::string practiceKeys(const CPU::PracticeShown& shown) {
    return shown.assignment_problem >= 0 ? lang_file->practice_keys_assignment : lang_file->practice_keys;
}

void drawPracticeOffer(SDLGraphics* g, int x, int y) { g->drawText(lang_file->practice_offer, KEYS_SIZE, x, y, "hint"); }

std::string assignmentNotice(const CPU& cpu) {
    switch (cpu.getAssignment().refusal) {
    case practice::AssignmentRefusal::not_teachers: return lang_file->assignment_not_teachers;
    case practice::AssignmentRefusal::too_large: return filledIn(lang_file->assignment_too_large, {std::to_string(practice::LARGEST_ASSIGNMENT >> 10)});
    case practice::AssignmentRefusal::none: break;
    }
    return "";
}

std::string assignmentOffer(const CPU& cpu) {
    const int total = cpu.getAssignment().total();
    if (total == 0) return "";
    return filledIn(lang_file->assignment_offer, {std::to_string(cpu.getAssignmentDone()), std::to_string(total)});
}

void DifferentScreens::practice(SDLGraphics* g, CPU* cpu) {
    const CPU::PracticeShown shown = cpu->getPractice();
    const std::optional<Screen> plane = plotScreenOf(shown.problem.exercise);
    const PageLayout& at = plane ? BESIDE_THE_PLANE : ACROSS;
    SDL_Surface* s = g->getScreen();
    draw::fillAround(s, {0, 0, layout::WIDTH, layout::HEIGHT}, {at.page}, palette::current().frame);
    draw::fill(s, at.page, palette::current().answer_panel);
    if (plane && (shown.skipped || (shown.verdict && shown.verdict->kind != practice::VerdictKind::unreadable)))
        drawProblemOnThePlane(g, cpu, *plane);
    // Below the page, over a plot's lines that run past the plane.
    draw::fill(s, {0, at.page.y2 + 1, layout::WIDTH, layout::HEIGHT}, palette::current().frame);
    g->drawText(practiceKeys(shown), KEYS_SIZE, KEYS_X, KEYS_Y, "on_frame");
    if (shown.fields.empty()) return;
    g->drawText(practicePageHeading(*cpu, shown), at.heading_size, at.left, HEADING_Y, "title");
    int y = drawRows(g, at, {shown.statement}, false, HEADING_Y + 40, "text");
    y = drawFields(g, at, shown, y + 14);
    y = drawVerdict(g, at, shown, y + 8);
    y = drawClass(g, at, *cpu, y);
    y = drawAssignmentFaults(g, at, *cpu, shown, y);
    drawHints(g, at, shown, y + 10);
    drawMastery(g, at, *cpu, shown.problem.exercise);
    if (cpu->getPracticeRowsWaiting())
        g->drawText(lang_file->practice_rows_waiting, SMALL_SIZE, at.left, PROGRESS_Y + SMALL_ROW, "message");
}

// The problem's values drawn on the plane as its plot screen draws typed ones.
void DifferentScreens::drawProblemOnThePlane(SDLGraphics* g, CPU* cpu, Screen plot) {
    using Drawing = void (DifferentScreens::*)(SDLGraphics*, CPU*, const std::vector<std::string>&);
    static const std::pair<Screen, Drawing> PLOTS[] = {
        {Screen::part4_program1, &DifferentScreens::drawStraightLines},
        {Screen::part4_program2, &DifferentScreens::drawTwoPointsLine},
        {Screen::part4_program3, &DifferentScreens::drawVectors},
    };
    drawGridlines(g, cpu);
    drawStartingLines(g, cpu);
    const std::vector<std::string> inputs = cpu->getPractice().problem.inputs;
    for (const auto& [screen, draw] : PLOTS)
        if (screen == plot) (this->*draw)(g, cpu, inputs);
}
