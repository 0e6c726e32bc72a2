// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FractionSteps.h"

#include <algorithm>
#include <cctype>

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

Reduction reduction(const Integer& numerator, const Integer& denominator) {
    Reduction r{{numerator, denominator}, euclid<Integer>(abs(numerator), abs(denominator)), {}};
    r.reduced = {numerator / r.euclid.gcd, denominator / r.euclid.gcd};
    return r;
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

RecurringValue recurringValue(const RecurringDecimal& d) {
    RecurringValue v;
    v.shift_to_period = powerOfTen(d.before_period.size());
    v.shift_past_period = v.shift_to_period * powerOfTen(d.period.size());
    v.up_to_period = digitsValue(d.whole + d.before_period);
    v.through_period = digitsValue(d.whole + d.before_period + d.period);
    v.factor = v.shift_past_period - v.shift_to_period;
    v.numerator = v.through_period - v.up_to_period;
    v.value = reduction(v.numerator, v.factor);
    return v;
}

EgyptianExpansion egyptianExpansion(const Integer& a, const Integer& b, std::size_t longestDenominator) {
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
    e.proper = {rest, e.reduced.denominator};
    if (rest == 0) return e;
    const Integer tooLong = powerOfTen(longestDenominator);
    Fraction left = e.proper;
    do {
        // 1/unit, the largest unit fraction strictly below left: unit = floor(d/n) + 1.
        const Integer unit = left.denominator / left.numerator + 1;
        const Fraction next = lowestTerms(left.numerator * unit - left.denominator, unit * left.denominator);
        if (next.denominator >= tooLong) {
            e.complete = false;
            return e;
        }
        e.steps.push_back({left, unit, next});
        left = next;
    } while (left.numerator != 1);  // the numerator falls at every step
    return e;
}

std::string egyptianSum(const Integer& a, const Integer& b, const EgyptianExpansion& e) {
    std::string sum = " " + text(a) + "/" + text(b) + " = ";
    if (e.whole != 0) sum += text(e.whole) + " + ";
    for (const GreedyStep& step : e.steps) sum += "1/" + text(step.unit) + " + ";
    return sum + text(e.last());
}

}  // namespace calc
