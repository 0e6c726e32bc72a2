#include "Program7.h"

#include "Exact.h"
#include "PrimeSieve.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program7::calculate(std::int64_t number_n) {
    n = number_n;
    solution = text(n) + " = ";
    lines = FiveLines{};
    if (n < SMALLEST || n > LARGEST) {
        lines[0] = lang_file->program7_1;
        return;
    }
    const PrimeSieve& sieve = PrimeSieve::shared();
    const std::size_t bare = solution.size();
    // p <= n/2 lists each pair once, smaller prime first.
    for (std::int64_t p = 2; p <= n / 2; ++p)
        if (sieve.isPrime(p) && sieve.isPrime(n - p))
            solution += text(p) + " + " + text(n - p) + "    ";
    if (solution.size() == bare) {
        lines[0] = lang_file->program7_2;
        return;
    }
    lines = cutIntoLines(solution, LINE_LENGTH);
}
