// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program12.h"

#include <cstddef>

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

std::string Language::*const LABELS[] = {
    &Language::program12_1, &Language::program12_2, &Language::program12_3,
    &Language::program12_4, &Language::program12_5, &Language::program12_6,
};

// The reduced fraction, or the message in its place when it has no value.
std::string reducedText(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) return lang_file->error_zero_denominator;
    return text(reduction(numerator, denominator, Keep::result).reduced);
}

}  // namespace

void Program12::calculate(std::int64_t n1a, std::int64_t n1b, std::int64_t n2a, std::int64_t n2b,
                          std::int64_t n3a, std::int64_t n3b, std::int64_t n4a, std::int64_t n4b,
                          std::int64_t n5a, std::int64_t n5b, std::int64_t n6a, std::int64_t n6b) {
    const std::int64_t fractions[6][2] = {{n1a, n1b}, {n2a, n2b}, {n3a, n3b},
                                          {n4a, n4b}, {n5a, n5b}, {n6a, n6b}};
    lines = {};
    for (std::size_t k = 0; k < 6; ++k) {
        lines[k / 2] += (*lang_file).*LABELS[k] + reducedText(fractions[k][0], fractions[k][1]) + "     ";
    }
}
