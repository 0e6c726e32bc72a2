// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lowest common multiple of two numbers, exact at any size.
#include <cstdint>

#include "Answer.h"

class Program6 : public calc::Answer {
public:
    // n and k are typed digits, so never negative; a zero operand gives 0.
    void calculate(std::int64_t n, std::int64_t k);
};
