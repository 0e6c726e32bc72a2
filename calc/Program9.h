// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 2, exercise 2: a fraction in lowest terms, "numerator/denominator".
#include <cstdint>

#include "Answer.h"

class Program9 : public calc::Answer {
public:
    void calculate(std::int64_t number_n1, std::int64_t number_n2);
};
