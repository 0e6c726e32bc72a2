#include "Fraction.h"

namespace calc {

Fraction lowestTerms(const Integer& numerator, const Integer& denominator) {
    Integer divisor = gcd(numerator, denominator);  // never negative
    if (divisor == 0) return {numerator, denominator};
    return {numerator / divisor, denominator / divisor};
}

std::string text(const Fraction& f) { return text(f.numerator) + "/" + text(f.denominator); }

int compare(const Fraction& x, const Fraction& y) {
    // x - y = (xn*yd - yn*xd) / (xd*yd): the sign of the cross difference,
    // turned over when exactly one denominator is negative.
    int cross = sgn(Integer(x.numerator * y.denominator - y.numerator * x.denominator));
    return cross * sgn(x.denominator) * sgn(y.denominator);
}

}  // namespace calc
