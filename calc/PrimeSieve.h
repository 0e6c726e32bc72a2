// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which numbers up to a limit are prime, by the sieve of Eratosthenes.
// The calculators share one table of 0..1000000, built on first use.
#include <cstdint>
#include <vector>

class PrimeSieve {
public:
    static constexpr std::int64_t SHARED_LIMIT = 1000000;

    // The table of 0..SHARED_LIMIT, built once per run when first asked for.
    static const PrimeSieve& shared();

    explicit PrimeSieve(std::int64_t limit);

    std::int64_t limit() const { return limit_; }
    // n must lie in 0..limit().
    bool isPrime(std::int64_t n) const { return n == 2 || (n % 2 == 1 && odd_prime_[static_cast<std::size_t>(n / 2)]); }
    // Every prime up to limit(), ascending.
    const std::vector<std::uint32_t>& primes() const { return primes_; }

private:
    std::int64_t limit_;
    // Entry k stands for the odd number 2k + 1: 2 is the only even prime, so
    // half a table and half the striking serve. Bytes, not bits: read in tight loops.
    std::vector<std::uint8_t> odd_prime_;
    std::vector<std::uint32_t> primes_;
};
