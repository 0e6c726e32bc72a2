// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program15.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// Indexed by the sign of fraction 1 minus fraction 2, plus one.
std::string Language::*const ANSWERS[] = {
    &Language::program15_2,  // fraction 2 is greater
    &Language::program15_3,  // equal
    &Language::program15_1,  // fraction 1 is greater
};

}  // namespace

void Program15::calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    if (b == 0 || d == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    const int order = crossProducts({a, b}, {c, d}).order;
    solution = (*lang_file).*ANSWERS[order + 1];
}
