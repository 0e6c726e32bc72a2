// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's assignment.txt in the class folder: "#" comments, an
// optional "title ..." line, an optional "seed N", then one task a line,
// "EXERCISE LEVEL COUNT" with the practice ids ("gcd 2 5"). A line that
// cannot be read is kept with its number and reason; the others still work.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "practice/Practice.h"

namespace practice {

constexpr const char* ASSIGNMENT_FILE = "assignment.txt";
constexpr int MOST_TASK_PROBLEMS = 100;

struct AssignmentTask {
    Exercise exercise;
    int level;
    int count;
};

// Why a line could not be read; its words come from the text list.
enum class AssignmentFault { not_task, unknown_exercise, bad_level, bad_count, bad_seed };
struct AssignmentLineFault {
    int line;
    AssignmentFault fault;
    std::string word;  // the exercise named, for unknown_exercise
};
// "Line 4 of assignment.txt: there is no exercise gdc", in the language shown.
std::string describe(const AssignmentLineFault& f);

struct Assignment {
    std::string title;                 // "" when it gives none
    std::optional<std::uint64_t> seed;
    std::vector<AssignmentTask> tasks;
    std::vector<AssignmentLineFault> faults;

    int total() const;  // problems in all
    // Problem `n` (from 0) of the whole assignment: its tasks' problems in
    // order, fixed by the assignment's seed or else by `ownSeed`.
    Problem problem(int n, std::uint64_t ownSeed) const;
    // The title, or the word for an assignment when it has none.
    std::string shownTitle() const;
};
Assignment readAssignment(const std::string& text);

}  // namespace practice
