// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions in lowest terms, shared by every calculator that reduces.
#include <string>

#include "Exact.h"

namespace calc {

struct Fraction {
    Integer numerator;
    Integer denominator;
};

// Divides numerator and denominator by their greatest common divisor, so the
// result is in lowest terms; the sign stays where it was (-2/8 gives -1/4,
// 0/6 gives 0/1). 0/0 is returned unchanged: callers refuse zero denominators.
Fraction lowestTerms(const Integer& numerator, const Integer& denominator);

// The sign of x - y (-1, 0 or 1), exactly; both denominators must be
// non-zero and may have either sign.
int compare(const Fraction& x, const Fraction& y);

// Exact arithmetic, each result in lowest terms; dividedBy needs y != 0.
Fraction plus(const Fraction& x, const Fraction& y);
Fraction minus(const Fraction& x, const Fraction& y);
Fraction times(const Fraction& x, const Fraction& y);
Fraction dividedBy(const Fraction& x, const Fraction& y);

// "numerator/denominator" in plain decimal.
std::string text(const Fraction& f);

}  // namespace calc
