// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 2, exercise 5: six fractions in lowest terms, two to a line,
// each after its label ("Fraction 1: ").
#include <cstdint>

#include "Answer.h"

// Lines 1 to 3: fractions 1 and 2, 3 and 4, 5 and 6; the solution is not
// part of them.
class Program12 : public calc::AnswerWithLines<3> {
public:
    void calculate(std::int64_t n1a, std::int64_t n1b, std::int64_t n2a, std::int64_t n2b,
                   std::int64_t n3a, std::int64_t n3b, std::int64_t n4a, std::int64_t n4b,
                   std::int64_t n5a, std::int64_t n5b, std::int64_t n6a, std::int64_t n6b);
};
