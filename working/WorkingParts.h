// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the workings of every chapter share: one builder per exercise, filling
// a text with numbers, how numbers and fractions are written, Euclid's
// divisions and a reduction line by line, the panel's lines as an answer.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Working.h"
#include "app/GlobalVariables.h"
#include "calc/FractionSteps.h"
#include "calc/Plane.h"

// Chapter 1.
Working remainderWorking(std::int64_t n, std::int64_t k);
Working primesWorking(std::int64_t from, std::int64_t to);
Working factorsWorking(std::int64_t n);
Working divisibilityWorking(std::int64_t n);
Working gcdWorking(std::int64_t a, std::int64_t b);
Working lcmWorking(std::int64_t a, std::int64_t b);
Working goldbachWorking(std::int64_t n);
// Chapter 2.
Working operationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working reduceWorking(std::int64_t a, std::int64_t b);
Working reducedOperationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working equalityWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working sixFractionsWorking(const std::vector<std::int64_t>& numeratorsAndDenominators);
// Chapter 3.
Working mixedWorking(std::int64_t a, std::int64_t b);
Working recurringWorking(const std::string& typed);
Working comparisonWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
Working egyptianWorking(std::int64_t a, std::int64_t b);
// Chapter 4: the typed values as exact fractions (see `calc::decimalValue`).
Working straightLinesWorking(const std::vector<calc::Fraction>& slopesAndIntercepts);  // a1, b1, a2, b2, a3, b3
Working twoPointsWorking(const calc::Fraction& x1, const calc::Fraction& y1, const calc::Fraction& x2, const calc::Fraction& y2);
Working vectorsWorking(const std::vector<calc::Fraction>& coordinatesAndFactors);  // x1, y1, x2, y2, m1, m2

namespace working {

// `pattern` (a text of the table) with "{1}" replaced by values[0], "{2}"
// by values[1], and so on.
std::string filled(const std::string& pattern, std::initializer_list<std::string> values);

// "a/b" as typed, unreduced.
std::string over(const calc::Integer& numerator, const calc::Integer& denominator);
// A value in lowest terms with the sign in front: "3", "-1/2".
std::string valueText(const calc::Fraction& f);
// As `valueText`, in brackets when negative or not whole, for use in a product.
std::string factorText(const calc::Fraction& f);

// Why a fraction with the denominator 0 has no value: a line for each such
// fraction, once however often it was typed.
std::vector<std::string> zeroDenominators(std::initializer_list<std::pair<std::int64_t, std::int64_t>> fractions);

// The panel's lines as the answer: empty ones left out, trailing blanks dropped.
std::vector<std::string> panelLines(std::initializer_list<std::string> lines);

// GCD(a, b) by Euclid's algorithm `e` as the workings write it: with a zero
// operand the rule used instead ("GCD(0, 5) = 5: every number divides 0");
// otherwise the heading, unless an earlier line gave it, and one line per
// division ("18 = 1 * 12 + 6").
template <class Number>
std::vector<std::string> euclidLines(const Number& a, const Number& b, const calc::Euclid<Number>& e, bool heading = true) {
    using calc::text;
    if (e.gcd == 0) return {lang_file->working_gcd_both_zero};
    if (e.divisions.empty()) return {filled(lang_file->working_gcd_zero, {text(a), text(b), text(e.gcd)})};
    std::vector<std::string> lines;
    if (heading) lines.push_back(lang_file->working_euclid);
    for (const calc::Division<Number>& d : e.divisions)
        lines.push_back(text(d.dividend) + " = " + text(d.quotient) + " * " + text(d.divisor) + " + " + text(d.remainder));
    return lines;
}

// Which of a counted noun's three forms goes with n, as Polish counts: one
// (1), few (2-4, 22-24, 32-34, ... but not 12-14) or many (the rest, 0
// included). English words its few and many alike.
const std::string& countedForm(std::int64_t n, const std::string& one, const std::string& few, const std::string& many);

// "12/18 = (12 : 6)/(18 : 6) = 2/3": the division by the GCD.
std::string reductionLine(const calc::Reduction& r);

// How the equality and the comparison of a/b and c/d begin, as `w`'s steps:
// why a fraction has no value (then nothing more follows, and nothing is
// returned), or else "Cross products:", "a * d = ad", "c * b = cb", whose
// products are returned for the conclusion.
std::optional<calc::CrossProducts> crossProductSteps(Working& w, std::int64_t a, std::int64_t b, std::int64_t c,
                                                     std::int64_t d);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

}  // namespace working
