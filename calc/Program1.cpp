// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program1.h"

#include "Euclid.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program1::calculate(std::int64_t n, std::int64_t k) {
    if (k == 0) {
        solution = lang_file->error_division_by_zero;
        return;
    }
    const Division<std::int64_t> d = divide(n, k);
    solution = text(d.dividend) + " = " + text(d.divisor) + " * " + text(d.quotient) + " + " + text(d.remainder);
}
