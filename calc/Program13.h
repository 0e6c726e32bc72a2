// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 3, exercise 1: a common fraction as a mixed fraction, "2 1/3";
// the fraction left after the whole part is not reduced.
#include <cstdint>

#include "Answer.h"

class Program13 : public calc::Answer {
public:
    void calculate(std::int64_t l, std::int64_t m);
};
