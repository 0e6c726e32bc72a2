// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Greatest common divisor of two numbers.
#include <cstdint>

#include "Answer.h"

class Program5 : public calc::Answer {
public:
    // n and k are typed digits, so never negative; gcd(n, 0) is n.
    void calculate(std::int64_t n, std::int64_t k);
};
