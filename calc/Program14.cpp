#include "Program14.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "Fraction.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// The three digit groups of "W.B[A]": whole part, digits before the period
// (either may be empty) and the period (never empty).
struct RecurringDecimal {
    std::string whole, beforePeriod, period;
};

bool allDigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::optional<RecurringDecimal> parse(const std::string& typed) {
    const std::size_t point = typed.find('.');
    const std::size_t open = typed.find('[');
    if (point == std::string::npos || open == std::string::npos || open < point) return std::nullopt;
    if (typed.back() != ']' || open + 1 == typed.size()) return std::nullopt;
    RecurringDecimal parts{typed.substr(0, point), typed.substr(point + 1, open - point - 1),
                           typed.substr(open + 1, typed.size() - open - 2)};
    if (parts.period.empty()) return std::nullopt;
    if (!allDigits(parts.whole) || !allDigits(parts.beforePeriod) || !allDigits(parts.period)) return std::nullopt;
    return parts;
}

Integer digitsValue(const std::string& digits) { return digits.empty() ? Integer(0) : fromDecimal(digits); }

// W.B(A) = W + (B*(10^p - 1) + A) / ((10^p - 1) * 10^k), where the period A
// has p digits and B has k.
Fraction value(const RecurringDecimal& d) {
    const Integer nines = powerOfTen(d.period.size()) - 1;
    const Integer denominator = nines * powerOfTen(d.beforePeriod.size());
    const Integer numerator = digitsValue(d.beforePeriod) * nines + digitsValue(d.period) +
                              denominator * digitsValue(d.whole);
    return lowestTerms(numerator, denominator);
}

}  // namespace

void Program14::calculate(std::string recurringDecimal) {
    const std::optional<RecurringDecimal> parts = parse(recurringDecimal);
    solution = parts ? text(value(*parts)) : lang_file->error_recurring_decimal;
}
