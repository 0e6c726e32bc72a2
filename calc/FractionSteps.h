// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculations on fractions, kept step by step: the four operations over
// a common denominator, reducing by Euclid's GCD, cross products, the mixed
// form, recurring decimals and the greedy Egyptian expansion. The panel's
// answers and the workings are both written from these steps.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Euclid.h"
#include "Fraction.h"

namespace calc {

enum class Operation { sum, difference, product, quotient };

// x = a/b and y = c/d combined as the schoolbook does, unreduced: the sum and
// the difference over the common denominator b * d, the product (a*c)/(b*d),
// the quotient x times y turned over, (a*d)/(b*c), whose denominator is 0
// when y is 0 (it has no reciprocal).
Fraction unreduced(Operation operation, const Fraction& x, const Fraction& y);

// The sum, difference, product and quotient, in this order. Denominators non-zero.
struct OperationResult {
    Operation operation;
    Fraction result;  // unreduced
};
std::array<OperationResult, 4> fourOperations(const Fraction& x, const Fraction& y);

// numerator/denominator divided by the GCD of their sizes, which Euclid's
// algorithm finds; the sign stays where it was. denominator != 0.
struct Reduction {
    Fraction fraction;
    Euclid<Integer> euclid;  // on the sizes of numerator and denominator
    Fraction reduced;
};
Reduction reduction(Integer numerator, Integer denominator, Keep keep = Keep::steps);

// a/b against c/d by multiplying crosswise: a * d and c * b, and the sign of
// a/b - c/d (the order of the products, turned over when exactly one
// denominator is negative). Denominators non-zero.
struct CrossProducts {
    Integer left, right;  // a * d, c * b
    int order;            // -1, 0 or 1
};
CrossProducts crossProducts(const Fraction& x, const Fraction& y);

// |a|/|b| = whole + rest/|b|, 0 <= rest < |b|; the sign stands in front.
// b != 0.
struct MixedNumber {
    bool negative;
    Division<Integer> sizes;  // |a| = whole * |b| + rest
};
MixedNumber mixedNumber(const Integer& a, const Integer& b);

// "W.B[A]": the whole part and the digits before the period, either of which
// may be empty, and the period, which may not.
struct RecurringDecimal {
    std::string whole, before_period, period;
};

// A text of that shape, or nothing.
std::optional<RecurringDecimal> parseRecurringDecimal(const std::string& typed);

// x = W.B[A]. With k digits in B and p in A, 10^k x = WB.[A] and
// 10^(k+p) x = WBA.[A]; subtracting cancels the period:
// (10^(k+p) - 10^k) x = WBA - WB.
struct RecurringValue {
    Integer shift_to_period, shift_past_period;  // 10^k, 10^(k+p)
    Integer up_to_period, through_period;        // WB and WBA read as numbers
    Integer factor, numerator;                   // 10^(k+p) - 10^k, WBA - WB
    Reduction value;                             // numerator/factor reduced
};
RecurringValue recurringValue(const RecurringDecimal& d, Keep keep = Keep::steps);

// One greedy step: 1/unit is the largest unit fraction strictly below rest,
// and rest - 1/unit = next, in lowest terms. 0 < rest < 1.
struct GreedyStep {
    Fraction rest;
    Integer unit;
    Fraction next;
};
GreedyStep greedyStep(Fraction rest);

// The greedy steps from `left` (0 < left < 1) one after another, each shown
// to `take`, until what is left has the numerator 1, the last term (a unit
// fraction still takes one step), or `take` declines a step by returning
// false. The last term when the sum ended, nothing when a step was declined.
template <class Take>
std::optional<Fraction> greedySteps(Fraction left, Take&& take) {
    do {
        GreedyStep step = greedyStep(std::move(left));
        if (!take(std::as_const(step))) return std::nullopt;
        left = std::move(step.next);
    } while (left.numerator != 1);  // the numerator falls at every step
    return left;
}

// a/b as its whole part plus distinct unit fractions, found greedily: with a
// positive denominator and the whole part rounded down, the proper fraction
// left takes greedy steps until what is left has the numerator 1, the last
// term (a unit fraction still takes one step). The denominators grow fast: a
// step whose rest would have a denominator of more than `longestDenominator`
// digits is not taken, and `complete` tells whether the sum ended.
struct EgyptianExpansion {
    Fraction reduced;  // a/b in lowest terms, the denominator positive
    Integer whole;
    Fraction proper;  // reduced - whole: 0 <= proper < 1
    std::vector<GreedyStep> steps;
    bool complete;

    // The terms' last, numerator 1, once complete.
    const Fraction& last() const { return steps.empty() ? proper : steps.back().next; }
};
EgyptianExpansion egyptianExpansion(const Integer& a, const Integer& b, std::size_t longestDenominator);

// The expansion before its first step: a/b reduced, its whole part and the
// proper fraction left; complete when nothing is left. b != 0.
EgyptianExpansion egyptianStart(const Integer& a, const Integer& b);

// " a/b = W + 1/x + ... + 1/z": a/b as typed and its complete expansion (the
// whole part only when not 0).
std::string egyptianSum(std::int64_t a, std::int64_t b, const EgyptianExpansion& e);

// That sum written term by term: its start " a/b = W + ", each greedy step's
// "1/x + ", and the last term.
std::string egyptianSumStart(std::int64_t a, std::int64_t b, const Integer& whole);
std::string egyptianTerm(const GreedyStep& step);

}  // namespace calc
