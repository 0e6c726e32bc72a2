// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program16.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program16::calculate(std::int64_t number1, std::int64_t number2) {
    if (number2 == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    // An expansion cut short at the panel's width in digits has a term too
    // long for the panel anyway.
    const EgyptianExpansion e = egyptianExpansion(number1, number2, LONGEST_ANSWER);
    if (e.proper.numerator == 0) return;
    const std::string sum = e.complete ? egyptianSum(number1, number2, e) : "";
    solution = e.complete && sum.size() <= LONGEST_ANSWER ? sum : lang_file->error_too_long;
}
