// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings of chapter 2: fractions and rational numbers, part 1.
#include <array>

#include "WorkingParts.h"
#include "calc/Program10.h"
#include "calc/Program11.h"
#include "calc/Program12.h"
#include "calc/Program8.h"
#include "calc/Program9.h"

using namespace calc;
using namespace working;

namespace {

// The schoolbook line of one operation, ending with its unreduced result.
std::string operationLine(const OperationResult& o, const Fraction& x, const Fraction& y) {
    const std::string first = over(x.numerator, x.denominator), second = over(y.numerator, y.denominator);
    const std::string a = text(x.numerator), b = text(x.denominator), c = text(y.numerator), d = text(y.denominator);
    const std::string result = text(o.result);
    switch (o.operation) {
    case Operation::sum:
        return first + " + " + second + " = (" + a + " * " + d + " + " + c + " * " + b + ")/(" + b + " * " + d + ") = " + result;
    case Operation::difference:
        return first + " - " + second + " = (" + a + " * " + d + " - " + c + " * " + b + ")/(" + b + " * " + d + ") = " + result;
    case Operation::product: return first + " * " + second + " = (" + a + " * " + c + ")/(" + b + " * " + d + ") = " + result;
    case Operation::quotient:
        if (o.result.denominator == 0) return filled(lang_file->working_no_reciprocal, {second});
        return first + " / " + second + " = " + first + " * " + over(y.denominator, y.numerator) + " = (" + a + " * " + d +
               ")/(" + b + " * " + c + ") = " + result;
    }
    return {};
}

// The reduction of a/b as in exercise 2: Euclid's lines, the GCD and the
// division, or that a/b is already in lowest terms. Euclid's heading is said
// once: `euclidNamed` tells whether an earlier line said it, and is set once
// these lines have.
std::vector<std::string> reductionSteps(const Integer& a, const Integer& b, bool& euclidNamed) {
    const Reduction r = reduction(a, b);
    std::vector<std::string> lines = euclidLines(a, b, r.euclid, !euclidNamed);
    euclidNamed = euclidNamed || !r.euclid.divisions.empty();
    if (r.euclid.gcd == 1) {
        lines.push_back(filled(lang_file->working_lowest_terms, {text(a), text(b)}));
        return lines;
    }
    if (!r.euclid.divisions.empty()) lines.push_back(filled(lang_file->working_gcd_is, {text(a), text(b), text(r.euclid.gcd)}));
    lines.push_back(reductionLine(r));
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
    const Fraction x{a, b}, y{c, d};
    const std::array<OperationResult, 4> results = fourOperations(x, y);
    for (const OperationResult& o : results) w.steps.push_back(operationLine(o, x, y));
    if (!reduce) return w;
    w.steps.push_back(lang_file->working_reduce_each);
    bool euclidNamed = false;
    for (const OperationResult& o : results)
        if (o.result.denominator != 0) append(w.steps, reductionSteps(o.result.numerator, o.result.denominator, euclidNamed));
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
    bool euclidNamed = false;
    if (w.steps.empty()) w.steps = reductionSteps(a, b, euclidNamed);
    return w;
}

Working equalityWorking(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    Program11 p;
    p.calculate(a, b, c, d);
    Working w{filled(lang_file->working_equality_title, {over(a, b), over(c, d)}), {}, panelLines({p.getSolution()})};
    const std::optional<CrossProducts> cross = crossProductSteps(w, a, b, c, d);
    if (!cross) return w;
    w.steps.push_back(filled(cross->order == 0 ? lang_file->working_cross_equal : lang_file->working_cross_differ,
                             {text(cross->left), text(cross->right)}));
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
        const Reduction r = reduction(a, b);
        if (r.euclid.gcd == 1)
            w.steps.push_back(filled(lang_file->working_six_lowest, {number, text(a), text(b)}));
        else
            w.steps.push_back(
                filled(lang_file->working_six_line, {number, text(a), text(b), text(r.euclid.gcd), text(r.reduced)}));
    }
    return w;
}
