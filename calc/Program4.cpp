#include "Program4.h"

#include "Divisibility.h"
#include "WholeNumber.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program4::calculate(std::int64_t n) {
    solution1 = lang_file->program4_3;
    solution2.clear();
    for (const DivisibilityTest& t : divisibilityTests(n))
        solution2 += text(t.divisor) + (t.divisible ? lang_file->program4_1 : lang_file->program4_2);
}
