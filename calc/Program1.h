// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Remainder: writes n as k times a quotient plus a remainder.
#include <cstdint>

#include "Answer.h"

class Program1 : public calc::Answer {
public:
    // n and k are typed digits, so never negative. A zero k gets the
    // division-by-zero message of the active language.
    void calculate(std::int64_t n, std::int64_t k);
};
