// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program3.h"

#include "Primes.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program3::calculate(std::int64_t n) {
    const std::vector<LadderStep> ladder = factorLadder(n);
    if (ladder.empty()) {
        solution = lang_file->program3_3;
        return;
    }
    solution = lang_file->program3_1 + text(n) + lang_file->program3_2;
    for (std::size_t i = 0; i < ladder.size(); ++i) solution += (i ? " x " : "") + text(ladder[i].prime);
}
