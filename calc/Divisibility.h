// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Divisibility of a number by 2, 3, 4, 5, 8, 9, 11, 12, 15 and 18, each with
// the schoolbook rule that shows it; the panel's answers and the working are
// both written from these tests.
#include <array>
#include <cstdint>

namespace calc {

enum class DivisibilityRule {
    last_digits,      // the number formed by the last `digits` digits is divisible
    digit_sum,        // the sum of the digits is divisible
    alternating_sum,  // the digit sum with alternating signs, from the last digit, is divisible
    both_factors,     // divisible by the coprime `factors` both
};

struct DivisibilityTest {
    std::int64_t divisor;
    DivisibilityRule rule;
    int digits;                          // last_digits: how many
    std::array<std::int64_t, 2> factors;  // both_factors
    std::int64_t evidence;               // the last digits' value or the digit sum; 0 for both_factors
    bool divisible;
};

constexpr std::size_t DIVISIBILITY_TESTS = 10;

// n >= 0.
std::array<DivisibilityTest, DIVISIBILITY_TESTS> divisibilityTests(std::int64_t n);

}  // namespace calc
