// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include <algorithm>
#include <iterator>

#include "WorkingParts.h"
#include "app/GlobalVariables.h"
#include "app/Exercises.h"

using namespace calc;

namespace {

using Values = std::vector<std::int64_t>;

Values numbers(const TypedInputs& typed) {
    Values values;
    for (const std::string& t : typed) values.push_back(fieldValue(t));
    return values;
}

std::vector<Fraction> decimals(const TypedInputs& typed) {
    std::vector<Fraction> values;
    for (const std::string& t : typed) values.push_back(decimalValue(t));
    return values;
}

// An exercise and its working from the typed texts of its fields. Plots
// read an empty field as 0; the other exercises do not run with one.
struct WorkingRow {
    Exercise exercise;
    std::size_t fields;
    Working (*build)(const TypedInputs& typed);

    bool plot() const { return exerciseRow(exercise).chapter == PLOT_CHAPTER; }
};

using E = Exercise;

constexpr WorkingRow WORKINGS[] = {
    {E::remainder, 2, [](const TypedInputs& t) { auto v = numbers(t); return remainderWorking(v[0], v[1]); }},
    {E::primes, 2, [](const TypedInputs& t) { auto v = numbers(t); return primesWorking(v[0], v[1]); }},
    {E::factors, 1, [](const TypedInputs& t) { return factorsWorking(numbers(t)[0]); }},
    {E::divisibility, 1, [](const TypedInputs& t) { return divisibilityWorking(numbers(t)[0]); }},
    {E::gcd, 2, [](const TypedInputs& t) { auto v = numbers(t); return gcdWorking(v[0], v[1]); }},
    {E::lcm, 2, [](const TypedInputs& t) { auto v = numbers(t); return lcmWorking(v[0], v[1]); }},
    {E::goldbach, 1, [](const TypedInputs& t) { return goldbachWorking(numbers(t)[0]); }},
    {E::operations, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return operationsWorking(v[0], v[1], v[2], v[3]); }},
    {E::reduce, 2, [](const TypedInputs& t) { auto v = numbers(t); return reduceWorking(v[0], v[1]); }},
    {E::operations_reduced, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return reducedOperationsWorking(v[0], v[1], v[2], v[3]); }},
    {E::equality, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return equalityWorking(v[0], v[1], v[2], v[3]); }},
    {E::six_fractions, 12, [](const TypedInputs& t) { return sixFractionsWorking(numbers(t)); }},
    {E::mixed, 2, [](const TypedInputs& t) { auto v = numbers(t); return mixedWorking(v[0], v[1]); }},
    {E::recurring, 1, [](const TypedInputs& t) { return recurringWorking(t[0]); }},
    {E::comparison, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return comparisonWorking(v[0], v[1], v[2], v[3]); }},
    {E::egyptian, 2, [](const TypedInputs& t) { auto v = numbers(t); return egyptianWorking(v[0], v[1]); }},
    {E::lines, 6, [](const TypedInputs& t) { return straightLinesWorking(decimals(t)); }},
    {E::two_points, 4,
     [](const TypedInputs& t) { auto v = decimals(t); return twoPointsWorking(v[0], v[1], v[2], v[3]); }},
    {E::vectors, 6, [](const TypedInputs& t) { return vectorsWorking(decimals(t)); }},
};
static_assert(followsTheList(WORKINGS), "one working per exercise");

}  // namespace

namespace working {

std::string filled(const std::string& pattern, std::initializer_list<std::string> values) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool mark = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
                          pattern[i + 1] >= '1' && std::size_t(pattern[i + 1] - '1') < values.size();
        if (!mark) {
            out += pattern[i];
            continue;
        }
        out += *(values.begin() + (pattern[i + 1] - '1'));
        i += 2;
    }
    return out;
}

}  // namespace working

std::vector<std::string> Working::lines() const {
    std::vector<std::string> all{title};
    all.insert(all.end(), steps.begin(), steps.end());
    all.insert(all.end(), answer.begin(), answer.end());
    return all;
}

std::optional<Working> workingOf(const std::string& exercise, const TypedInputs& typed) {
    const auto row = std::find_if(std::begin(WORKINGS), std::end(WORKINGS),
                                  [&](const WorkingRow& r) { return exercise == requestName(r.exercise); });
    if (row == std::end(WORKINGS) || typed.size() != row->fields) return std::nullopt;
    const bool anyEmpty = std::any_of(typed.begin(), typed.end(), [](const std::string& t) { return t.empty(); });
    if (anyEmpty && !row->plot()) return std::nullopt;
    return row->build(typed);
}

namespace working {

std::string over(const Integer& numerator, const Integer& denominator) {
    return text(numerator) + "/" + text(denominator);
}

std::string valueText(const Fraction& f) {
    Fraction v = lowestTerms(f.numerator, f.denominator);
    if (v.denominator < 0) v = {-v.numerator, -v.denominator};
    return v.denominator == 1 ? text(v.numerator) : text(v);
}

std::string factorText(const Fraction& f) {
    const std::string written = valueText(f);
    const bool plainNumber = written.find_first_of("-/") == std::string::npos;
    return plainNumber ? written : "(" + written + ")";
}

std::vector<std::string> zeroDenominators(std::initializer_list<std::pair<std::int64_t, std::int64_t>> fractions) {
    std::vector<std::string> lines;
    for (const auto& [numerator, denominator] : fractions) {
        if (denominator != 0) continue;
        const std::string line = filled(lang_file->working_zero_denominator, {over(numerator, denominator)});
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> panelLines(std::initializer_list<std::string> lines) {
    std::vector<std::string> shown;
    for (std::string line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty()) shown.push_back(line);
    }
    return shown;
}

const std::string& countedForm(std::int64_t n, const std::string& one, const std::string& few, const std::string& many) {
    if (n == 1) return one;
    const std::int64_t lastDigit = n % 10, lastTwo = n % 100;
    return lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14) ? few : many;
}

std::string reductionLine(const Reduction& r) {
    const Fraction& f = r.fraction;
    const std::string gcd = text(r.euclid.gcd);
    return over(f.numerator, f.denominator) + " = (" + text(f.numerator) + " : " + gcd + ")/(" + text(f.denominator) +
           " : " + gcd + ") = " + text(r.reduced);
}

std::optional<CrossProducts> crossProductSteps(Working& w, std::int64_t a, std::int64_t b, std::int64_t c,
                                               std::int64_t d) {
    w.steps = zeroDenominators({{a, b}, {c, d}});
    if (!w.steps.empty()) return std::nullopt;
    const CrossProducts cross = crossProducts({a, b}, {c, d});
    w.steps = {lang_file->working_cross_products, text(a) + " * " + text(d) + " = " + text(cross.left),
               text(c) + " * " + text(b) + " = " + text(cross.right)};
    return cross;
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace working
