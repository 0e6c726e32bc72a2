// The workings of chapter 2: fractions and rational numbers, part 1.
#include <array>

#include "Program8.h"
#include "Program9.h"
#include "Program10.h"
#include "Program11.h"
#include "Program12.h"
#include "WorkingParts.h"

using namespace calc;
using namespace working;

namespace {

struct OperationResult {
    std::string line;   // the schoolbook step ending with the unreduced result
    Fraction result;    // denominator 0: no result (division by a zero fraction)
};

// The four steps of the cross multiplication over b*d, as the calculator
// does them; the quotient multiplies by the second fraction turned over.
std::array<OperationResult, 4> crossMultiplied(const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
    const std::string x = over(a, b), y = over(c, d);
    const std::string ta = text(a), tb = text(b), tc = text(c), td = text(d);
    const Fraction sum{a * d + c * b, b * d}, difference{a * d - c * b, b * d}, product{a * c, b * d},
        quotient{a * d, b * c};
    std::array<OperationResult, 4> steps{{
        {x + " + " + y + " = (" + ta + " * " + td + " + " + tc + " * " + tb + ")/(" + tb + " * " + td + ") = " + text(sum), sum},
        {x + " - " + y + " = (" + ta + " * " + td + " - " + tc + " * " + tb + ")/(" + tb + " * " + td + ") = " +
             text(difference), difference},
        {x + " * " + y + " = (" + ta + " * " + tc + ")/(" + tb + " * " + td + ") = " + text(product), product},
        {x + " / " + y + " = " + x + " * " + over(d, c) + " = (" + ta + " * " + td + ")/(" + tb + " * " + tc + ") = " +
             text(quotient), quotient},
    }};
    if (c == 0) steps[3] = {filled(lang_file->working_no_reciprocal, {y}), {0, 0}};
    return steps;
}

// The lines of the zero-denominator explanation, one per such fraction.
std::vector<std::string> zeroDenominators(std::initializer_list<std::pair<std::int64_t, std::int64_t>> fractions) {
    std::vector<std::string> lines;
    for (const auto& [numerator, denominator] : fractions)
        if (denominator == 0) lines.push_back(filled(lang_file->working_zero_denominator, {over(numerator, denominator)}));
    return lines;
}

// The reduction of a/b as in exercise 2: Euclid's lines, the GCD, the division.
std::vector<std::string> reductionSteps(const Integer& a, const Integer& b) {
    const Euclid e = euclid(abs(a), abs(b));
    std::vector<std::string> lines = e.lines;
    lines.push_back(filled(lang_file->working_gcd_is, {text(a), text(b), text(e.gcd)}));
    lines.push_back(reductionLine(a, b, e.gcd));
    return lines;
}

template <class Calculator>
Working operations(const std::string& titlePattern, std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                   bool reduce) {
    Calculator p;
    p.setSolution("");
    p.calculate(a, b, c, d);
    Working w{filled(titlePattern, {over(a, b), over(c, d)}), zeroDenominators({{a, b}, {c, d}}),
              panelLines({p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3(), p.getSolutionLine4()})};
    if (!w.steps.empty()) return w;
    const std::array<OperationResult, 4> steps = crossMultiplied(a, b, c, d);
    for (const OperationResult& step : steps) w.steps.push_back(step.line);
    if (!reduce) return w;
    w.steps.push_back(lang_file->working_reduce_each);
    for (const OperationResult& step : steps)
        if (step.result.denominator != 0) append(w.steps, reductionSteps(step.result.numerator, step.result.denominator));
    return w;
}

}  // namespace

Working operationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    return operations<Program8>(lang_file->working_operations_title, a, b, c, d, false);
}

Working reducedOperationsWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    return operations<Program10>(lang_file->working_operations_reduced_title, a, b, c, d, true);
}

Working reduceWorking(std::int64_t a, std::int64_t b) {
    Program9 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_reduce_title, {over(a, b)}), zeroDenominators({{a, b}}), panelLines({p.getSolution()})};
    if (w.steps.empty()) w.steps = reductionSteps(a, b);
    return w;
}

Working equalityWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    Program11 p;
    p.calculate(a, b, c, d);
    Working w{filled(lang_file->working_equality_title, {over(a, b), over(c, d)}), zeroDenominators({{a, b}, {c, d}}),
              panelLines({p.getSolution()})};
    if (!w.steps.empty()) return w;
    const Integer left = Integer(a) * d, right = Integer(b) * c;
    w.steps = {lang_file->working_cross_products, text(a) + " * " + text(d) + " = " + text(left),
               text(b) + " * " + text(c) + " = " + text(right),
               filled(left == right ? lang_file->working_cross_equal : lang_file->working_cross_differ, {text(left), text(right)})};
    return w;
}

Working sixFractionsWorking(const std::vector<std::int64_t>& v) {
    Program12 p;
    p.setSolution("");
    p.calculate(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
    Working w{lang_file->working_six_title, {}, panelLines({p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3()})};
    for (std::size_t k = 0; k < 6; ++k) {
        const Integer a = v[2 * k], b = v[2 * k + 1];
        const std::string number = std::to_string(k + 1);
        if (b == 0) {
            w.steps.push_back(number + ") " + filled(lang_file->working_zero_denominator, {over(a, b)}));
            continue;
        }
        const Integer divisor = gcd(a, b);
        w.steps.push_back(
            filled(lang_file->working_six_line, {number, text(a), text(b), text(divisor), text(lowestTerms(a, b))}));
    }
    return w;
}
