// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program5.h"

#include "Euclid.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program5::calculate(std::int64_t n, std::int64_t k) {
    solution = lang_file->program5_1 + text(n) + lang_file->program5and6_and + text(k) + lang_file->program5_2 +
               text(euclid(n, k, Keep::result).gcd);
}
