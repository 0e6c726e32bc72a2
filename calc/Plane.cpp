// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plane.h"

namespace calc {

namespace {

// The nearest double while both parts have at most 15 digits; near enough for a pixel beyond.
double toDouble(const Fraction& f) { return f.numerator.convert_to<double>() / f.denominator.convert_to<double>(); }

}  // namespace

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

LineToDraw lineToDraw(const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2) {
    const LineThroughPoints through = lineThrough(decimalValue(x1), decimalValue(y1), decimalValue(x2), decimalValue(y2));
    if (through.kind != LineKind::sloped) return {through.kind, 0, 0};
    return {LineKind::sloped, toDouble(through.line.slope), toDouble(through.line.intercept)};
}

Vector scaled(const Fraction& factor, const Vector& v) { return {times(factor, v.x), times(factor, v.y)}; }

Vector sum(const Vector& v, const Vector& w) { return {plus(v.x, w.x), plus(v.y, w.y)}; }

Fraction squaredLength(const Vector& v) { return plus(times(v.x, v.x), times(v.y, v.y)); }

VectorsToDraw vectorsToDraw(const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2,
                            const std::string& factor1, const std::string& factor2) {
    const Vector s1 = scaled(decimalValue(factor1), {decimalValue(x1), decimalValue(y1)});
    const Vector s2 = scaled(decimalValue(factor2), {decimalValue(x2), decimalValue(y2)});
    const Vector total = sum(s1, s2);
    return {toDouble(s1.x), toDouble(s1.y), toDouble(s2.x), toDouble(s2.y), toDouble(total.x), toDouble(total.y)};
}

}  // namespace calc
