// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program4.h"

#include "Divisibility.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program4::calculate(std::int64_t n) {
    lines[0] = lang_file->program4_3;
    lines[1].clear();
    for (const DivisibilityTest& t : divisibilityTests(n))
        lines[1] += text(t.divisor) + (t.divisible ? lang_file->program4_1 : lang_file->program4_2);
}
