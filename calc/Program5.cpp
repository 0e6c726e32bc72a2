#include "Program5.h"

#include <numeric>

#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program5::calculate(std::int64_t number_n, std::int64_t number_k) {
    n = number_n;
    k = number_k;
    std::int64_t divisor = std::gcd(n, k);
    // " i " joins the operands in both languages.
    solution = lang_file->program5_1 + text(n) + " i " + text(k) + lang_file->program5_2 + text(divisor);
}
