// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculations on primes, kept step by step over the shared sieve: the
// primes of a range with the primes whose multiples the sieve strikes, a
// number's factor ladder and the Goldbach pairs of a number. The panel's
// answers and the workings are both written from these steps; every value
// fits a machine word.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace calc {

// Consecutive primes of the shared table, ascending.
struct PrimeRun {
    const std::uint32_t* first = nullptr;
    const std::uint32_t* last = nullptr;

    const std::uint32_t* begin() const { return first; }
    const std::uint32_t* end() const { return last; }
    std::size_t size() const { return std::size_t(last - first); }
};

// The sieve of 2..to strikes the multiples of each prime p with p * p <= to,
// from p * p on; what it leaves are the primes. When `to` lies past the
// shared table (`beyond_table`) nothing else is filled in.
struct PrimeRange {
    bool beyond_table = false;
    PrimeRun striking;  // the primes p with p * p <= to
    PrimeRun found;     // the primes from `from` to `to`, both included
};

PrimeRange primesBetween(std::int64_t from, std::int64_t to);

// One rung of the factor ladder: `rest` divided by its smallest prime divisor.
struct LadderStep {
    std::int64_t rest, prime;
};

// n divided by its smallest prime divisor, the quotient by its smallest, and
// so on down to 1: one rung per prime factor, the factors ascending. Empty
// for n < 2, which has no prime factors.
std::vector<LadderStep> factorLadder(std::int64_t n);

// Goldbach's conjecture is checked for GOLDBACH_SMALLEST <= n <= GOLDBACH_LARGEST.
constexpr std::int64_t GOLDBACH_SMALLEST = 4;
constexpr std::int64_t GOLDBACH_LARGEST = 2500;

// Every way of writing n as p + q with p <= q both prime, by the smaller
// prime p, ascending; nothing when n is out of the range checked.
struct GoldbachPairs {
    bool in_range = false;
    std::vector<std::int64_t> smaller_primes;
};

GoldbachPairs goldbachPairs(std::int64_t n);

}  // namespace calc
