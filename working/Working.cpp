// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include <algorithm>
#include <iterator>

#include "WorkingParts.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"

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

// A chapter's exercise, or a plot screen (exercise 0), and its working from
// the typed texts of its fields. Plots read an empty field as 0; exercises
// do not run with one.
struct WorkingRow {
    Screen screen;
    int exercise;
    std::size_t fields;
    Working (*build)(const TypedInputs& typed);

    bool plot() const { return exercise == 0; }
    std::string name() const { return plot() ? screenName(screen) : requestName(*chapterOn(screen), exercise); }
};

using S = Screen;

const WorkingRow WORKINGS[] = {
    {S::part1, 1, 2, [](const TypedInputs& t) { auto v = numbers(t); return remainderWorking(v[0], v[1]); }},
    {S::part1, 2, 2, [](const TypedInputs& t) { auto v = numbers(t); return primesWorking(v[0], v[1]); }},
    {S::part1, 3, 1, [](const TypedInputs& t) { return factorsWorking(numbers(t)[0]); }},
    {S::part1, 4, 1, [](const TypedInputs& t) { return divisibilityWorking(numbers(t)[0]); }},
    {S::part1, 5, 2, [](const TypedInputs& t) { auto v = numbers(t); return gcdWorking(v[0], v[1]); }},
    {S::part1, 6, 2, [](const TypedInputs& t) { auto v = numbers(t); return lcmWorking(v[0], v[1]); }},
    {S::part1, 7, 1, [](const TypedInputs& t) { return goldbachWorking(numbers(t)[0]); }},
    {S::part2, 1, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return operationsWorking(v[0], v[1], v[2], v[3]); }},
    {S::part2, 2, 2, [](const TypedInputs& t) { auto v = numbers(t); return reduceWorking(v[0], v[1]); }},
    {S::part2, 3, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return reducedOperationsWorking(v[0], v[1], v[2], v[3]); }},
    {S::part2, 4, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return equalityWorking(v[0], v[1], v[2], v[3]); }},
    {S::part2, 5, 12, [](const TypedInputs& t) { return sixFractionsWorking(numbers(t)); }},
    {S::part3, 1, 2, [](const TypedInputs& t) { auto v = numbers(t); return mixedWorking(v[0], v[1]); }},
    {S::part3, 2, 1, [](const TypedInputs& t) { return recurringWorking(t[0]); }},
    {S::part3, 3, 4,
     [](const TypedInputs& t) { auto v = numbers(t); return comparisonWorking(v[0], v[1], v[2], v[3]); }},
    {S::part3, 4, 2, [](const TypedInputs& t) { auto v = numbers(t); return egyptianWorking(v[0], v[1]); }},
    {S::part4_program1, 0, 6, [](const TypedInputs& t) { return straightLinesWorking(decimals(t)); }},
    {S::part4_program2, 0, 4,
     [](const TypedInputs& t) { auto v = decimals(t); return twoPointsWorking(v[0], v[1], v[2], v[3]); }},
    {S::part4_program3, 0, 6, [](const TypedInputs& t) { return vectorsWorking(decimals(t)); }},
};

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
                                  [&](const WorkingRow& r) { return exercise == r.name(); });
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

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace working
