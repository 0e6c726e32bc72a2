// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program11.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program11::calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    if (b == 0 || d == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    // Exact: a*d against c*b, which no rounding can make coincide.
    const bool same = crossProducts({a, b}, {c, d}).order == 0;
    solution = same ? lang_file->program11_1 : lang_file->program11_2;
}
