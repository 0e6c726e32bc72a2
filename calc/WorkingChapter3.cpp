// The workings of chapter 3: fractions and rational numbers, part 2.
#include <algorithm>
#include <cctype>

#include "Program13.h"
#include "Program14.h"
#include "Program15.h"
#include "Program16.h"
#include "WorkingParts.h"

using namespace calc;
using namespace working;

namespace {

std::vector<std::string> zeroDenominator(std::int64_t numerator, std::int64_t denominator) {
    if (denominator != 0) return {};
    return {filled(lang_file->working_zero_denominator, {over(numerator, denominator)})};
}

Integer digitsValue(const std::string& digits) { return digits.empty() ? Integer(0) : fromDecimal(digits); }

// "100000x" (the factor 1 is left out: "x").
std::string timesX(const Integer& factor) { return factor == 1 ? "x" : text(factor) + "x"; }

bool digitsOnly(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

Working mixedWorking(std::int64_t a, std::int64_t b) {
    Program13 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_mixed_title, {over(a, b)}), zeroDenominator(a, b), panelLines({p.getSolution()})};
    if (!w.steps.empty()) return w;
    // As the calculator does: the size of the fraction, the sign in front.
    const Integer numerator = abs(Integer(a)), denominator = abs(Integer(b));
    const Integer whole = numerator / denominator, rest = numerator % denominator;
    w.steps = {text(numerator) + " : " + text(denominator) + " = " + text(whole) + " remainder " + text(rest),
               over(numerator, denominator) + " = " + text(whole) + " + " + over(rest, denominator)};
    return w;
}

Working recurringWorking(const std::string& typed) {
    Program14 p;
    p.calculate(typed);
    Working w{filled(lang_file->working_recurring_title, {typed}), {}, panelLines({p.getSolution()})};
    // The calculator's shape: digits "." digits "[" digits "]", at least one period digit.
    const std::size_t point = typed.find('.'), open = typed.find('[');
    const bool shaped = point != std::string::npos && open != std::string::npos && point < open &&
                        typed.size() >= open + 3 && typed.back() == ']';
    const std::string whole = shaped ? typed.substr(0, point) : "";
    const std::string before = shaped ? typed.substr(point + 1, open - point - 1) : "";
    const std::string period = shaped ? typed.substr(open + 1, typed.size() - open - 2) : "";
    if (!shaped || !digitsOnly(whole) || !digitsOnly(before) || !digitsOnly(period)) {
        w.steps = {lang_file->working_recurring_shape};
        return w;
    }
    // x = W.B[A]; 10^k x = WB.[A]; 10^(k+p) x = WBA.[A]; the difference has no period.
    const Integer shiftToPeriod = powerOfTen(before.size());
    const Integer shiftPastPeriod = shiftToPeriod * powerOfTen(period.size());
    const Integer upToPeriod = digitsValue(whole + before), throughPeriod = digitsValue(whole + before + period);
    const Integer factor = shiftPastPeriod - shiftToPeriod, numerator = throughPeriod - upToPeriod;
    w.steps = {"x = " + text(digitsValue(whole)) + "." + before + "[" + period + "]"};
    if (!before.empty()) w.steps.push_back(timesX(shiftToPeriod) + " = " + text(upToPeriod) + ".[" + period + "]");
    w.steps.push_back(timesX(shiftPastPeriod) + " = " + text(throughPeriod) + ".[" + period + "]");
    w.steps.push_back(lang_file->working_recurring_subtract);
    w.steps.push_back(timesX(factor) + " = " + text(numerator));
    const Integer divisor = gcd(numerator, factor);
    w.steps.push_back(filled(lang_file->working_gcd_is, {text(numerator), text(factor), text(divisor)}));
    w.steps.push_back("x = " + over(numerator, factor) + " = " + text(lowestTerms(numerator, factor)));
    return w;
}

Working comparisonWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    Program15 p;
    p.calculate(a, b, c, d);
    Working w{filled(lang_file->working_compare_title, {over(a, b), over(c, d)}), zeroDenominator(a, b),
              panelLines({p.getSolution()})};
    append(w.steps, zeroDenominator(c, d));
    if (!w.steps.empty()) return w;
    // Cross products compare the fractions when both denominators have the same sign.
    const bool flip = (b < 0) != (d < 0);
    const Integer left = Integer(a) * d, right = Integer(c) * b;
    w.steps = {lang_file->working_cross_products, text(a) + " * " + text(d) + " = " + text(left),
               text(c) + " * " + text(b) + " = " + text(right)};
    if (left == right) {
        w.steps.push_back(filled(lang_file->working_cross_equal, {text(left), text(right)}));
    } else {
        const bool firstGreater = (left > right) != flip;
        w.steps.push_back(filled(left > right ? lang_file->working_compare_first : lang_file->working_compare_second,
                                 {text(left), text(right), firstGreater ? over(a, b) : over(c, d)}));
    }
    return w;
}

Working egyptianWorking(std::int64_t a, std::int64_t b) {
    Program16 p;
    p.setSolution("");
    p.calculate(a, b);
    Working w{filled(lang_file->working_egyptian_title, {over(a, b)}), zeroDenominator(a, b), panelLines({p.getSolution()})};
    if (!w.steps.empty()) return w;
    // The calculator's greedy steps: a positive denominator, the whole part
    // rounded down, then the largest unit fraction strictly below the rest
    // until the rest has the numerator 1; it gives up past the panel's width.
    const int sign = b < 0 ? -1 : 1;
    const Fraction reduced = lowestTerms(sign * Integer(a), sign * Integer(b));
    if (reduced.numerator != sign * Integer(a)) w.steps.push_back(over(a, b) + " = " + text(reduced));
    // The whole part rounded down (the denominator is positive here).
    Integer whole = reduced.numerator / reduced.denominator;
    Integer numerator = reduced.numerator % reduced.denominator;
    if (numerator < 0) {
        whole -= 1;
        numerator += reduced.denominator;
    }
    if (numerator == 0) {
        w.steps.push_back(filled(lang_file->working_egyptian_whole, {text(reduced)}));
        return w;
    }
    Fraction rest{numerator, reduced.denominator};
    if (whole != 0) w.steps.push_back(text(reduced) + " = " + text(whole) + " + " + text(rest));
    if (rest.numerator == 1) w.steps.push_back(filled(lang_file->working_egyptian_unit_start, {text(rest)}));
    // The answer's length as the calculator counts it, to stop where it stops.
    std::size_t length = (" " + over(a, b) + " = ").size() + (whole != 0 ? text(whole).size() + 3 : 0);
    do {
        const Integer m = rest.denominator / rest.numerator + 1;
        length += text(m).size() + 5;  // "1/m + "
        if (length > Program16::LONGEST_ANSWER) {
            w.steps.push_back(lang_file->working_egyptian_too_long);
            return w;
        }
        const Fraction next = lowestTerms(rest.numerator * m - rest.denominator, m * rest.denominator);
        w.steps.push_back(filled(lang_file->working_egyptian_take, {text(rest), text(m)}));
        w.steps.push_back(text(rest) + " - 1/" + text(m) + " = " + text(next));
        rest = next;
    } while (rest.numerator != 1);
    if (length + text(rest).size() > Program16::LONGEST_ANSWER) {
        w.steps.push_back(lang_file->working_egyptian_too_long);
        return w;
    }
    w.steps.push_back(filled(lang_file->working_egyptian_last, {text(rest)}));
    return w;
}
