// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 2, exercise 1: the four operations on two fractions, written as
// the schoolbook cross multiplication gives them, nothing reduced.
#include <array>
#include <cstdint>
#include <string>

#include "Answer.h"

// How the results of the four operations are written.
enum class ResultForm { cross_multiplied, lowest_terms };

// The lines "a/b op c/d = N/D     " for the sum, difference, product and
// quotient, with lines 2 to 4 starting with `prefix`. A zero denominator
// leaves only the zero-denominator message on line 1; dividing by a zero
// fraction turns line 4 into the division-by-zero message.
std::array<std::string, 4> fourOperationLines(const std::string& prefix, std::int64_t a, std::int64_t b,
                                              std::int64_t c, std::int64_t d, ResultForm form);

// Lines 1 to 4: sum, difference, product, quotient. The solution is the
// leading text of lines 2 to 4; the screen empties it.
class Program8 : public calc::AnswerWithLines<4> {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
};
