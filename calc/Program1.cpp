#include "Program1.h"

#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program1::calculate(std::int64_t number_n, std::int64_t number_k) {
    n = number_n;
    k = number_k;
    if (k == 0) {
        solution = lang_file->error_division_by_zero;
        return;
    }
    m = n / k;
    r = n % k;
    solution = text(n) + " = " + text(k) + " * " + text(m) + " + " + text(r);
}
