// The workings of the chapter 4 plots, exact: a typed decimal is a fraction.
#include "WorkingParts.h"

using namespace calc;
using namespace working;

namespace {

Fraction plus(const Fraction& x, const Fraction& y) {
    return lowestTerms(x.numerator * y.denominator + y.numerator * x.denominator, x.denominator * y.denominator);
}
Fraction minus(const Fraction& x, const Fraction& y) { return plus(x, {-y.numerator, y.denominator}); }
Fraction times(const Fraction& x, const Fraction& y) {
    return lowestTerms(x.numerator * y.numerator, x.denominator * y.denominator);
}
Fraction dividedBy(const Fraction& x, const Fraction& y) {
    return lowestTerms(x.numerator * y.denominator, x.denominator * y.numerator);
}
bool isZero(const Fraction& x) { return x.numerator == 0; }
bool same(const Fraction& x, const Fraction& y) { return compare(x, y) == 0; }

// "2x", "-x", "(1/2)x": a times x as a teacher writes it.
std::string slopeTimesX(const Fraction& a) {
    const std::string written = valueText(a);
    if (written == "1" || written == "-1") return written.substr(0, written.size() - 1) + "x";
    return (written.find('/') == std::string::npos ? written : "(" + written + ")") + "x";
}

// "(1/2)x - 3": the right side of y = ax + b.
std::string rightSide(const Fraction& a, const Fraction& b) {
    const std::string constant = valueText(b);
    const bool negative = b.numerator < 0;
    return slopeTimesX(a) + " " + (negative ? "- " + constant.substr(1) : "+ " + constant);
}

// "[6, 8]"
std::string vectorText(const Fraction& x, const Fraction& y) { return "[" + valueText(x) + ", " + valueText(y) + "]"; }

bool isSquare(const Integer& n) { return n >= 0 && sqrt(n) * sqrt(n) == n; }

// "|[3, 4]| = sqrt(25) = 5": the root is written out when it is a fraction.
std::string lengthLine(const Fraction& x, const Fraction& y) {
    const Fraction square = plus(times(x, x), times(y, y));
    std::string line = "|" + vectorText(x, y) + "| = sqrt(" + valueText(square) + ")";
    if (isSquare(square.numerator) && isSquare(square.denominator))
        line += " = " + valueText({sqrt(square.numerator), sqrt(square.denominator)});
    return line;
}

}  // namespace

Working straightLinesWorking(const std::vector<Fraction>& v) {
    const Language& t = *lang_file;
    Working w{t.working_lines_title, {}, {}};
    for (int k = 0; k < 3; ++k) {
        const Fraction &a = v[2 * k], &b = v[2 * k + 1];
        w.steps.push_back(filled(t.working_line, {std::to_string(k + 1), rightSide(a, b)}));
        w.steps.push_back(filled(t.working_line_y_axis, {valueText(b)}));
        if (!isZero(a)) {
            const Fraction x = dividedBy({-b.numerator, b.denominator}, a);
            w.steps.push_back(filled(t.working_line_x_axis, {rightSide(a, b), valueText(x)}));
        } else {
            w.steps.push_back(isZero(b) ? t.working_line_x_everywhere : t.working_line_x_never);
        }
    }
    // Each pair of lines: equal slopes are parallel or the same line, else
    // ax + b = cx + d gives x = (d - b)/(a - c).
    const int PAIRS[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : PAIRS) {
        const Fraction &a = v[2 * pair[0]], &b = v[2 * pair[0] + 1], &c = v[2 * pair[1]], &d = v[2 * pair[1] + 1];
        const std::string first = std::to_string(pair[0] + 1), second = std::to_string(pair[1] + 1);
        if (same(a, c)) {
            w.answer.push_back(filled(same(b, d) ? t.working_lines_same : t.working_lines_parallel, {first, second}));
            continue;
        }
        const Fraction x = dividedBy(minus(d, b), minus(a, c));
        const Fraction y = plus(times(a, x), b);
        w.answer.push_back(filled(t.working_lines_cross,
                                  {first, second, rightSide(a, b), rightSide(c, d), valueText(x), valueText(y)}));
    }
    return w;
}

Working twoPointsWorking(const Fraction& x1, const Fraction& y1, const Fraction& x2, const Fraction& y2) {
    const Language& t = *lang_file;
    Working w{filled(t.working_two_points_title, {valueText(x1), valueText(y1), valueText(x2), valueText(y2)}), {}, {}};
    if (same(x1, x2) && same(y1, y2)) {
        w.steps = {t.working_same_points};
        w.answer = {t.working_not_a_line};
        return w;
    }
    if (same(x1, x2)) {
        w.steps = {filled(t.working_vertical, {valueText(x1)})};
        w.answer = {"x = " + valueText(x1)};
        return w;
    }
    const Fraction a = dividedBy(minus(y2, y1), minus(x2, x1));
    const Fraction b = minus(y1, times(a, x1));
    w.steps = {"a = (y2 - y1)/(x2 - x1) = (" + valueText(y2) + " - " + factorText(y1) + ")/(" + valueText(x2) + " - " +
                   factorText(x1) + ") = " + valueText(a),
               "b = y1 - a * x1 = " + valueText(y1) + " - " + factorText(a) + " * " + factorText(x1) + " = " +
                   valueText(b)};
    w.answer = {"y = " + rightSide(a, b)};
    return w;
}

Working vectorsWorking(const std::vector<Fraction>& v) {
    const Language& t = *lang_file;
    const Fraction &x1 = v[0], &y1 = v[1], &x2 = v[2], &y2 = v[3], &m1 = v[4], &m2 = v[5];
    Working w{filled(t.working_vectors_title, {valueText(x1), valueText(y1), valueText(x2), valueText(y2)}), {}, {}};
    const Fraction sx1 = times(m1, x1), sy1 = times(m1, y1), sx2 = times(m2, x2), sy2 = times(m2, y2);
    const Fraction sumX = plus(sx1, sx2), sumY = plus(sy1, sy2);
    w.steps = {factorText(m1) + " * " + vectorText(x1, y1) + " = " + vectorText(sx1, sy1),
               factorText(m2) + " * " + vectorText(x2, y2) + " = " + vectorText(sx2, sy2),
               vectorText(sx1, sy1) + " + " + vectorText(sx2, sy2) + " = " + vectorText(sumX, sumY),
               t.working_vectors_lengths,
               lengthLine(sx1, sy1),
               lengthLine(sx2, sy2),
               lengthLine(sumX, sumY)};
    w.answer = {factorText(m1) + "w1 + " + factorText(m2) + "w2 = " + vectorText(sumX, sumY)};
    return w;
}
