// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Divisibility of one number by 2, 3, 4, 5, 8, 9, 11, 12, 15 and 18.
#include <cstdint>

#include "Answer.h"

class Program4 : public calc::AnswerWithLines<2> {
public:
    // Line 1 is the heading, line 2 one answer per divisor; the solution
    // text itself stays as set.
    void calculate(std::int64_t number_n);
};
