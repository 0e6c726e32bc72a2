// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 2, exercise 3: the four operations on two fractions, each result
// in lowest terms (the operands are written as typed).
#include <cstdint>

#include "Answer.h"

// Lines 1 to 4: sum, difference, product, quotient. The solution is the
// leading text of lines 2 to 4; the screen empties it.
class Program10 : public calc::AnswerWithLines<4> {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
};
