// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrimeSieve.h"

#include <cstddef>

const PrimeSieve& PrimeSieve::shared() {
    static const PrimeSieve table(SHARED_LIMIT);
    return table;
}

PrimeSieve::PrimeSieve(std::int64_t limit)
    : limit_(limit < 1 ? 1 : limit), odd_prime_(static_cast<std::size_t>((limit_ - 1) / 2 + 1), 1) {
    odd_prime_[0] = 0;  // 1
    const std::int64_t last = static_cast<std::int64_t>(odd_prime_.size()) - 1;
    // Smaller multiples of i were struck by i's smaller prime factors
    // already, so striking from i*i marks the same numbers as from 2i; the
    // odd multiples i*i, i*i + 2i, ... lie i entries apart.
    std::uint8_t* const table = odd_prime_.data();
    for (std::size_t i = 3; std::int64_t(i * i) <= limit_; i += 2) {
        if (!table[i / 2]) continue;
        for (std::size_t k = i * i / 2; k <= std::size_t(last); k += i) table[k] = 0;
    }
    // Counted first, so the list is filled without growing. Through the raw
    // table, as above: built for size, the page calls the vector's
    // operator[] instead of inlining it.
    std::size_t odd_count = 0;
    for (std::size_t k = 1; k <= std::size_t(last); ++k) odd_count += table[k];
    primes_.resize((limit_ >= 2) + odd_count);
    std::uint32_t* out = primes_.data();
    if (limit_ >= 2) *out++ = 2;
    for (std::size_t k = 1; k <= std::size_t(last); ++k)
        if (table[k]) *out++ = static_cast<std::uint32_t>(2 * k + 1);
}
