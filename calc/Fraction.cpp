#include "Fraction.h"

Fraction lowestTerms(const Integer& numerator, const Integer& denominator) {
    Integer divisor = gcd(numerator, denominator);  // never negative
    if (divisor == 0) return {numerator, denominator};
    return {numerator / divisor, denominator / divisor};
}

std::string text(const Fraction& f) { return text(f.numerator) + "/" + text(f.denominator); }
