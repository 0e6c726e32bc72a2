// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 2, exercise 4: whether two fractions stand for the same rational number.
#include <cstdint>

#include "Answer.h"

class Program11 : public calc::Answer {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
};
