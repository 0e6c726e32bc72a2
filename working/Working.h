// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working of an exercise: how its answer is reached, step by step, the
// way a teacher writes it on the board. Written from the same calculation
// as the panel's answer; the answer is the calculator's own, exactly as the
// solution panel shows it. The plots have no panel: their answer is the
// conclusion (where the lines cross, the line's equation, the sum of the
// vectors). Every text comes in the language shown now.
#include <optional>
#include <string>
#include <vector>

struct Working {
    std::string title;                // names the exercise and its input
    std::vector<std::string> steps;   // one line each
    std::vector<std::string> answer;  // the panel's non-empty lines, trailing blanks dropped

    // Title, steps and answer, one line each, in that order.
    std::vector<std::string> lines() const;
};

// What one working needs: its exercise's name and the typed texts of its
// fields, in the order of the exercise's fields.
using TypedInputs = std::vector<std::string>;

// The working of an exercise of chapters 1 to 3 ("part2_program3") or of a
// plot screen ("part4 program1"), or nothing for another name or when a
// field of a chapter 1 to 3 exercise is empty (the calculation does not run).
std::optional<Working> workingOf(const std::string& exercise, const TypedInputs& typed);
