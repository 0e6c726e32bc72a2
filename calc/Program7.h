// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Goldbach's conjecture: every way of writing n as a sum of two primes,
// cut into five lines of 115.
#include <cstddef>
#include <cstdint>

#include "Answer.h"
#include "LineCut.h"

class Program7 : public calc::AnswerWithLines<5> {
public:
    // n outside 4..2500 gets the range message, n without a pair the
    // no-solution message, each in line 1; the solution is then "n = ".
    void calculate(std::int64_t number_n);

private:
    static constexpr std::size_t LINE_LENGTH = 115;
};
