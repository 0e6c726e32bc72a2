#include "Program3.h"

#include "Exact.h"
#include "PrimeSieve.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program3::appendFactor(std::int64_t factor) {
    if (!first_factor) solution += " x ";
    solution += text(factor);
    first_factor = false;
}

void Program3::calculate(std::int64_t number_n) {
    n = number_n;
    if (n < 2) {
        solution = lang_file->program3_3;
        return;
    }
    solution = lang_file->program3_1 + text(n) + lang_file->program3_2;
    first_factor = true;
    // Dividing by the primes alone finds the same factors as by every
    // number, in ten times fewer steps. The table reaches 1000000, enough
    // for any 12-digit number; larger ones go on with odd divisors.
    std::int64_t divisor = 2;
    for (std::uint32_t prime : PrimeSieve::shared().primes()) {
        divisor = prime;
        if (divisor > n / divisor) break;
        while (n % divisor == 0) {
            n /= divisor;
            appendFactor(divisor);
        }
    }
    for (divisor |= 1; divisor <= n / divisor; divisor += 2) {
        while (n % divisor == 0) {
            n /= divisor;
            appendFactor(divisor);
        }
    }
    if (n > 1) appendFactor(n);
}
