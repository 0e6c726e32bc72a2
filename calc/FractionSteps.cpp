// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FractionSteps.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace calc {

Fraction unreduced(Operation operation, const Fraction& x, const Fraction& y) {
    const Integer &a = x.numerator, &b = x.denominator, &c = y.numerator, &d = y.denominator;
    switch (operation) {
    case Operation::sum: return {a * d + c * b, b * d};
    case Operation::difference: return {a * d - c * b, b * d};
    case Operation::product: return {a * c, b * d};
    case Operation::quotient: return {a * d, b * c};
    }
    return {0, 0};
}

std::array<OperationResult, 4> fourOperations(const Fraction& x, const Fraction& y) {
    std::array<OperationResult, 4> results;
    for (Operation o : {Operation::sum, Operation::difference, Operation::product, Operation::quotient})
        results[std::size_t(o)] = {o, unreduced(o, x, y)};
    return results;
}

Reduction reduction(Integer numerator, Integer denominator, Keep keep) {
    // Euclid's divisions run on the sizes; the GCD alone ignores the signs.
    Euclid<Integer> e = keep == Keep::steps ? euclid<Integer>(abs(numerator), abs(denominator))
                                            : Euclid<Integer>{{}, greatestCommonDivisor(numerator, denominator)};
    Fraction reduced{numerator / e.gcd, denominator / e.gcd};
    return {{std::move(numerator), std::move(denominator)}, std::move(e), std::move(reduced)};
}

CrossProducts crossProducts(const Fraction& x, const Fraction& y) {
    CrossProducts p{x.numerator * y.denominator, y.numerator * x.denominator, 0};
    // x - y = (left - right) / (b * d): the sign of the difference of the
    // products, turned over when b * d is negative.
    p.order = sgn(Integer(p.left - p.right)) * sgn(x.denominator) * sgn(y.denominator);
    return p;
}

MixedNumber mixedNumber(const Integer& a, const Integer& b) {
    return {a != 0 && (a < 0) != (b < 0), divide<Integer>(abs(a), abs(b))};
}

namespace {

bool allDigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

Integer digitsValue(const std::string& digits) { return digits.empty() ? Integer(0) : fromDecimal(digits); }

}  // namespace

std::optional<RecurringDecimal> parseRecurringDecimal(const std::string& typed) {
    const std::size_t point = typed.find('.');
    const std::size_t open = typed.find('[');
    if (point == std::string::npos || open == std::string::npos || open < point) return std::nullopt;
    if (typed.back() != ']' || open + 1 == typed.size()) return std::nullopt;
    RecurringDecimal parts{typed.substr(0, point), typed.substr(point + 1, open - point - 1),
                           typed.substr(open + 1, typed.size() - open - 2)};
    if (parts.period.empty()) return std::nullopt;
    if (!allDigits(parts.whole) || !allDigits(parts.before_period) || !allDigits(parts.period)) return std::nullopt;
    return parts;
}

RecurringValue recurringValue(const RecurringDecimal& d, Keep keep) {
    RecurringValue v;
    v.shift_to_period = powerOfTen(d.before_period.size());
    v.shift_past_period = v.shift_to_period * powerOfTen(d.period.size());
    v.up_to_period = digitsValue(d.whole + d.before_period);
    v.through_period = digitsValue(d.whole + d.before_period + d.period);
    v.factor = v.shift_past_period - v.shift_to_period;
    v.numerator = v.through_period - v.up_to_period;
    v.value = reduction(v.numerator, v.factor, keep);
    return v;
}

GreedyStep greedyStep(Fraction rest) {
    // 1/unit, the largest unit fraction strictly below rest: unit = floor(d/n) + 1.
    Integer unit = rest.denominator / rest.numerator + 1;
    Fraction next = lowestTerms(rest.numerator * unit - rest.denominator, unit * rest.denominator);
    return {std::move(rest), std::move(unit), std::move(next)};
}

EgyptianExpansion egyptianStart(const Integer& a, const Integer& b) {
    // With a positive denominator and the whole part rounded down, what is
    // left is a proper fraction even for a negative input.
    const int sign = b < 0 ? -1 : 1;
    EgyptianExpansion e{lowestTerms(sign * a, sign * b), 0, {}, {}, true};
    Integer rest;
    boost::multiprecision::divide_qr(e.reduced.numerator, e.reduced.denominator, e.whole, rest);
    if (rest < 0) {  // division rounds toward zero; round down instead
        e.whole -= 1;
        rest += e.reduced.denominator;
    }
    e.proper = {std::move(rest), e.reduced.denominator};
    return e;
}

EgyptianExpansion egyptianExpansion(const Integer& a, const Integer& b, std::size_t longestDenominator) {
    EgyptianExpansion e = egyptianStart(a, b);
    if (e.proper.numerator == 0) return e;
    const Integer tooLong = powerOfTen(longestDenominator);
    e.complete = greedySteps(e.proper, [&](const GreedyStep& step) {
        if (step.next.denominator >= tooLong) return false;
        e.steps.push_back(step);
        return true;
    }).has_value();
    return e;
}

std::string egyptianSumStart(std::int64_t a, std::int64_t b, const Integer& whole) {
    return " " + text(a) + "/" + text(b) + " = " + (whole != 0 ? text(whole) + " + " : "");
}

std::string egyptianTerm(const GreedyStep& step) { return "1/" + text(step.unit) + " + "; }

std::string egyptianSum(std::int64_t a, std::int64_t b, const EgyptianExpansion& e) {
    std::string sum = egyptianSumStart(a, b, e.whole);
    for (const GreedyStep& step : e.steps) sum += egyptianTerm(step);
    return sum + text(e.last());
}

}  // namespace calc
