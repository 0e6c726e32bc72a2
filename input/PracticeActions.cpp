// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeActions.h"

#include <algorithm>
#include <cctype>

#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "practice/Assignment.h"
#include "practice/ClassFile.h"

namespace {

using practice::Exercise;

// The number of the exercise an item belongs to: "calculate6" and
// "program5and6_n1" name 6 and 5 (the GCD's and LCM's shared box counts as
// the GCD's); 0 for "back".
int exerciseNumberOf(const std::string& item) {
    for (const char* prefix : {"calculate", "program"})
        if (item.rfind(prefix, 0) == 0) {
            const std::size_t at = std::string(prefix).size();
            if (at < item.size() && std::isdigit(static_cast<unsigned char>(item[at]))) return item[at] - '0';
        }
    return 0;
}

int plotNumberOf(Screen screen) {
    const Screen plots[] = {Screen::part4_program1, Screen::part4_program2, Screen::part4_program3};
    for (int i = 0; i < 3; ++i)
        if (screen == plots[i]) return i + 1;
    return 0;
}

void writeTexts(CPU::PracticeShown& shown) {
    const practice::Problem& p = shown.problem;
    shown.name = practice::name(p.exercise);
    shown.statement = practice::statement(p);
    shown.fields = practice::answerFields(p);
    if (shown.verdict) shown.verdict = practice::check(p, shown.checked);
    shown.hint_lines = shown.hints ? practice::hint(p, shown.hints) : std::vector<std::string>{};
    shown.language = language;
}

void show(CPU& cpu, const practice::Problem& problem) {
    CPU::PracticeShown shown = cpu.getPractice();
    const std::string returnTo = shown.return_to;
    shown = {};
    shown.return_to = returnTo;
    shown.problem = problem;
    writeTexts(shown);
    shown.typed.assign(shown.fields.size(), "");
    cpu.setPractice(std::move(shown));
}

// The mastery rule applied to the store's progress: taken out, changed and put back.
template <typename Change>
void changeProgress(CPU& cpu, Change change) {
    practice::Progress progress(cpu.takePracticeProgress());
    change(progress);
    cpu.setPracticeProgress(std::move(progress).record());
}

void showNext(CPU& cpu, Exercise e, int level) {
    practice::Problem next;
    changeProgress(cpu, [&](practice::Progress& progress) { next = progress.next(e, level); });
    show(cpu, next);
}

// Problem `n` of the class's assignment: the same for the whole class when
// the assignment gives a seed, else the pupil's own.
void showAssignmentProblem(CPU& cpu, int n) {
    const std::string pupil = practice::pupilName(cpu.getPupilName(), cpu.getAccountName(), "");
    show(cpu, practice::assignmentProblem(cpu.getAssignment(), n, practice::nameSeed(pupil)));
    CPU::PracticeShown shown = cpu.getPractice();
    shown.assignment_problem = n;
    cpu.setPractice(std::move(shown));
}

// A right answer to the assignment's next problem counts it done.
void countForAssignment(CPU& cpu, const CPU::PracticeShown& shown) {
    if (shown.assignment_problem < 0 || shown.assignment_problem != cpu.getAssignmentDone()) return;
    if (!shown.verdict || shown.verdict->kind != practice::VerdictKind::correct) return;
    cpu.setAssignmentDone(cpu.getAssignmentDone() + 1);
    cpu.setAssignmentChanged(true);
}

// practice.csv's row for what happened to the shown problem; its time is
// written when the row is.
void log(CPU& cpu, const CPU::PracticeShown& shown, std::optional<practice::VerdictKind> verdict) {
    const practice::Problem& p = shown.problem;
    const practice::Mistake mistake = verdict && shown.verdict ? shown.verdict->mistake : practice::Mistake::none;
    cpu.logPractice({"", p.exercise, p.level, shown.statement, practice::answerText(p, shown.typed), verdict,
                     shown.hints, mistake});
}

}  // namespace

std::optional<Exercise> exerciseToPractise(Screen screen, const std::string& item) {
    if (const int plot = plotNumberOf(screen)) return exerciseOn(PLOT_CHAPTER, plot);
    if (const Chapter* chapter = chapterOn(screen)) return exerciseOn(chapter->number, exerciseNumberOf(item));
    return std::nullopt;
}

void openPractice(CPU& cpu, Screen from, const std::string& item) {
    const std::optional<Exercise> e = exerciseToPractise(from, item);
    if (!e) return;
    CPU::PracticeShown shown = cpu.getPractice();
    const bool unfinished =
        !shown.fields.empty() && shown.problem.exercise == *e && !shown.finished() && shown.assignment_problem < 0;
    shown.return_to = screenName(from);
    cpu.setPractice(shown);
    if (!unfinished) showNext(cpu, *e, cpu.getPracticeLevel(*e));
    showPracticeInLanguage(cpu);
    cpu.setCurrentMenu(screenName(Screen::practice));
}

