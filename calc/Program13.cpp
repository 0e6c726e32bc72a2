#include "Program13.h"

#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program13::calculate(std::int64_t l, std::int64_t m) {
    if (m == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    solution = lang_file->program13;
    // A negative fraction is written as "-" and the mixed form of its size,
    // so the part after the whole number is always a proper fraction.
    if ((l < 0) != (m < 0) && l != 0) solution += "-";
    const Integer numerator = abs(Integer(l));
    const Integer denominator = abs(Integer(m));
    const Integer whole = numerator / denominator;
    const Integer rest = numerator % denominator;
    if (whole != 0) solution += text(whole) + " ";
    if (rest != 0) solution += text(rest) + "/" + text(denominator);
}
