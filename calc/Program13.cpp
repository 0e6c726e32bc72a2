// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program13.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program13::calculate(std::int64_t l, std::int64_t m) {
    if (m == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    // A negative fraction is written as "-" and the mixed form of its size,
    // so the part after the whole number is always a proper fraction.
    const MixedNumber mixed = mixedNumber(l, m);
    solution = lang_file->program13 + (mixed.negative ? "-" : "");
    if (mixed.sizes.quotient != 0) solution += text(mixed.sizes.quotient) + " ";
    if (mixed.sizes.remainder != 0) solution += text(mixed.sizes.remainder) + "/" + text(mixed.sizes.divisor);
    if (l == 0) solution += "0";  // not an empty answer
}
