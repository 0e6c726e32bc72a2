// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice forms of chapters 2 and 3: fractions and rational numbers.
#include "PracticeParts.h"
#include "calc/FractionSteps.h"

using namespace calc;

namespace practice {

namespace {

const Language& words() { return *lang_file; }

// Fraction k (0, 1, ...) of the problem's inputs, as typed.
Fraction given(const Problem& p, std::size_t k) {
    return {fieldValue(p.inputs[2 * k]), fieldValue(p.inputs[2 * k + 1])};
}
std::string givenText(const Problem& p, std::size_t k) { return p.inputs[2 * k] + "/" + p.inputs[2 * k + 1]; }

void setFractions(Problem& p, std::initializer_list<Fraction> fractions) {
    p.inputs.clear();
    for (const Fraction& f : fractions) {
        p.inputs.push_back(text(f.numerator));
        p.inputs.push_back(text(f.denominator));
    }
}

const NumberRules ANY_FORM{false, false, &Language::practice_expect_fraction};
const NumberRules LOWEST_TERMS{true, false, &Language::practice_expect_fraction};

// How large the fractions to reduce are: numerators up to `top`,
// denominators up to `bottom`, multiplied by a common factor up to `factor`.
struct Sizes {
    std::int64_t top, bottom, factor;
};
Sizes reducing(int level) {
    if (level == 1) return {9, 9, 5};
    if (level == 2) return {30, 20, 12};
    return {999, 999, 9999};
}

// A fraction that reduces by a common factor, or (once in `plainOdds`) is in
// lowest terms already.
Fraction reducible(Draw& d, const Sizes& s, int plainOdds = 0) {
    const Fraction lowest = lowestTerms(d.between(1, s.top), d.between(2, s.bottom));
    const std::int64_t g = plainOdds && d.oneIn(plainOdds) ? 1 : d.between(2, s.factor);
    return {lowest.numerator * g, lowest.denominator * g};
}

// One of the four operations.

const char* const OPERATOR_SIGNS[] = {"+", "-", "*", ":"};

void drawOperation(Problem& p, Draw& d) {
    std::int64_t top = 5, bottom = 6;
    if (p.level == 2) top = 15, bottom = 12;
    if (p.level >= 3) top = 99, bottom = 60;
    setFractions(p, {{d.between(1, top), d.between(2, bottom)}, {d.between(1, top), d.between(2, bottom)}});
    p.extra = {d.between(0, 3)};
}

Operation operationOf(const Problem& p) { return static_cast<Operation>(p.extra[0]); }
Fraction resultOf(const Problem& p) { return unreduced(operationOf(p), given(p, 0), given(p, 1)); }

// The value a typed answer gets when both numerators and both denominators
// are added (or subtracted) across, or when the quotient is taken without
// turning the second fraction over: the mistake it shows, if any.
Mistake operationMistake(const Problem& p, const Fraction& typed) {
    const Fraction x = given(p, 0), y = given(p, 1);
    const Operation op = operationOf(p);
    if (op == Operation::sum || op == Operation::difference) {
        const bool sum = op == Operation::sum;
        const Integer n = sum ? x.numerator + y.numerator : x.numerator - y.numerator;
        const Integer m = sum ? x.denominator + y.denominator : x.denominator - y.denominator;
        if (m != 0 && compare(typed, {n, m}) == 0) return Mistake::added_across;
    }
    if (op == Operation::quotient && compare(typed, times(x, y)) == 0) return Mistake::not_turned_over;
    return Mistake::none;
}

Verdict checkOperation(const Problem& p, const std::string& typed, const NumberRules& rules) {
    Judgement j = judgeNumber(typed, resultOf(p), rules);
    if (j.kind == VerdictKind::wrong) {
        j.mistake = operationMistake(p, *typedValue(typed));
        if (j.mistake == Mistake::added_across) j.why = words().practice_added_across;
        if (j.mistake == Mistake::not_turned_over) j.why = words().practice_not_turned_over;
    }
    return verdictOf(j);
}

std::string operationText(const Problem& p) {
    return givenText(p, 0) + " " + OPERATOR_SIGNS[p.extra[0]] + " " + givenText(p, 1);
}

// The working's line of the operation asked: "1/2 + 1/3 = (1 * 3 + 1 * 2)/(2 * 3) = 5/6".
std::string operationLine(const Problem& p, const Working& w) {
    const std::size_t line = static_cast<std::size_t>(p.extra[0]);
    return line < w.steps.size() ? w.steps[line] : "";
}

// Reduce a fraction; six of them.

void drawReduce(Problem& p, Draw& d) {
    Fraction f = reducible(d, reducing(p.level));
    if (p.level >= 3 && d.oneIn(4)) f = {f.denominator * d.between(2, 9), f.denominator};  // a whole number
    setFractions(p, {f});
    p.answer = {valueText(f)};
}

void drawSix(Problem& p, Draw& d) {
    p.inputs.clear();
    for (int k = 0; k < 6; ++k) {
        // Six at a time: the third level's are smaller than a single one's.
        const Fraction f = reducible(d, p.level >= 3 ? Sizes{99, 99, 99} : reducing(p.level), 4);
        p.inputs.push_back(text(f.numerator));
        p.inputs.push_back(text(f.denominator));
        p.answer.push_back(valueText(f));
    }
}

std::string sixText(const Problem& p) {
    std::string listed;
    for (std::size_t k = 0; k < 6; ++k) listed += (k ? ", " : "") + givenText(p, k);
    return listed;
}

std::vector<AnswerField> sixFields(const Problem&) {
    std::vector<AnswerField> fields;
    for (int k = 1; k <= 6; ++k) fields.push_back(fractionField(filled(words().practice_fraction, {std::to_string(k)}) + ":"));
    return fields;
}

// The first field whose judgement is of the gravest kind found.
Verdict checkSix(const Problem& p, const std::vector<std::string>& typed) {
    const VerdictKind gravest[] = {VerdictKind::unreadable, VerdictKind::wrong, VerdictKind::form};
    std::vector<Judgement> judged;
    for (std::size_t k = 0; k < 6; ++k) {
        const Fraction f = given(p, k);
        judged.push_back(judgeNumber(typed[k], lowestTerms(f.numerator, f.denominator), LOWEST_TERMS));
    }
    for (VerdictKind kind : gravest)
        for (std::size_t k = 0; k < 6; ++k) {
            if (judged[k].kind != kind) continue;
            Judgement j = judged[k];
            const std::string which = filled(words().practice_fraction, {std::to_string(k + 1)});
            j.why = j.why.empty() ? which : which + ": " + j.why;
            return verdictOf(j);
        }
    return correct();
}

// Equality of two fractions; comparison of two fractions.

// A second fraction beside `x`: equal to it, or just off (the numerator one
// more or one less, over the same denominator).
Fraction besides(Draw& d, const Fraction& x, std::int64_t scale, bool equal) {
    const std::int64_t k = d.between(2, scale);
    Integer n = x.numerator * k;
    if (!equal) n += n > 1 && d.oneIn(2) ? -1 : 1;
    return {n, x.denominator * k};
}

void drawPairOfFractions(Problem& p, Draw& d) {
    std::int64_t top = 5, bottom = 6, scale = 4;
    if (p.level == 2) top = 15, bottom = 12, scale = 9;
    if (p.level >= 3) top = 99, bottom = 99, scale = 99;
    const Fraction x{d.between(1, top), d.between(2, bottom)};
    const bool equal = d.oneIn(p.level >= 3 ? 4 : 2);
    const Fraction y = !equal && p.level == 1 && d.oneIn(2) ? Fraction{d.between(1, top), d.between(2, bottom)}
                                                            : besides(d, x, scale, equal);
    if (d.oneIn(2)) setFractions(p, {x, y});
    else setFractions(p, {y, x});
}

int orderOf(const Problem& p) { return crossProducts(given(p, 0), given(p, 1)).order; }

void drawEquality(Problem& p, Draw& d) {
    drawPairOfFractions(p, d);
    p.answer = {yesNo(orderOf(p) == 0)};
}

const char* orderSign(int order) { return order < 0 ? "<" : order > 0 ? ">" : "="; }

void drawComparison(Problem& p, Draw& d) {
    drawPairOfFractions(p, d);
    p.answer = {orderSign(orderOf(p))};
}

Verdict checkComparison(const Problem& p, const std::vector<std::string>& typed) {
    if (typed[0] != "<" && typed[0] != ">" && typed[0] != "=") return cannotRead(words().practice_expect_comparison);
    return typed[0] == orderSign(orderOf(p)) ? correct() : notQuite();
}

// Mixed numbers.

void drawMixed(Problem& p, Draw& d) {
    std::int64_t b = d.between(2, 9), wholes = 5;
    if (p.level == 2) b = d.between(2, 20), wholes = 12;
    if (p.level >= 3) b = d.between(11, 999), wholes = 99;
    const std::int64_t a = p.level >= 3 && d.oneIn(4) ? b * d.between(2, wholes) : d.between(b + 1, wholes * b);
    setFractions(p, {{a, b}});
    const Division<Integer> parts = mixedNumber(a, b).sizes;
    const bool rest = parts.remainder != 0;
    p.answer = {text(parts.quotient), rest ? text(parts.remainder) : "", rest ? text(b) : ""};
}

Verdict checkMixed(const Problem& p, const std::vector<std::string>& typed) {
    const Verdict unreadable = cannotRead(words().practice_expect_mixed);
    if (typed[0].empty() && typed[1].empty() && typed[2].empty()) return unreadable;
    const std::optional<Integer> whole = typed[0].empty() ? Integer(0) : readWhole(typed[0]);
    const bool noRest = typed[1].empty() && typed[2].empty();
    const std::optional<Integer> numerator = noRest ? Integer(0) : readWhole(typed[1]);
    const std::optional<Integer> denominator = noRest ? Integer(1) : readWhole(typed[2]);
    if (!whole || !numerator || !denominator) return unreadable;
    if (*denominator == 0) return cannotRead(words().practice_zero_denominator);
    const Fraction value = plus({*whole, 1}, {*numerator, *denominator});
    if (compare(value, given(p, 0)) != 0) return notQuite();
    if (*numerator >= *denominator)
        return rightValueWrongForm(Mistake::none, filled(words().practice_not_proper, {over(*numerator, *denominator)}));
    return correct();
}

// Recurring decimals.

std::string someDigits(Draw& d, std::int64_t count) {
    std::string digits;
    for (std::int64_t i = 0; i < count; ++i) digits += char('0' + d.between(0, 9));
    return digits;
}

void drawRecurring(Problem& p, Draw& d) {
    std::string whole = "0", before, period;
    switch (p.level) {
    case 1: before = someDigits(d, d.between(0, 1)), period = someDigits(d, 1); break;
    case 2: before = someDigits(d, d.between(0, 2)), period = someDigits(d, before.size() == 2 ? 1 : 2); break;
    default:
        if (d.oneIn(5)) {  // nines without end: a terminating decimal in disguise
            before = someDigits(d, d.between(0, 1)), period = "9";
            break;
        }
        whole = text(d.between(1, 99)), before = someDigits(d, d.between(0, 2)), period = someDigits(d, d.between(1, 3));
    }
    // A period of zeros only ends the decimal; one of nines only belongs to the tricky ones.
    if (period.find_first_not_of('0') == std::string::npos) period.back() = '7';
    if (p.level < 3 && period.find_first_not_of('9') == std::string::npos) period.back() = '4';
    p.inputs = {whole + "." + before + "[" + period + "]"};
    p.answer = {valueText(recurringValue(*parseRecurringDecimal(p.inputs[0])).value.reduced)};
}

Fraction recurringTruth(const Problem& p) { return recurringValue(*parseRecurringDecimal(p.inputs[0])).value.reduced; }

// Egyptian fractions.

constexpr std::size_t LONGEST_UNIT = 12;    // digits of a greedy denominator worth asking for
constexpr std::size_t LONGEST_UNITS = 80;   // characters of the answer field

// The greedy terms of a/b, joined by "+": "1/2+1/4".
std::string greedyTerms(const EgyptianExpansion& e) {
    std::string terms;
    for (const GreedyStep& step : e.steps) terms += "1/" + text(step.unit) + "+";
    return terms + text(e.last());
}

// How hard an expansion may be at a level: its terms and its largest denominator.
struct Expansion {
    std::int64_t lowest, highest;  // denominators of the fraction asked
    std::size_t terms;
    std::int64_t largestUnit;
};
Expansion expanding(int level) {
    if (level == 1) return {3, 10, 2, 100};
    if (level == 2) return {5, 20, 3, 1000};
    return {11, 120, 9, 999999999999};
}

void drawEgyptian(Problem& p, Draw& d) {
    const Expansion limits = expanding(p.level);
    for (;;) {
        const std::int64_t b = d.between(limits.lowest, limits.highest);
        const Fraction f = lowestTerms(d.between(2, b - 1), b);
        if (f.numerator == 1) continue;
        const EgyptianExpansion e = egyptianExpansion(f.numerator, f.denominator, LONGEST_UNIT);
        const std::string terms = greedyTerms(e);
        const bool fits = e.complete && e.steps.size() < limits.terms && e.last().denominator <= limits.largestUnit &&
                          terms.size() <= LONGEST_UNITS;
        if (!fits) continue;
        setFractions(p, {f});
        p.answer = {terms};
        return;
    }
}

Verdict checkEgyptian(const Problem& p, const std::vector<std::string>& typed) {
    const Verdict unreadable = cannotRead(words().practice_expect_units);
    const std::optional<std::vector<std::string>> terms = readTerms(typed[0], '+');
    if (!terms) return unreadable;
    std::vector<std::pair<std::string, Written>> read;
    Fraction sum{0, 1};
    for (const std::string& term : *terms) {
        const std::optional<Written> w = readNumber(term);
        if (!w || w->shape == Written::Shape::decimal) return unreadable;
        if (w->denominator == 0) return cannotRead(words().practice_zero_denominator);
        sum = plus(sum, w->value());
        read.push_back({term, *w});
    }
    const Fraction f = given(p, 0);
    if (compare(sum, f) != 0)
        return notQuite(Mistake::units_sum_wrong, filled(words().practice_units_sum_wrong, {valueText(sum), givenText(p, 0)}));
    for (std::size_t i = 0; i < read.size(); ++i)
        for (std::size_t j = i + 1; j < read.size(); ++j)
            if (compare(read[i].second.value(), read[j].second.value()) == 0)
                return notQuite(Mistake::unit_repeated, filled(words().practice_unit_repeated, {read[i].first}));
    for (const auto& [term, w] : read)
        if (w.numerator != 1 || w.denominator < 1)
            return rightValueWrongForm(Mistake::none, filled(words().practice_not_unit, {term}));
    return correct();
}

std::vector<AnswerField> oneFraction(const Problem&) { return {fractionField(words().practice_label_answer)}; }
std::vector<AnswerField> oneAnswer(const Problem&) { return {yesNoField()}; }

std::string askAbout(const std::string Language::*pattern, const Problem& p) {
    return filled(words().*pattern, {givenText(p, 0), p.inputs.size() > 2 ? givenText(p, 1) : ""});
}

}  // namespace

const Form OPERATIONS{
    Exercise::operations, "operations", &Language::practice_name_operations, "part2_program1",
    [](Problem& p, Draw& d) {
        drawOperation(p, d);
        p.answer = {text(resultOf(p))};
    },
    [](const Problem& p) { return filled(words().practice_ask_operations, {operationText(p)}); }, oneFraction,
    [](const Problem& p, const std::vector<std::string>& typed) { return checkOperation(p, typed[0], ANY_FORM); },
    &Language::practice_method_operations,
    // The operation's line up to its result.
    [](const Problem& p, const Working& w) {
        const std::string line = operationLine(p, w);
        return std::vector<std::string>{line.substr(0, line.rfind(" = "))};
    }};

const Form REDUCE{
    Exercise::reduce, "reduce", &Language::practice_name_reduce, "part2_program2", drawReduce,
    [](const Problem& p) { return askAbout(&Language::practice_ask_reduce, p); }, oneFraction,
    [](const Problem& p, const std::vector<std::string>& typed) {
        const Fraction f = given(p, 0);
        return checkNumber(typed[0], lowestTerms(f.numerator, f.denominator), LOWEST_TERMS);
    },
    &Language::practice_method_reduce,
    // Euclid's divisions, without the GCD and the division by it.
    [](const Problem&, const Working& w) { return allButLast(w, 2); }};

const Form OPERATIONS_REDUCED{
    Exercise::operations_reduced, "operations_reduced", &Language::practice_name_operations_reduced, "part2_program3",
    [](Problem& p, Draw& d) {
        drawOperation(p, d);
        const Fraction r = resultOf(p);
        p.answer = {valueText(lowestTerms(r.numerator, r.denominator))};
    },
    [](const Problem& p) { return filled(words().practice_ask_operations_reduced, {operationText(p)}); }, oneFraction,
    [](const Problem& p, const std::vector<std::string>& typed) { return checkOperation(p, typed[0], LOWEST_TERMS); },
    &Language::practice_method_operations,
    // The operation's line with its result, not yet reduced.
    [](const Problem& p, const Working& w) { return std::vector<std::string>{operationLine(p, w)}; }};

const Form EQUALITY{
    Exercise::equality, "equality", &Language::practice_name_equality, "part2_program4", drawEquality,
    [](const Problem& p) { return askAbout(&Language::practice_ask_equality, p); }, oneAnswer,
    [](const Problem& p, const std::vector<std::string>& typed) { return checkYesNo(typed[0], orderOf(p) == 0); },
    &Language::practice_method_equality,
    // The cross products, without the conclusion.
    [](const Problem&, const Working& w) { return allButLast(w, 1); }};

const Form SIX_FRACTIONS{
    Exercise::six_fractions, "six_fractions", &Language::practice_name_six_fractions, "part2_program5", drawSix,
    [](const Problem& p) { return filled(words().practice_ask_six_fractions, {sixText(p)}); }, sixFields, checkSix,
    &Language::practice_method_reduce,
    // The first fraction's reduction.
    [](const Problem&, const Working& w) { return leadingSteps(w, 1); }};

const Form MIXED{
    Exercise::mixed, "mixed", &Language::practice_name_mixed, "part3_program1", drawMixed,
    [](const Problem& p) { return askAbout(&Language::practice_ask_mixed, p); },
    [](const Problem&) {
        return std::vector<AnswerField>{wholeField(words().practice_label_whole), wholeField(words().part2_program1_line2),
                                        wholeField(words().part2_program1_line3)};
    },
    checkMixed, &Language::practice_method_mixed,
    // The division with remainder.
    [](const Problem&, const Working& w) { return leadingSteps(w, 1); }};

const Form RECURRING{
    Exercise::recurring, "recurring", &Language::practice_name_recurring, "part3_program2", drawRecurring,
    [](const Problem& p) { return filled(words().practice_ask_recurring, {p.inputs[0]}); }, oneFraction,
    [](const Problem& p, const std::vector<std::string>& typed) {
        return checkNumber(typed[0], recurringTruth(p), LOWEST_TERMS);
    },
    &Language::practice_method_recurring,
    // Up to the subtraction, without the GCD and the reduced fraction.
    [](const Problem&, const Working& w) { return allButLast(w, 2); }};

const Form COMPARISON{
    Exercise::comparison, "comparison", &Language::practice_name_comparison, "part3_program3", drawComparison,
    [](const Problem& p) { return askAbout(&Language::practice_ask_comparison, p); },
    [](const Problem&) { return std::vector<AnswerField>{{words().practice_label_answer, "<>=", 1}}; },
    checkComparison, &Language::practice_method_comparison,
    // The cross products, without the conclusion.
    [](const Problem&, const Working& w) { return allButLast(w, 1); }};

const Form EGYPTIAN{
    Exercise::egyptian, "egyptian", &Language::practice_name_egyptian, "part3_program4", drawEgyptian,
    [](const Problem& p) { return askAbout(&Language::practice_ask_egyptian, p); },
    [](const Problem&) {
        return std::vector<AnswerField>{{words().practice_label_answer, "0123456789/+", LONGEST_UNITS}};
    },
    checkEgyptian, &Language::practice_method_egyptian,
    // The first greedy step.
    [](const Problem&, const Working& w) { return leadingSteps(w, 2); }};

}  // namespace practice
