// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Divisibility.h"

namespace calc {

namespace {

using R = DivisibilityRule;

// The rules, in the panel's order of divisors.
const DivisibilityTest RULES[DIVISIBILITY_TESTS] = {
    {2, R::last_digits, 1, {}, 0, false},   {3, R::digit_sum, 0, {}, 0, false},
    {4, R::last_digits, 2, {}, 0, false},   {5, R::last_digits, 1, {}, 0, false},
    {8, R::last_digits, 3, {}, 0, false},   {9, R::digit_sum, 0, {}, 0, false},
    {11, R::alternating_sum, 0, {}, 0, false}, {12, R::both_factors, 0, {3, 4}, 0, false},
    {15, R::both_factors, 0, {3, 5}, 0, false}, {18, R::both_factors, 0, {2, 9}, 0, false},
};

std::int64_t digitSum(std::int64_t n, bool alternating) {
    std::int64_t sum = 0, sign = 1;
    for (; n > 0; n /= 10, sign = alternating ? -sign : 1) sum += sign * (n % 10);
    return sum;
}

std::int64_t evidence(const DivisibilityTest& t, std::int64_t n) {
    switch (t.rule) {
    case R::last_digits: return n % (t.digits == 1 ? 10 : t.digits == 2 ? 100 : 1000);
    case R::digit_sum: return digitSum(n, false);
    case R::alternating_sum: return digitSum(n, true);
    case R::both_factors: return 0;
    }
    return 0;
}

}  // namespace

std::array<DivisibilityTest, DIVISIBILITY_TESTS> divisibilityTests(std::int64_t n) {
    std::array<DivisibilityTest, DIVISIBILITY_TESTS> tests;
    for (std::size_t k = 0; k < tests.size(); ++k) {
        tests[k] = RULES[k];
        tests[k].evidence = evidence(tests[k], n);
        tests[k].divisible = n % tests[k].divisor == 0;
    }
    return tests;
}

}  // namespace calc
