// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program8.h"

#include <cstddef>
#include <utility>

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

const char* const SIGNS[] = {" + ", " - ", " * ", " / "};  // in the order of the operations

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
    std::array<OperationResult, 4> results = fourOperations({a, b}, {c, d});
    for (std::size_t k = 0; k < lines.size(); ++k) {
        Fraction result = std::move(results[k].result);
        if (result.denominator == 0) {  // only the quotient, by a zero fraction
            lines[k] = lang_file->error_division_by_zero;
            continue;
        }
        if (form == ResultForm::lowest_terms)
            result = reduction(std::move(result.numerator), std::move(result.denominator), Keep::result).reduced;
        lines[k] = (k == 0 ? "" : prefix) + first + SIGNS[k] + second + " = " + text(result) + "     ";
    }
    return lines;
}

void Program8::calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    lines = fourOperationLines(solution, a, b, c, d, ResultForm::cross_multiplied);
}
