#include "Program2.h"

#include <algorithm>
#include <charconv>

#include "PrimeSieve.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// "p, " for every prime, written straight into one text sized for the
// longest case (7 digits and ", ") and cut to length after: the full range
// holds 78498 of them, and appending piece by piece took twice as long.
std::string listOf(const std::uint32_t* first, const std::uint32_t* last) {
    constexpr std::size_t LONGEST_ENTRY = 9;
    std::string list(static_cast<std::size_t>(last - first) * LONGEST_ENTRY, ' ');
    char* out = list.data();
    for (const std::uint32_t* p = first; p != last; ++p) {
        out = std::to_chars(out, out + LONGEST_ENTRY, *p).ptr;
        *out++ = ',';
        *out++ = ' ';
    }
    list.resize(static_cast<std::size_t>(out - list.data()));
    return list;
}

}  // namespace

void Program2::calculate(std::int64_t start_at, std::int64_t finish_at) {
    const PrimeSieve& sieve = PrimeSieve::shared();
    if (finish_at > sieve.limit()) {
        solution = lang_file->error_primes_range;
        lines = cutIntoLines(solution, LINE_LENGTH);
        return;
    }
    const std::vector<std::uint32_t>& primes = sieve.primes();
    const std::uint32_t* first = primes.data();
    const std::uint32_t* last = primes.data() + primes.size();
    // Comparing as 64-bit values keeps starts beyond the table and
    // negative ends meaningful.
    const std::uint32_t* from = std::lower_bound(
        first, last, start_at, [](std::uint32_t p, std::int64_t v) { return p < v; });
    const std::uint32_t* to = std::upper_bound(
        first, last, finish_at, [](std::int64_t v, std::uint32_t p) { return v < p; });
    if (to < from) to = from;
    solution = lang_file->program2 + std::to_string(to - from) + ";     " + listOf(from, to);
    lines = cutIntoLines(solution, LINE_LENGTH);
}
