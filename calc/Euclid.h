// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Division with remainder and Euclid's algorithm, kept step by step: the
// panel's answers and the workings are both written from these steps. Over
// machine words where the values fit (the chapter 1 exercises), over
// calc::Integer where they grow (fractions' cross products).
#include <numeric>
#include <type_traits>
#include <utility>
#include <vector>

namespace calc {

// What a calculation keeps: every step it took, which a working writes out,
// or only the result, all the panel's answer needs. Keeping the steps costs
// an allocation or more a step; the result alone is found the quickest way.
enum class Keep { steps, result };

// dividend = quotient * divisor + remainder, 0 <= remainder < divisor.
template <class Number>
struct Division {
    Number dividend, divisor, quotient, remainder;
};

// dividend >= 0, divisor > 0.
template <class Number>
Division<Number> divide(Number dividend, Number divisor) {
    Number quotient = dividend / divisor, remainder = dividend % divisor;
    return {std::move(dividend), std::move(divisor), std::move(quotient), std::move(remainder)};
}

// Euclid's algorithm from the larger number: each division's divisor and
// remainder are the next one's dividend and divisor, until a remainder is 0;
// the last divisor is the greatest common divisor. With a zero operand there
// is nothing to divide: gcd(n, 0) = n and, by agreement, gcd(0, 0) = 0.
template <class Number>
struct Euclid {
    std::vector<Division<Number>> divisions;  // empty unless the steps are kept
    Number gcd;
};

// The same greatest common divisor without the divisions, of a and b of
// either sign, never negative: the library's binary GCD (GMP's for the exact
// integer) takes no division at all.
template <class Number>
Number greatestCommonDivisor(const Number& a, const Number& b) {
    if constexpr (std::is_integral_v<Number>)
        return std::gcd(a, b);
    else
        return gcd(a, b);  // the exact integer's own, found beside its type
}

// a, b >= 0.
template <class Number>
Euclid<Number> euclid(const Number& a, const Number& b, Keep keep = Keep::steps) {
    if (keep == Keep::result) return {{}, greatestCommonDivisor(a, b)};
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
