#include "Program8.h"

#include <cstddef>

#include "Fraction.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

using Result = Fraction (*)(const Integer& a, const Integer& b, const Integer& c, const Integer& d);

struct Operation {
    const char* sign;
    Result result;
};

// Cross multiplication over the common denominator b*d; the quotient
// multiplies by the second fraction turned over.
const Operation OPERATIONS[] = {
    {" + ", [](const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
         return Fraction{a * d + b * c, b * d};
     }},
    {" - ", [](const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
         return Fraction{a * d - b * c, b * d};
     }},
    {" * ", [](const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
         return Fraction{a * c, b * d};
     }},
    {" / ", [](const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
         return Fraction{a * d, b * c};
     }},
};

}  // namespace

std::array<std::string, 4> fourOperationLines(const std::string& prefix, std::int64_t a, std::int64_t b,
                                              std::int64_t c, std::int64_t d, ResultForm form) {
    std::array<std::string, 4> lines;
    if (b == 0 || d == 0) {
        lines[0] = lang_file->error_zero_denominator;
        return lines;
    }
    const std::string first = text(a) + "/" + text(b);
    const std::string second = text(c) + "/" + text(d);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        Fraction result = OPERATIONS[k].result(Integer(a), Integer(b), Integer(c), Integer(d));
        if (result.denominator == 0) {  // only the quotient, by a zero fraction
            lines[k] = lang_file->error_division_by_zero;
            continue;
        }
        if (form == ResultForm::lowest_terms) result = lowestTerms(result.numerator, result.denominator);
        lines[k] = (k == 0 ? "" : prefix) + first + OPERATIONS[k].sign + second + " = " + text(result) + "     ";
    }
    return lines;
}

void Program8::calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    lines = fourOperationLines(solution, a, b, c, d, ResultForm::cross_multiplied);
}
