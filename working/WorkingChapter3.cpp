// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings of chapter 3: fractions and rational numbers, part 2.
#include "WorkingParts.h"
#include "calc/Program13.h"
#include "calc/Program14.h"
#include "calc/Program15.h"
#include "calc/Program16.h"

using namespace calc;
using namespace working;

namespace {

// Past this many digits a denominator is no longer shown whole on the
// working screen's row, even in its small print.
constexpr std::size_t LONGEST_WORKING_DENOMINATOR = 160;

// "100000x" (the factor 1 is left out: "x").
std::string timesX(const Integer& factor) { return factor == 1 ? "x" : text(factor) + "x"; }

}  // namespace

Working mixedWorking(std::int64_t a, std::int64_t b) {
    Program13 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_mixed_title, {over(a, b)}), zeroDenominators({{a, b}}), panelLines({p.getSolution()})};
    if (!w.steps.empty()) return w;
    // The size of the fraction; the sign stands in front.
    const Division<Integer> d = mixedNumber(a, b).sizes;
    const std::string fraction = over(d.dividend, d.divisor);
    w.steps = {filled(lang_file->working_remainder_divide,
                      {text(d.dividend), text(d.divisor), text(d.quotient), text(d.remainder)})};
    if (d.remainder == 0)
        w.steps.push_back(fraction + " = " + text(d.quotient));
    else if (d.quotient == 0)
        w.steps.push_back(filled(lang_file->working_mixed_proper, {fraction}));
    else
        w.steps.push_back(fraction + " = " + text(d.quotient) + " + " + over(d.remainder, d.divisor));
    return w;
}

Working recurringWorking(const std::string& typed) {
    Program14 p;
    p.calculate(typed);
    Working w{filled(lang_file->working_recurring_title, {typed}), {}, panelLines({p.getSolution()})};
    const std::optional<RecurringDecimal> parts = parseRecurringDecimal(typed);
    if (!parts) {
        w.steps = {lang_file->working_recurring_shape};
        return w;
    }
    const RecurringValue v = recurringValue(*parts);
    const std::string period = ".[" + parts->period + "]";
    w.steps = {"x = " + text(parts->whole.empty() ? Integer(0) : fromDecimal(parts->whole)) + "." +
               parts->before_period + "[" + parts->period + "]"};
    if (!parts->before_period.empty()) w.steps.push_back(timesX(v.shift_to_period) + " = " + text(v.up_to_period) + period);
    w.steps.push_back(timesX(v.shift_past_period) + " = " + text(v.through_period) + period);
    w.steps.push_back(lang_file->working_recurring_subtract);
    w.steps.push_back(timesX(v.factor) + " = " + text(v.numerator));
    const std::string found = "x = " + over(v.numerator, v.factor);
    if (v.value.euclid.gcd == 1) {
        w.steps.push_back(filled(lang_file->working_lowest_terms, {text(v.numerator), text(v.factor)}));
        w.steps.push_back(found);
        return w;
    }
    w.steps.push_back(filled(lang_file->working_gcd_is, {text(v.numerator), text(v.factor), text(v.value.euclid.gcd)}));
    w.steps.push_back(found + " = " + text(v.value.reduced));
    return w;
}

Working comparisonWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    Program15 p;
    p.calculate(a, b, c, d);
    Working w{filled(lang_file->working_compare_title, {over(a, b), over(c, d)}), {}, panelLines({p.getSolution()})};
    const std::optional<CrossProducts> cross = crossProductSteps(w, a, b, c, d);
    if (!cross) return w;
    const std::string left = text(cross->left), right = text(cross->right);
    if (cross->order == 0) {
        w.steps.push_back(filled(lang_file->working_cross_equal, {left, right}));
    } else {
        // The products compare the fractions when both denominators have the same sign.
        w.steps.push_back(filled(cross->left > cross->right ? lang_file->working_compare_first : lang_file->working_compare_second,
                                 {left, right, cross->order > 0 ? over(a, b) : over(c, d)}));
    }
    return w;
}

Working egyptianWorking(std::int64_t a, std::int64_t b) {
    Program16 p;
    p.setSolution("");
    p.calculate(a, b);
    Working w{filled(lang_file->working_egyptian_title, {over(a, b)}), zeroDenominators({{a, b}}), panelLines({p.getSolution()})};
    if (!w.steps.empty()) return w;
    const EgyptianExpansion e = egyptianExpansion(a, b, LONGEST_WORKING_DENOMINATOR);
    const Integer sign = b < 0 ? -1 : 1;
    if (e.reduced.numerator != sign * a) w.steps.push_back(over(a, b) + " = " + text(e.reduced));
    if (e.proper.numerator == 0) {
        w.steps.push_back(filled(lang_file->working_egyptian_whole, {text(e.reduced)}));
        return w;
    }
    if (e.whole != 0) w.steps.push_back(text(e.reduced) + " = " + text(e.whole) + " + " + text(e.proper));
    if (e.proper.numerator == 1) w.steps.push_back(filled(lang_file->working_egyptian_unit_start, {text(e.proper)}));
    for (const GreedyStep& step : e.steps) {
        w.steps.push_back(filled(lang_file->working_egyptian_take, {text(step.rest), text(step.unit)}));
        w.steps.push_back(text(step.rest) + " - 1/" + text(step.unit) + " = " + text(step.next));
    }
    if (!e.complete) {
        w.steps.push_back(filled(lang_file->working_egyptian_stop, {text(std::int64_t(LONGEST_WORKING_DENOMINATOR))}));
        return w;
    }
    w.steps.push_back(filled(lang_file->working_egyptian_last, {text(e.last())}));
    // The panel may be too narrow for the sum; the working shows it whole.
    w.answer = {egyptianSum(a, b, e)};
    return w;
}
