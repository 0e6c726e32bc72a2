#pragma once
// Pieces the workings of every chapter share: filling a text with numbers,
// how numbers and fractions are written, Euclid's algorithm line by line,
// the panel's lines as an answer.
#include <initializer_list>
#include <string>
#include <vector>

#include "Fraction.h"
#include "Working.h"
#include "app/GlobalVariables.h"

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

// The panel's lines as the answer: empty ones left out, trailing blanks dropped.
std::vector<std::string> panelLines(std::initializer_list<std::string> lines);

// Euclid's algorithm from the larger number, one line per division in the
// form "18 = 1 * 12 + 6", and the greatest common divisor; a zero operand
// gives the rule used instead of divisions. Both operands are at least 0.
struct Euclid {
    std::vector<std::string> lines;
    calc::Integer gcd;
};
Euclid euclid(const calc::Integer& a, const calc::Integer& b);

// "12/18 = (12 : 6)/(18 : 6) = 2/3": the reduction by `gcd` (a positive
// divisor of both).
std::string reductionLine(const calc::Integer& numerator, const calc::Integer& denominator, const calc::Integer& gcd);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

}  // namespace working
