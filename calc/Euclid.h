// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Division with remainder and Euclid's algorithm, kept step by step: the
// panel's answers and the workings are both written from these steps. Over
// machine words where the values fit (the chapter 1 exercises), over
// calc::Integer where they grow (fractions' cross products).
#include <vector>

namespace calc {

// dividend = quotient * divisor + remainder, 0 <= remainder < divisor.
template <class Number>
struct Division {
    Number dividend, divisor, quotient, remainder;
};

// dividend >= 0, divisor > 0.
template <class Number>
Division<Number> divide(const Number& dividend, const Number& divisor) {
    return {dividend, divisor, dividend / divisor, dividend % divisor};
}

// Euclid's algorithm from the larger number: each division's divisor and
// remainder are the next one's dividend and divisor, until a remainder is 0;
// the last divisor is the greatest common divisor. With a zero operand there
// is nothing to divide: gcd(n, 0) = n and, by agreement, gcd(0, 0) = 0.
template <class Number>
struct Euclid {
    std::vector<Division<Number>> divisions;
    Number gcd;
};

// a, b >= 0.
template <class Number>
Euclid<Number> euclid(const Number& a, const Number& b) {
    Euclid<Number> e{{}, a >= b ? a : b};
    Number smaller = a >= b ? b : a;
    while (smaller != 0) {
        e.divisions.push_back(divide(e.gcd, smaller));
        e.gcd = smaller;
        smaller = e.divisions.back().remainder;
    }
    return e;
}

// a * b / gcd in the wider type `Wide`, where gcd is that of a and b (both
// >= 0); 0 when either is 0.
template <class Wide, class Number>
Wide lowestCommonMultiple(const Number& a, const Number& b, const Number& gcd) {
    if (gcd == 0) return Wide(0);
    return Wide(a / gcd) * Wide(b);
}

}  // namespace calc
