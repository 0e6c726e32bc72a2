#pragma once
// The working of an exercise: how its answer is reached, step by step, the
// way a teacher writes it on the board. Built from the same inputs as the
// calculators; the answer is the calculator's own, exactly as the solution
// panel shows it. The plots have no panel: their answer is the conclusion
// (where the lines cross, the line's equation, the sum of the vectors).
// Every text comes in the language shown now.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Fraction.h"

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

// Chapter 1.
Working remainderWorking(std::int64_t n, std::int64_t k);
Working primesWorking(std::int64_t from, std::int64_t to);
Working factorsWorking(std::int64_t n);
Working divisibilityWorking(std::int64_t n);
Working gcdWorking(std::int64_t a, std::int64_t b);
Working lcmWorking(std::int64_t a, std::int64_t b);
Working goldbachWorking(std::int64_t n);
// Chapter 2.
Working operationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working reduceWorking(std::int64_t a, std::int64_t b);
Working reducedOperationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working equalityWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working sixFractionsWorking(const std::vector<std::int64_t>& numeratorsAndDenominators);
// Chapter 3.
Working mixedWorking(std::int64_t a, std::int64_t b);
Working recurringWorking(const std::string& typed);
Working comparisonWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working egyptianWorking(std::int64_t a, std::int64_t b);
// Chapter 4: the typed values as exact fractions (see `decimalValue`).
Working straightLinesWorking(const std::vector<calc::Fraction>& slopesAndIntercepts);  // a1, b1, a2, b2, a3, b3
Working twoPointsWorking(const calc::Fraction& x1, const calc::Fraction& y1, const calc::Fraction& x2, const calc::Fraction& y2);
Working vectorsWorking(const std::vector<calc::Fraction>& coordinatesAndFactors);  // x1, y1, x2, y2, m1, m2

// The value a plot screen reads from a typed field, exactly: an optional
// "-", digits, an optional "." and digits, read as far as that shape goes
// ("1.5.2" is 3/2, "-" and "" are 0), as the plot screens read a number.
calc::Fraction decimalValue(const std::string& typed);
