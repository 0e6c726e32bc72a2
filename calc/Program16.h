// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 3, exercise 4: a fraction as its whole part plus a sum of distinct
// unit fractions, found greedily: " 7/15 = 1/3 + 1/8 + 1/120".
#include <cstddef>
#include <cstdint>

#include "Answer.h"

class Program16 : public calc::Answer {
public:
    // Whole numbers (0 included) leave the solution as it was.
    void calculate(std::int64_t number1, std::int64_t number2);

    // The longest answer the solution panel can show, in characters.
    static constexpr std::size_t LONGEST_ANSWER = 95;
};
