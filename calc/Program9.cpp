// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program9.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program9::calculate(std::int64_t number_n1, std::int64_t number_n2) {
    if (number_n2 == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    solution = text(reduction(number_n1, number_n2, Keep::result).reduced);
}
