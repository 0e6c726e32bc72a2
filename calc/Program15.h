// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 3, exercise 3: which of two fractions is greater, or whether they are equal.
#include <cstdint>

#include "Answer.h"

class Program15 : public calc::Answer {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
};
