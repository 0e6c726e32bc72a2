// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Assignment.h"

#include <sstream>

#include "app/GlobalVariables.h"
#include "practice/PracticeParts.h"
#include "working/WorkingParts.h"

namespace practice {

using working::filled;

namespace {

// One line that is neither blank nor a comment, read into `a`.
void readLine(Assignment& a, const std::string& line, int number) {
    const std::vector<std::string> w = wordsOf(line);
    const auto fault = [&](AssignmentFault f, const std::string& word = "") { a.faults.push_back({number, f, word}); };
    if (w[0] == "title") {
        const std::size_t at = line.find("title") + 5;
        const std::size_t first = line.find_first_not_of(" \t", at);
        a.title = first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t") - first + 1);
        return;
    }
    if (w[0] == "seed") {
        const std::optional<std::uint64_t> seed = w.size() == 2 ? wholeNumberOf(w[1]) : std::nullopt;
        if (seed) a.seed = seed;
        else fault(AssignmentFault::bad_seed);
        return;
    }
    if (w.size() != 3) return fault(AssignmentFault::not_task);
    const std::optional<Exercise> e = exerciseWithId(w[0]);
    const std::optional<std::uint64_t> level = wholeNumberOf(w[1]), count = wholeNumberOf(w[2]);
    if (!e) return fault(AssignmentFault::unknown_exercise, w[0]);
    if (!level || *level < LOWEST_LEVEL || *level > HIGHEST_LEVEL) return fault(AssignmentFault::bad_level);
    if (!count || *count < 1 || *count > MOST_TASK_PROBLEMS) return fault(AssignmentFault::bad_count);
    a.tasks.push_back({*e, int(*level), int(*count)});
}

}  // namespace

std::string describe(const AssignmentLineFault& f) {
    const std::string Language::*const REASONS[] = {&Language::assignment_not_task, &Language::assignment_unknown_exercise,
                                                    &Language::assignment_bad_level, &Language::assignment_bad_count,
                                                    &Language::assignment_bad_seed};
    const std::string reason = filled(lang_file->*REASONS[int(f.fault)], {f.word});
    return filled(lang_file->assignment_line_error, {std::to_string(f.line), reason});
}

Problem assignmentProblem(const Assignment& a, int n, std::uint64_t ownSeed) {
    const std::uint64_t from = a.seed ? *a.seed : ownSeed;
    for (std::size_t t = 0; t < a.tasks.size(); ++t) {
        const AssignmentTask& task = a.tasks[t];
        if (n < task.count) return generate(task.exercise, task.level, mixSeed({from, t, std::uint64_t(n)}));
        n -= task.count;
    }
    return {};
}

std::string shownTitle(const Assignment& a) { return a.title.empty() ? lang_file->assignment_untitled : a.title; }

Assignment readAssignment(const std::string& text) {
    Assignment a;
    std::istringstream in(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A control character in a title or a word would reach the screen and the terminal.
        for (char& c : line)
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) c = '?';
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        readLine(a, line, number);
    }
    return a;
}

}  // namespace practice
