#include "Program6.h"

#include <numeric>

#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// Two 10-digit operands have a multiple of up to 20 digits: beyond 64 bits.
Integer lowestCommonMultiple(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) return 0;
    return Integer(a / std::gcd(a, b)) * Integer(b);
}

}  // namespace

void Program6::calculate(std::int64_t number_n, std::int64_t number_k) {
    n = number_n;
    k = number_k;
    // " i " joins the operands in both languages.
    solution = lang_file->program6_1 + text(n) + " i " + text(k) + lang_file->program6_2 +
               text(lowestCommonMultiple(n, k));
}
