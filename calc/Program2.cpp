// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program2.h"

#include <algorithm>
#include <charconv>

#include "Primes.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// "p, " for every prime, or for those that start within the first `length`
// characters, written straight into one text sized for the longest case
// (7 digits and ", ") and cut to length after: the full range holds 78498
// of them, and appending piece by piece took twice as long.
std::string listOf(const PrimeRun& primes, std::size_t length) {
    constexpr std::size_t LONGEST_ENTRY = 9;
    const std::size_t entries = std::min(primes.size(), length / 3 + 1);  // "2, " is the shortest
    std::string list(entries * LONGEST_ENTRY, ' ');
    char* const start = list.data();
    char* out = start;
    for (const std::uint32_t* p = primes.begin(); p != primes.end() && std::size_t(out - start) < length; ++p) {
        out = std::to_chars(out, out + LONGEST_ENTRY, *p).ptr;
        *out++ = ',';
        *out++ = ' ';
    }
    list.resize(static_cast<std::size_t>(out - start));
    return list;
}

}  // namespace

void Program2::calculate(std::int64_t start_at, std::int64_t finish_at) { list(start_at, finish_at, false); }

void Program2::calculateShownLines(std::int64_t start_at, std::int64_t finish_at) { list(start_at, finish_at, true); }

void Program2::list(std::int64_t start_at, std::int64_t finish_at, bool shownOnly) {
    const PrimeRange range = primesBetween(start_at, finish_at);
    if (range.beyond_table) {
        solution = lang_file->error_primes_range;
    } else {
        const std::string count = lang_file->program2 + std::to_string(range.found.size()) + ";     ";
        const std::size_t shown = lines.size() * LINE_LENGTH;
        const std::size_t length = !shownOnly             ? std::string::npos
                                   : shown > count.size() ? shown - count.size()
                                                          : 0;
        solution = count + listOf(range.found, length);
    }
    lines = cutIntoLines(solution, LINE_LENGTH);
}
