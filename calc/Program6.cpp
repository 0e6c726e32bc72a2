// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program6.h"

#include "Euclid.h"
#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program6::calculate(std::int64_t n, std::int64_t k) {
    // Two 10-digit operands have a multiple of up to 20 digits: beyond 64 bits.
    solution = lang_file->program6_1 + text(n) + lang_file->program5and6_and + text(k) + lang_file->program6_2 +
               text(lowestCommonMultiple<Integer>(n, k, euclid(n, k, Keep::result).gcd));
}
