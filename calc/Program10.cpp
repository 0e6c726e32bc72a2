// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program10.h"

#include "Program8.h"

void Program10::calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    lines = fourOperationLines(solution, a, b, c, d, ResultForm::lowest_terms);
}
