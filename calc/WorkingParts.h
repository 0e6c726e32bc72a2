#pragma once
// Pieces the workings of every chapter share: how numbers and fractions are
// written, Euclid's algorithm line by line, the panel's lines as an answer.
#include <initializer_list>
#include <string>
#include <vector>

#include "Fraction.h"
#include "Working.h"
#include "WorkingTexts.h"

namespace working {

// The texts of the language shown now.
inline const WorkingTexts& say() { return workingTexts(); }

// "a/b" as typed, unreduced.
std::string over(const Integer& numerator, const Integer& denominator);
// A value in lowest terms with the sign in front: "3", "-1/2".
std::string valueText(const Fraction& f);
// As `valueText`, in brackets when negative or not whole, for use in a product.
std::string factorText(const Fraction& f);

// The panel's lines as the answer: empty ones left out, trailing blanks dropped.
std::vector<std::string> panelLines(std::initializer_list<std::string> lines);

// Euclid's algorithm from the larger number, one line per division in the
// form "18 = 1 * 12 + 6", and the greatest common divisor; a zero operand
// gives the rule used instead of divisions. Both operands are at least 0.
struct Euclid {
    std::vector<std::string> lines;
    Integer gcd;
};
Euclid euclid(const Integer& a, const Integer& b);

// "12/18 = (12 : 6)/(18 : 6) = 2/3": the reduction by `gcd` (a positive
// divisor of both).
std::string reductionLine(const Integer& numerator, const Integer& denominator, const Integer& gcd);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

}  // namespace working
