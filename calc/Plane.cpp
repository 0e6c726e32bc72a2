// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plane.h"

namespace calc {

Fraction decimalValue(const std::string& typed) {
    std::size_t at = typed.size() > 0 && typed[0] == '-' ? 1 : 0;
    const bool negative = at == 1;
    Integer numerator = 0, denominator = 1;
    bool anyDigit = false, point = false;
    for (; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        numerator = numerator * 10 + (c - '0');
        if (point) denominator *= 10;
        anyDigit = true;
    }
    if (!anyDigit) return {0, 1};
    return lowestTerms(negative ? Integer(-numerator) : numerator, denominator);
}

std::optional<Fraction> xAxisCrossing(const Line& line) {
    if (line.slope.numerator == 0) return std::nullopt;
    return dividedBy({-line.intercept.numerator, line.intercept.denominator}, line.slope);
}

Meeting meeting(const Line& first, const Line& second) {
    if (compare(first.slope, second.slope) == 0) {
        const bool same = compare(first.intercept, second.intercept) == 0;
        return {same ? Meeting::Kind::same : Meeting::Kind::parallel, {0, 1}, {0, 1}};
    }
    const Fraction x = dividedBy(minus(second.intercept, first.intercept), minus(first.slope, second.slope));
    return {Meeting::Kind::crossing, x, plus(times(first.slope, x), first.intercept)};
}

LineThroughPoints lineThrough(const Fraction& x1, const Fraction& y1, const Fraction& x2, const Fraction& y2) {
    if (compare(x1, x2) == 0) {
        const bool samePoint = compare(y1, y2) == 0;
        return {samePoint ? LineThroughPoints::Kind::no_line : LineThroughPoints::Kind::vertical, {}};
    }
    const Fraction a = dividedBy(minus(y2, y1), minus(x2, x1));
    return {LineThroughPoints::Kind::sloped, {a, minus(y1, times(a, x1))}};
}

Vector scaled(const Fraction& factor, const Vector& v) { return {times(factor, v.x), times(factor, v.y)}; }

Vector sum(const Vector& v, const Vector& w) { return {plus(v.x, w.x), plus(v.y, w.y)}; }

Fraction squaredLength(const Vector& v) { return plus(times(v.x, v.x), times(v.y, v.y)); }

}  // namespace calc
