#include "Program4.h"

#include "Exact.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

const std::int64_t DIVISORS[] = {2, 3, 4, 5, 8, 9, 11, 12, 15, 18};

}  // namespace

void Program4::appendAnswer(std::int64_t divisor) {
    bool divisible = n % divisor == 0;
    solution2 += text(divisor) + (divisible ? lang_file->program4_1 : lang_file->program4_2);
}

void Program4::calculate(std::int64_t number_n) {
    n = number_n;
    solution1 = lang_file->program4_3;
    solution2.clear();
    for (std::int64_t divisor : DIVISORS) appendAnswer(divisor);
}
