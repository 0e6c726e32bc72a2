// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program7.h"

#include "Primes.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program7::calculate(std::int64_t n) {
    solution = text(n) + " = ";
    lines = FiveLines{};
    const GoldbachPairs pairs = goldbachPairs(n);
    if (!pairs.in_range) {
        lines[0] = lang_file->program7_1;
        return;
    }
    if (pairs.smaller_primes.empty()) {
        lines[0] = lang_file->program7_2;
        return;
    }
    for (std::int64_t p : pairs.smaller_primes) solution += text(p) + " + " + text(n - p) + "    ";
    lines = cutIntoLines(solution, LINE_LENGTH);
}
