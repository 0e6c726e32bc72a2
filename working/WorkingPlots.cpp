// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings of the chapter 4 plots, exact: a typed decimal is a fraction.
#include "WorkingParts.h"
#include "calc/Terms.h"

using namespace calc;
using namespace working;

namespace {

Term exactTerm(const Fraction& coefficient, std::string symbol) {
    const int sign = sgn(coefficient.numerator) * sgn(coefficient.denominator);
    return {sign, valueText({abs(coefficient.numerator), abs(coefficient.denominator)}), std::move(symbol)};
}

// "(1/2)x - 3", "x", "3": the right side of y = ax + b.
std::string rightSide(const Line& line) { return sumText({exactTerm(line.slope, "x"), exactTerm(line.intercept, "")}); }

// "[6, 8]"
std::string vectorText(const Vector& v) { return "[" + valueText(v.x) + ", " + valueText(v.y) + "]"; }

bool isSquare(const Integer& n) { return n >= 0 && sqrt(n) * sqrt(n) == n; }

// "|[3, 4]| = sqrt(25) = 5": the root is written out when it is a fraction.
std::string lengthLine(const Vector& v) {
    const Fraction square = squaredLength(v);
    std::string line = "|" + vectorText(v) + "| = sqrt(" + valueText(square) + ")";
    if (isSquare(square.numerator) && isSquare(square.denominator))
        line += " = " + valueText({sqrt(square.numerator), sqrt(square.denominator)});
    return line;
}

}  // namespace

Working straightLinesWorking(const std::vector<Fraction>& v) {
    const Language& t = *lang_file;
    const Line lines[3] = {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}};
    Working w{filled(t.working_lines_title, {rightSide(lines[0]), rightSide(lines[1]), rightSide(lines[2])}), {}, {}};
    for (int k = 0; k < 3; ++k) {
        const Line& line = lines[k];
        w.steps.push_back(filled(t.working_line, {std::to_string(k + 1), rightSide(line)}));
        w.steps.push_back(filled(t.working_line_y_axis, {valueText(line.intercept)}));
        if (const std::optional<Fraction> x = xAxisCrossing(line))
            w.steps.push_back(filled(t.working_line_x_axis, {rightSide(line), valueText(*x)}));
        else
            w.steps.push_back(line.intercept.numerator == 0 ? t.working_line_x_everywhere : t.working_line_x_never);
    }
    const int PAIRS[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : PAIRS) {
        const Line &first = lines[pair[0]], &second = lines[pair[1]];
        const std::string one = std::to_string(pair[0] + 1), other = std::to_string(pair[1] + 1);
        const Meeting m = meeting(first, second);
        if (m.kind == Meeting::Kind::crossing)
            w.answer.push_back(filled(t.working_lines_cross, {one, other, rightSide(first), rightSide(second),
                                                              valueText(m.x), valueText(m.y)}));
        else
            w.answer.push_back(filled(m.kind == Meeting::Kind::same ? t.working_lines_same : t.working_lines_parallel,
                                      {one, other}));
    }
    return w;
}

Working twoPointsWorking(const Fraction& x1, const Fraction& y1, const Fraction& x2, const Fraction& y2) {
    const Language& t = *lang_file;
    Working w{filled(t.working_two_points_title, {valueText(x1), valueText(y1), valueText(x2), valueText(y2)}), {}, {}};
    const LineThroughPoints through = lineThrough(x1, y1, x2, y2);
    if (through.kind == LineThroughPoints::Kind::no_line) {
        w.steps = {t.working_same_points};
        w.answer = {t.working_not_a_line};
        return w;
    }
    if (through.kind == LineThroughPoints::Kind::vertical) {
        w.steps = {filled(t.working_vertical, {valueText(x1)})};
        w.answer = {"x = " + valueText(x1)};
        return w;
    }
    const Fraction &a = through.line.slope, &b = through.line.intercept;
    w.steps = {"a = (y2 - y1)/(x2 - x1) = (" + valueText(y2) + " - " + factorText(y1) + ")/(" + valueText(x2) + " - " +
                   factorText(x1) + ") = " + valueText(a),
               "b = y1 - a * x1 = " + valueText(y1) + " - " + factorText(a) + " * " + factorText(x1) + " = " +
                   valueText(b)};
    w.answer = {"y = " + rightSide(through.line)};
    return w;
}

Working vectorsWorking(const std::vector<Fraction>& v) {
    const Language& t = *lang_file;
    const Vector w1{v[0], v[1]}, w2{v[2], v[3]};
    const Fraction &m1 = v[4], &m2 = v[5];
    Working w{filled(t.working_vectors_title, {valueText(w1.x), valueText(w1.y), valueText(w2.x), valueText(w2.y)}), {}, {}};
    const Vector s1 = scaled(m1, w1), s2 = scaled(m2, w2), total = sum(s1, s2);
    w.steps = {factorText(m1) + " * " + vectorText(w1) + " = " + vectorText(s1),
               factorText(m2) + " * " + vectorText(w2) + " = " + vectorText(s2),
               vectorText(s1) + " + " + vectorText(s2) + " = " + vectorText(total),
               t.working_vectors_lengths,
               lengthLine(s1),
               lengthLine(s2),
               lengthLine(total)};
    w.answer = {sumText({exactTerm(m1, "w1"), exactTerm(m2, "w2")}) + " = " + vectorText(total)};
    return w;
}
