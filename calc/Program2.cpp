#include "Program2.h"

#include <algorithm>
#include <charconv>

#include "PrimeSieve.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// "p, " for every prime, written straight into one reserved text: the
// full range holds 78498 of them.
std::string listOf(const std::uint32_t* first, const std::uint32_t* last) {
    std::string list;
    list.reserve(static_cast<std::size_t>(last - first) * 9);
    char digits[16];
    for (const std::uint32_t* p = first; p != last; ++p) {
        char* end = std::to_chars(digits, digits + sizeof digits, *p).ptr;
        list.append(digits, end);
        list.append(", ");
    }
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
