#include "PrimeSieve.h"

#include <cstddef>

const PrimeSieve& PrimeSieve::shared() {
    static const PrimeSieve table(SHARED_LIMIT);
    return table;
}

PrimeSieve::PrimeSieve(std::int64_t limit)
    : limit_(limit < 1 ? 1 : limit), prime_(static_cast<std::size_t>(limit_) + 1, 1) {
    prime_[0] = prime_[1] = 0;
    // Smaller multiples of i were struck by i's smaller prime factors
    // already, so striking from i*i marks the same numbers as from 2i.
    for (std::int64_t i = 2; i * i <= limit_; ++i) {
        if (!prime_[i]) continue;
        for (std::int64_t j = i * i; j <= limit_; j += i) prime_[j] = 0;
    }
    for (std::int64_t i = 2; i <= limit_; ++i)
        if (prime_[i]) primes_.push_back(static_cast<std::uint32_t>(i));
}
