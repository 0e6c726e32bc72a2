// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's assignment.txt in the class folder: "#" comments, an
// optional "title ..." line, an optional "seed N", then one task a line,
// "EXERCISE LEVEL COUNT" with the practice ids ("gcd 2 5"). A line that
// cannot be read is kept with its number and reason; the others still work.
#include <cstddef>
#include <cstdint>
#include <string>

#include "practice/Practice.h"

namespace practice {

constexpr const char* ASSIGNMENT_FILE = "assignment.txt";
constexpr int MOST_TASK_PROBLEMS = 100;
// A larger assignment.txt is passed over: no teacher writes one so long.
constexpr std::size_t LARGEST_ASSIGNMENT = 64 << 10;

// The assignment, its tasks and the faults of its lines are plain data
// (app/PracticeState.h), so that the store can hold them.
Assignment readAssignment(const std::string& text);

// "Line 4 of assignment.txt: there is no exercise gdc", in the language shown.
std::string describe(const AssignmentLineFault& f);

// Problem `n` (from 0) of the whole assignment: its tasks' problems in
// order, fixed by the assignment's seed or else by `ownSeed`.
Problem assignmentProblem(const Assignment& a, int n, std::uint64_t ownSeed);
// The title, or the word for an assignment when it has none.
std::string shownTitle(const Assignment& a);

}  // namespace practice
