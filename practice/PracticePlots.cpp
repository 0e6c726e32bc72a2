// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice forms of chapter 4: straight lines and vectors. The given values
// are decimals as the plot fields hold them; answers are exact, as
// fractions or decimals.
#include <array>
#include <cstdlib>

#include "PracticeParts.h"
#include "calc/Plane.h"

using namespace calc;

namespace practice {

namespace {

const Language& words() { return *lang_file; }

// A value in tenths as a plot field holds it: 15 is "1.5", -5 is "-0.5", 20 is "2".
std::string decimalText(std::int64_t tenths) {
    const std::int64_t size = std::abs(tenths);
    return (tenths < 0 ? "-" : "") + text(size / 10) + (size % 10 ? "." + text(size % 10) : "");
}

// A value from lo to hi tenths, in steps of `step` tenths.
std::int64_t drawTenths(Draw& d, std::int64_t lo, std::int64_t hi, std::int64_t step) {
    return d.between(lo / step, hi / step) * step;
}

void setDecimals(Problem& p, std::initializer_list<std::int64_t> tenths) {
    p.inputs.clear();
    for (std::int64_t t : tenths) p.inputs.push_back(decimalText(t));
}

Fraction given(const Problem& p, std::size_t i) { return decimalValue(p.inputs[i]); }

AnswerField numberField(const std::string& label, const std::string& more = "") {
    return {label, "0123456789-./" + more, 30};
}

// "2x + 1", "-x - 0.5", "3": the right side of y = ax + b as typed.
std::string rightSide(const std::string& a, const std::string& b) {
    const std::string ax = a == "0" ? "" : a == "1" ? "x" : a == "-1" ? "-x" : a + "x";
    if (b == "0") return ax.empty() ? "0" : ax;
    if (ax.empty()) return b;
    return ax + (b[0] == '-' ? " - " + b.substr(1) : " + " + b);
}

// Where two of three lines cross.

Line lineOf(const Problem& p, std::int64_t number) {
    const std::size_t at = 2 * std::size_t(number - 1);
    return {given(p, at), given(p, at + 1)};
}

Meeting meetingAsked(const Problem& p) { return meeting(lineOf(p, p.extra[0]), lineOf(p, p.extra[1])); }

void drawLines(Problem& p, Draw& d) {
    const std::int64_t PAIRS[3][2] = {{1, 2}, {1, 3}, {2, 3}};
    const auto& pair = PAIRS[d.between(0, 2)];
    const std::int64_t step = p.level == 1 ? 10 : 5;
    const auto slope = [&] { return drawTenths(d, -30, 30, step); };
    const auto intercept = [&] { return drawTenths(d, -50, 50, p.level >= 3 ? 5 : 10); };
    std::array<std::int64_t, 6> t{};  // a1, b1, a2, b2, a3, b3 in tenths
    for (std::size_t k = 0; k < 3; ++k) t[2 * k] = slope(), t[2 * k + 1] = intercept();
    const std::size_t i = 2 * std::size_t(pair[0] - 1), j = 2 * std::size_t(pair[1] - 1);
    if (p.level >= 2 && d.oneIn(5)) {
        t[j] = t[i];
        if (t[j + 1] == t[i + 1]) t[j + 1] += 10;
    } else {
        while (t[j] == t[i]) t[j] = slope();
        if (p.level < 3) {  // through a point of whole numbers
            const std::int64_t x = d.between(-4, 4), y = d.between(-4, 4);
            t[i + 1] = 10 * y - t[i] * x;
            t[j + 1] = 10 * y - t[j] * x;
        }
    }
    setDecimals(p, {t[0], t[1], t[2], t[3], t[4], t[5]});
    p.extra = {pair[0], pair[1]};
    const Meeting m = meetingAsked(p);
    p.answer = m.kind == Meeting::Kind::crossing ? std::vector<std::string>{valueText(m.x), valueText(m.y)}
                                                 : std::vector<std::string>{"N", ""};
}

Verdict checkLines(const Problem& p, const std::vector<std::string>& typed) {
    const Meeting m = meetingAsked(p);
    const auto noneOrN = [](const std::string& t) { return t.empty() || t == "N"; };
    if (noneOrN(typed[0]) && noneOrN(typed[1]) && (typed[0] == "N" || typed[1] == "N"))
        return m.kind == Meeting::Kind::parallel ? correct() : notQuite();
    const std::optional<Fraction> x = typedValue(typed[0]), y = typedValue(typed[1]);
    if (!x || !y) return cannotRead(words().practice_expect_crossing);
    const bool right = m.kind == Meeting::Kind::crossing && compare(*x, m.x) == 0 && compare(*y, m.y) == 0;
    return right ? correct() : notQuite();
}

// The right side of line k as the working writes it, from "Line k: y = 2x + 1".
std::string workingRightSide(const Working& w, std::int64_t k) {
    const std::string& line = w.steps[3 * std::size_t(k - 1)];
    return line.substr(line.find("y = ") + 4);
}

// The line through two points.

LineThroughPoints lineAsked(const Problem& p) { return lineThrough(given(p, 0), given(p, 1), given(p, 2), given(p, 3)); }

void drawTwoPoints(Problem& p, Draw& d) {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (p.level >= 3) {
        x1 = drawTenths(d, -50, 50, 5), y1 = drawTenths(d, -50, 50, 5), y2 = drawTenths(d, -50, 50, 5);
        do x2 = drawTenths(d, -50, 50, 5);
        while (x2 == x1);
    } else {  // on y = ax + b with a whole or a half, b whole, at whole x
        const std::int64_t a = drawTenths(d, -30, 30, p.level == 1 ? 10 : 5), b = 10 * d.between(-5, 5);
        x1 = d.between(-5, 5);
        do x2 = d.between(-5, 5);
        while (x2 == x1);
        y1 = a * x1 + b, y2 = a * x2 + b;
        x1 *= 10, x2 *= 10;
    }
    setDecimals(p, {x1, y1, x2, y2});
    const Line line = lineAsked(p).line;
    p.answer = {valueText(line.slope), valueText(line.intercept)};
}

Verdict checkTwoPoints(const Problem& p, const std::vector<std::string>& typed) {
    const std::optional<Fraction> a = typedValue(typed[0]), b = typedValue(typed[1]);
    if (!a || !b) return cannotRead(words().practice_expect_number);
    const Line line = lineAsked(p).line;
    const bool slopeRight = compare(*a, line.slope) == 0;
    if (slopeRight && compare(*b, line.intercept) == 0) return correct();
    const Fraction dx = minus(given(p, 2), given(p, 0)), dy = minus(given(p, 3), given(p, 1));
    if (dy.numerator != 0 && !slopeRight && compare(*a, dividedBy(dx, dy)) == 0)
        return notQuite(Mistake::slope_upside_down, words().practice_slope_upside_down);
    const Fraction minusB{-line.intercept.numerator, line.intercept.denominator};
    if (slopeRight && line.intercept.numerator != 0 && compare(*b, minusB) == 0)
        return notQuite(Mistake::sign_of_b, words().practice_sign_of_b);
    return notQuite();
}

// k1 * w1 + k2 * w2.

void drawVectors(Problem& p, Draw& d) {
    std::int64_t most = 50, step = 10, factorLo = 10, factorHi = 30, factorStep = 10;
    if (p.level == 2) most = 90, factorLo = -30;
    if (p.level >= 3) step = 1, factorLo = -25, factorHi = 25, factorStep = 5;
    const auto component = [&](bool zeroAllowed) {
        std::int64_t c = 0;
        do c = drawTenths(d, -most, most, step);
        while (c == 0 && !zeroAllowed);
        return c;
    };
    const auto factor = [&] {
        std::int64_t f = 0;
        do f = drawTenths(d, factorLo, factorHi, factorStep);
        while (f == 0);
        return f;
    };
    const std::int64_t x1 = component(true), y1 = component(x1 != 0);
    // The plot draws the second vector only when neither component is 0.
    setDecimals(p, {x1, y1, component(false), component(false), factor(), factor()});
    const Vector total = sum(scaled(given(p, 4), {given(p, 0), given(p, 1)}), scaled(given(p, 5), {given(p, 2), given(p, 3)}));
    p.answer = {valueText(total.x), valueText(total.y)};
}

Verdict checkVectors(const Problem& p, const std::vector<std::string>& typed) {
    const std::optional<Fraction> x = typedValue(typed[0]), y = typedValue(typed[1]);
    if (!x || !y) return cannotRead(words().practice_expect_number);
    const Vector w1{given(p, 0), given(p, 1)}, w2{given(p, 2), given(p, 3)};
    const Vector k1w1 = scaled(given(p, 4), w1), k2w2 = scaled(given(p, 5), w2);
    const auto is = [&](const Vector& v) { return compare(*x, v.x) == 0 && compare(*y, v.y) == 0; };
    const Vector total = sum(k1w1, k2w2);
    if (is(total)) return correct();
    if (is(sum(k1w1, w2)) || is(sum(w1, k2w2)))
        return notQuite(Mistake::one_vector_scaled, words().practice_one_vector_scaled);
    return notQuite();
}

// "2", "(-1.5)", "" for 1: a factor in front of a vector's name.
std::string factorWritten(const std::string& f) {
    if (f == "1") return "";
    return f[0] == '-' ? "(" + f + ")" : f;
}

}  // namespace

const Form LINES{
    Exercise::lines, "lines", &Language::practice_name_lines, "part4 program1", drawLines,
    [](const Problem& p) {
        const std::vector<std::string>& v = p.inputs;
        return filled(words().practice_ask_lines, {rightSide(v[0], v[1]), rightSide(v[2], v[3]), rightSide(v[4], v[5]),
                                                   text(p.extra[0]), text(p.extra[1])});
    },
    [](const Problem&) { return std::vector<AnswerField>{numberField("x =", "N"), numberField("y =", "N")}; },
    checkLines, &Language::practice_method_lines,
    [](const Problem& p, const Working& w) {
        return std::vector<std::string>{
            filled(words().practice_first_lines, {workingRightSide(w, p.extra[0]), workingRightSide(w, p.extra[1])})};
    }};

const Form TWO_POINTS{
    Exercise::two_points, "two_points", &Language::practice_name_two_points, "part4 program2", drawTwoPoints,
    [](const Problem& p) {
        const std::vector<std::string>& v = p.inputs;
        return filled(words().practice_ask_two_points, {v[0], v[1], v[2], v[3]});
    },
    [](const Problem&) { return std::vector<AnswerField>{numberField("a ="), numberField("b =")}; },
    checkTwoPoints, &Language::practice_method_two_points,
    // The slope, not yet the intercept.
    [](const Problem&, const Working& w) { return leadingSteps(w, 1); }};

const Form VECTORS{
    Exercise::vectors, "vectors", &Language::practice_name_vectors, "part4 program3", drawVectors,
    [](const Problem& p) {
        const std::vector<std::string>& v = p.inputs;
        return filled(words().practice_ask_vectors, {v[0], v[1], v[2], v[3], factorWritten(v[4]), factorWritten(v[5])});
    },
    [](const Problem&) { return std::vector<AnswerField>{numberField("x ="), numberField("y =")}; },
    checkVectors, &Language::practice_method_vectors,
    // Each vector scaled, not yet the sum.
    [](const Problem&, const Working& w) { return leadingSteps(w, 2); }};

}  // namespace practice
