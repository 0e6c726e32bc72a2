// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prime factorisation of a natural number.
#include <cstdint>

#include "Answer.h"

class Program3 : public calc::Answer {
public:
    // Numbers below 2 get the "incorrect data" text of the active language.
    void calculate(std::int64_t number_n);
};
