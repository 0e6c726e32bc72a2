// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Primes.h"

#include <algorithm>

#include "PrimeSieve.h"

namespace calc {

PrimeRange primesBetween(std::int64_t from, std::int64_t to) {
    const PrimeSieve& sieve = PrimeSieve::shared();
    if (to > sieve.limit()) return {true, {}, {}};
    const std::uint32_t* first = sieve.primes().data();
    const std::uint32_t* last = first + sieve.primes().size();
    // Comparing as 64-bit values keeps starts beyond the table and
    // negative ends meaningful.
    const auto below = [](std::uint32_t p, std::int64_t v) { return p < v; };
    const auto above = [](std::int64_t v, std::uint32_t p) { return v < p; };
    const std::uint32_t* lowest = std::lower_bound(first, last, from, below);
    const std::uint32_t* highest = std::max(lowest, std::upper_bound(first, last, to, above));
    const std::uint32_t* striking = std::partition_point(
        first, last, [to](std::uint32_t p) { return std::int64_t(p) * p <= to; });
    return {false, {first, striking}, {lowest, highest}};
}

std::vector<LadderStep> factorLadder(std::int64_t n) {
    std::vector<LadderStep> ladder;
    if (n < 2) return ladder;
    const auto divideOut = [&](std::int64_t d) {
        for (; n % d == 0; n /= d) ladder.push_back({n, d});
    };
    // Dividing by the primes alone finds the same factors as by every
    // number, in ten times fewer steps. The table reaches 1000000, enough
    // for any 12-digit number; larger ones go on with odd divisors. The test
    // stays in the loop: a call per divisor costs more than the division in
    // the browser.
    std::int64_t divisor = 2;
    for (std::uint32_t prime : PrimeSieve::shared().primes()) {
        divisor = prime;
        if (divisor > n / divisor) break;
        if (n % divisor == 0) divideOut(divisor);
    }
    for (divisor |= 1; divisor <= n / divisor; divisor += 2)
        if (n % divisor == 0) divideOut(divisor);
    if (n > 1) divideOut(n);
    return ladder;
}

GoldbachPairs goldbachPairs(std::int64_t n) {
    GoldbachPairs found;
    found.in_range = n >= GOLDBACH_SMALLEST && n <= GOLDBACH_LARGEST;
    if (!found.in_range) return found;
    const PrimeSieve& sieve = PrimeSieve::shared();
    // p <= n/2 lists each pair once, smaller prime first.
    for (std::int64_t p = 2; p <= n / 2; ++p)
        if (sieve.isPrime(p) && sieve.isPrime(n - p)) found.smaller_primes.push_back(p);
    return found;
}

}  // namespace calc