void typeIntoAnswer(CPU& cpu, char typed) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.finished() || shown.fields.empty()) return;
    std::string& text = shown.typed[shown.field];
    text = practice::typeInto(shown.fields[shown.field], text, typed);
    cpu.setPractice(std::move(shown));
}

void clearAnswer(CPU& cpu, bool lastOnly) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.finished() || shown.fields.empty()) return;
    std::string& text = shown.typed[shown.field];
    if (!lastOnly) text.clear();
    else if (!text.empty()) text.pop_back();
    cpu.setPractice(std::move(shown));
}

void moveToAnswerField(CPU& cpu, int step) {
    CPU::PracticeShown shown = cpu.getPractice();
    const int count = int(shown.fields.size());
    if (count == 0) return;
    shown.field = ((shown.field + step) % count + count) % count;
    cpu.setPractice(std::move(shown));
}

void checkOrMoveOn(CPU& cpu) {
    CPU::PracticeShown shown = cpu.getPractice();
    const practice::Problem& p = shown.problem;
    if (shown.fields.empty()) return;
    if (shown.finished() && shown.assignment_problem >= 0) {
        if (cpu.getAssignmentDone() < cpu.getAssignment().total()) showAssignmentProblem(cpu, cpu.getAssignmentDone());
        else closePractice(cpu);
        return;
    }
    if (shown.finished()) {
        showNext(cpu, p.exercise, p.level);
        return;
    }
    shown.verdict = practice::check(p, shown.typed);
    shown.checked = shown.typed;
    if (shown.verdict->kind != practice::VerdictKind::unreadable) {
        changeProgress(cpu, [&](practice::Progress& progress) {
            progress.answered(p.exercise, p.level, shown.verdict->kind, shown.hints);
        });
        cpu.setPracticeProgressChanged(true);
        log(cpu, shown, shown.verdict->kind);
        countForAssignment(cpu, shown);
    }
    cpu.setPractice(std::move(shown));
}

void takeHint(CPU& cpu) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.fields.empty() || shown.hints >= practice::HINT_STAGES) return;
    ++shown.hints;
    shown.hint_lines = practice::hint(shown.problem, shown.hints);
    cpu.setPractice(std::move(shown));
}

void skipProblem(CPU& cpu) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.fields.empty() || shown.finished() || shown.assignment_problem >= 0) return;
    changeProgress(cpu, [&](practice::Progress& progress) { progress.skipped(shown.problem.exercise, shown.problem.level); });
    cpu.setPracticeProgressChanged(true);
    log(cpu, shown, std::nullopt);
    shown.skipped = true;
    shown.verdict.reset();
    cpu.setPractice(std::move(shown));
}

void changeLevel(CPU& cpu, int step) {
    const CPU::PracticeShown shown = cpu.getPractice();
    const bool empty = std::all_of(shown.typed.begin(), shown.typed.end(), [](const std::string& t) { return t.empty(); });
    if (shown.fields.empty() || !empty || shown.assignment_problem >= 0) return;
    const int level = std::clamp(shown.problem.level + step, practice::LOWEST_LEVEL, practice::HIGHEST_LEVEL);
    if (level == shown.problem.level) return;
    cpu.setPracticeLevel(shown.problem.exercise, level);
    showNext(cpu, shown.problem.exercise, level);
}

void closePractice(CPU& cpu) {
    const std::string returnTo = cpu.getPractice().return_to;
    if (screenNamed(returnTo)) cpu.setCurrentMenu(returnTo);
}

void openAssignment(CPU& cpu, Screen from) {
    const int done = cpu.getAssignmentDone();
    if (done >= cpu.getAssignment().total()) return;
    CPU::PracticeShown shown = cpu.getPractice();
    const bool unfinished = !shown.fields.empty() && shown.assignment_problem == done && !shown.finished();
    shown.return_to = screenName(from);
    cpu.setPractice(shown);
    if (!unfinished) showAssignmentProblem(cpu, done);
    showPracticeInLanguage(cpu);
    cpu.setCurrentMenu(screenName(Screen::practice));
}

void askForAssignment(CPU& cpu, Screen from) { cpu.setAssignmentAsked(screenName(from)); }

void openAskedAssignment(CPU& cpu) {
    const std::optional<Screen> from = screenNamed(cpu.getAssignmentAsked());
    cpu.setAssignmentAsked("");
    if (from) openAssignment(cpu, *from);
}

void showPracticeInLanguage(CPU& cpu) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.fields.empty() || shown.language == language) return;
    writeTexts(shown);
    cpu.setPractice(std::move(shown));
}
