// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fraction.h"

#include "FractionSteps.h"

namespace calc {

Fraction lowestTerms(const Integer& numerator, const Integer& denominator) {
    Integer divisor = gcd(numerator, denominator);  // never negative
    if (divisor == 0) return {numerator, denominator};
    return {numerator / divisor, denominator / divisor};
}

std::string text(const Fraction& f) { return text(f.numerator) + "/" + text(f.denominator); }

int compare(const Fraction& x, const Fraction& y) { return crossProducts(x, y).order; }

namespace {

Fraction reduced(const Fraction& f) { return lowestTerms(f.numerator, f.denominator); }

}  // namespace

Fraction plus(const Fraction& x, const Fraction& y) { return reduced(unreduced(Operation::sum, x, y)); }
Fraction minus(const Fraction& x, const Fraction& y) { return reduced(unreduced(Operation::difference, x, y)); }
Fraction times(const Fraction& x, const Fraction& y) { return reduced(unreduced(Operation::product, x, y)); }
Fraction dividedBy(const Fraction& x, const Fraction& y) { return reduced(unreduced(Operation::quotient, x, y)); }

}  // namespace calc
