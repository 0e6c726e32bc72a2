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
    EgyptianExpansion start = egyptianStart(number1, number2);
    if (start.proper.numerator == 0) return;
    // The sum is written as the steps come and they stop once it is too long
    // for the panel: the denominators double their digits at every step.
    std::string sum = egyptianSumStart(number1, number2, start.whole);
    const std::optional<Fraction> last = greedySteps(std::move(start.proper), [&](const GreedyStep& step) {
        sum += egyptianTerm(step);
        return sum.size() <= LONGEST_ANSWER;
    });
    if (last) sum += text(*last);
    solution = last && sum.size() <= LONGEST_ANSWER ? sum : lang_file->error_too_long;
}
