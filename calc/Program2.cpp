// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program2.h"

#include <charconv>

#include "Primes.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// "p, " for every prime, written straight into one text sized for the
// longest case (7 digits and ", ") and cut to length after: the full range
// holds 78498 of them, and appending piece by piece took twice as long.
std::string listOf(const PrimeRun& primes) {
    constexpr std::size_t LONGEST_ENTRY = 9;
    std::string list(primes.size() * LONGEST_ENTRY, ' ');
    char* out = list.data();
    for (std::uint32_t p : primes) {
        out = std::to_chars(out, out + LONGEST_ENTRY, p).ptr;
        *out++ = ',';
        *out++ = ' ';
    }
    list.resize(static_cast<std::size_t>(out - list.data()));
    return list;
}

}  // namespace

void Program2::calculate(std::int64_t start_at, std::int64_t finish_at) {
    const PrimeRange range = primesBetween(start_at, finish_at);
    if (range.beyond_table)
        solution = lang_file->error_primes_range;
    else
        solution = lang_file->program2 + std::to_string(range.found.size()) + ";     " + listOf(range.found);
    lines = cutIntoLines(solution, LINE_LENGTH);
}
