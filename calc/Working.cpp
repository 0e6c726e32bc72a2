#include "Working.h"

#include <algorithm>
#include <iterator>

#include "WorkingParts.h"
#include "app/GlobalVariables.h"

namespace {

const WorkingTexts ENGLISH{
#define CALCORA_WORKING_ENGLISH(member, english, polish) english,
    CALCORA_WORKING_TEXTS(CALCORA_WORKING_ENGLISH)
#undef CALCORA_WORKING_ENGLISH
};

const WorkingTexts POLISH{
#define CALCORA_WORKING_POLISH(member, english, polish) polish,
    CALCORA_WORKING_TEXTS(CALCORA_WORKING_POLISH)
#undef CALCORA_WORKING_POLISH
};

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

struct WorkingRow {
    const char* exercise;
    std::size_t fields;
    bool plot;  // plots read empty fields as 0; exercises do not run with one
    Working (*build)(const TypedInputs& typed);
};

const WorkingRow WORKINGS[] = {
    {"part1_program1", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return remainderWorking(v[0], v[1]); }},
    {"part1_program2", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return primesWorking(v[0], v[1]); }},
    {"part1_program3", 1, false, [](const TypedInputs& t) { return factorsWorking(numbers(t)[0]); }},
    {"part1_program4", 1, false, [](const TypedInputs& t) { return divisibilityWorking(numbers(t)[0]); }},
    {"part1_program5", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return gcdWorking(v[0], v[1]); }},
    {"part1_program6", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return lcmWorking(v[0], v[1]); }},
    {"part1_program7", 1, false, [](const TypedInputs& t) { return goldbachWorking(numbers(t)[0]); }},
    {"part2_program1", 4, false,
     [](const TypedInputs& t) { auto v = numbers(t); return operationsWorking(v[0], v[1], v[2], v[3]); }},
    {"part2_program2", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return reduceWorking(v[0], v[1]); }},
    {"part2_program3", 4, false,
     [](const TypedInputs& t) { auto v = numbers(t); return reducedOperationsWorking(v[0], v[1], v[2], v[3]); }},
    {"part2_program4", 4, false,
     [](const TypedInputs& t) { auto v = numbers(t); return equalityWorking(v[0], v[1], v[2], v[3]); }},
    {"part2_program5", 12, false, [](const TypedInputs& t) { return sixFractionsWorking(numbers(t)); }},
    {"part3_program1", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return mixedWorking(v[0], v[1]); }},
    {"part3_program2", 1, false, [](const TypedInputs& t) { return recurringWorking(t[0]); }},
    {"part3_program3", 4, false,
     [](const TypedInputs& t) { auto v = numbers(t); return comparisonWorking(v[0], v[1], v[2], v[3]); }},
    {"part3_program4", 2, false, [](const TypedInputs& t) { auto v = numbers(t); return egyptianWorking(v[0], v[1]); }},
    {"part4 program1", 6, true, [](const TypedInputs& t) { return straightLinesWorking(decimals(t)); }},
    {"part4 program2", 4, true,
     [](const TypedInputs& t) { auto v = decimals(t); return twoPointsWorking(v[0], v[1], v[2], v[3]); }},
    {"part4 program3", 6, true, [](const TypedInputs& t) { return vectorsWorking(decimals(t)); }},
};

}  // namespace

const WorkingTexts& workingTexts() { return language == "Polish" ? POLISH : ENGLISH; }

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

std::vector<std::string> Working::lines() const {
    std::vector<std::string> all{title};
    all.insert(all.end(), steps.begin(), steps.end());
    all.insert(all.end(), answer.begin(), answer.end());
    return all;
}

std::optional<Working> workingOf(const std::string& exercise, const TypedInputs& typed) {
    const auto row = std::find_if(std::begin(WORKINGS), std::end(WORKINGS),
                                  [&](const WorkingRow& r) { return exercise == r.exercise; });
    if (row == std::end(WORKINGS) || typed.size() != row->fields) return std::nullopt;
    const bool anyEmpty = std::any_of(typed.begin(), typed.end(), [](const std::string& t) { return t.empty(); });
    if (anyEmpty && !row->plot) return std::nullopt;
    return row->build(typed);
}

Fraction decimalValue(const std::string& typed) {
    std::size_t at = typed.size() > 0 && typed[0] == '-' ? 1 : 0;
    const bool negative = at == 1;
    Integer numerator = 0, denominator = 1;
    bool anyDigit = false, point = false;
    for (; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        numerator = numerator * 10 + (c - '0');
        if (point) denominator *= 10;
        anyDigit = true;
    }
    if (!anyDigit) return {0, 1};
    return lowestTerms(negative ? Integer(-numerator) : numerator, denominator);
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

std::vector<std::string> panelLines(std::initializer_list<std::string> lines) {
    std::vector<std::string> shown;
    for (std::string line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty()) shown.push_back(line);
    }
    return shown;
}

Euclid euclid(const Integer& a, const Integer& b) {
    Integer larger = a >= b ? a : b, smaller = a >= b ? b : a;
    if (larger == 0) return {{say().working_gcd_both_zero}, 0};
    if (smaller == 0) return {{filled(say().working_gcd_zero, {text(larger)})}, larger};
    Euclid e{{say().working_euclid}, 0};
    while (smaller != 0) {
        const Integer quotient = larger / smaller, rest = larger % smaller;
        e.lines.push_back(text(larger) + " = " + text(quotient) + " * " + text(smaller) + " + " + text(rest));
        larger = smaller;
        smaller = rest;
    }
    e.gcd = larger;
    return e;
}

std::string reductionLine(const Integer& numerator, const Integer& denominator, const Integer& gcd) {
    const Fraction reduced = lowestTerms(numerator, denominator);
    return over(numerator, denominator) + " = (" + text(numerator) + " : " + text(gcd) + ")/(" + text(denominator) +
           " : " + text(gcd) + ") = " + text(reduced);
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace working
