// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of practice forms and what every form shares: drawing, reading
// typed answers, verdicts and hints.
#include "Practice.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "PracticeParts.h"
#include "calc/PrimeSieve.h"
#include "calc/Primes.h"

using namespace calc;

namespace practice {

namespace {

// In the order of Exercise.
const Form* const FORMS[EXERCISE_COUNT] = {
    &REMAINDER, &PRIMES, &FACTORS,    &DIVISIBILITY, &GCD,       &LCM,      &GOLDBACH,
    &OPERATIONS, &REDUCE, &OPERATIONS_REDUCED, &EQUALITY, &SIX_FRACTIONS,
    &MIXED,     &RECURRING, &COMPARISON, &EGYPTIAN,
    &LINES,     &TWO_POINTS, &VECTORS,
};

const Form& form(Exercise e) { return *FORMS[static_cast<std::size_t>(e)]; }

// The first exercise of each chapter and how many it has.
struct ChapterSpan {
    Exercise first;
    int count;
};
const ChapterSpan CHAPTERS[] = {
    {Exercise::remainder, 7}, {Exercise::operations, 5}, {Exercise::mixed, 4}, {Exercise::lines, 3}};

bool digits(const std::string& t, std::size_t from, std::size_t to) {
    return from < to && std::all_of(t.begin() + from, t.begin() + to,
                                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

const std::string& says(const std::string Language::*text) { return lang_file->*text; }

}  // namespace

const std::array<Exercise, EXERCISE_COUNT>& allExercises() {
    static const std::array<Exercise, EXERCISE_COUNT> all = [] {
        std::array<Exercise, EXERCISE_COUNT> a{};
        for (std::size_t i = 0; i < EXERCISE_COUNT; ++i) a[i] = FORMS[i]->exercise;
        return a;
    }();
    return all;
}

std::string id(Exercise e) { return form(e).id; }

std::optional<Exercise> exerciseWithId(const std::string& wanted) {
    for (const Form* f : FORMS)
        if (wanted == f->id) return f->exercise;
    return std::nullopt;
}

std::string name(Exercise e) { return says(form(e).name); }

std::optional<Exercise> exerciseOn(int chapter, int number) {
    if (chapter < 1 || chapter > 4) return std::nullopt;
    const ChapterSpan& span = CHAPTERS[chapter - 1];
    if (number < 1 || number > span.count) return std::nullopt;
    return static_cast<Exercise>(static_cast<int>(span.first) + number - 1);
}

bool sameQuestion(const Problem& a, const Problem& b) {
    return a.exercise == b.exercise && a.inputs == b.inputs && a.extra == b.extra;
}

Problem generate(Exercise e, int level, std::uint64_t seed) {
    Problem p;
    p.exercise = e;
    p.level = std::clamp(level, LOWEST_LEVEL, HIGHEST_LEVEL);
    p.seed = seed;
    Draw draw(mixSeed({seed, static_cast<std::uint64_t>(e), static_cast<std::uint64_t>(p.level)}));
    form(e).generate(p, draw);
    return p;
}

std::string statement(const Problem& p) { return form(p.exercise).statement(p); }

std::vector<AnswerField> answerFields(const Problem& p) { return form(p.exercise).fields(p); }

std::string typeInto(const AnswerField& field, const std::string& text, char typed) {
    const char c = typed == ',' ? '.' : static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (c == '\0' || field.accepts.find(c) == std::string::npos) return text;
    if (field.longest == 1) return std::string(1, c);
    return text.size() < field.longest ? text + c : text;
}

std::string answerText(const Problem& p, const std::vector<std::string>& typed) {
    const std::vector<AnswerField> fields = answerFields(p);
    if (fields.size() == 1) return typed.empty() ? "" : typed[0];
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (i ? "; " : "") + fields[i].label + " " + (i < typed.size() ? typed[i] : "");
    return joined;
}

Verdict check(const Problem& p, const std::vector<std::string>& typed) {
    std::vector<std::string> all = typed;
    all.resize(answerFields(p).size());
    return form(p.exercise).check(p, all);
}

std::vector<std::string> hint(const Problem& p, int stage) {
    const Form& f = form(p.exercise);
    const std::optional<Working> w = workingOf(f.working, p.inputs);
    if (stage <= 1 || !w) return {says(f.method)};
    if (stage == 2) return f.firstSteps(p, *w);
    return w->lines();
}

// Draws.

std::uint64_t Draw::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::int64_t Draw::between(std::int64_t lo, std::int64_t hi) {
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(next() % span);
}

std::uint64_t mixSeed(std::initializer_list<std::uint64_t> parts) {
    Draw d(0x5EED5EED5EED5EEDull);
    std::uint64_t mixed = 0;
    for (std::uint64_t part : parts) mixed = Draw(mixed ^ part ^ d.next()).next();
    return mixed;
}

// Reading typed answers.

std::optional<Integer> readWhole(const std::string& typed) {
    const std::size_t from = !typed.empty() && typed[0] == '-' ? 1 : 0;
    if (!digits(typed, from, typed.size())) return std::nullopt;
    return fromDecimal(typed);
}

std::optional<Written> readNumber(const std::string& typed) {
    const std::size_t from = !typed.empty() && typed[0] == '-' ? 1 : 0;
    const std::size_t mark = typed.find_first_of("/.", from);
    if (mark == std::string::npos) {
        const std::optional<Integer> whole = readWhole(typed);
        if (!whole) return std::nullopt;
        return Written{Written::Shape::whole, *whole, 1};
    }
    const bool negative = from == 1;
    if (typed[mark] == '/') {
        if (!digits(typed, from, mark) || !digits(typed, mark + 1, typed.size())) return std::nullopt;
        const Integer numerator = fromDecimal(typed.substr(from, mark - from));
        return Written{Written::Shape::fraction, negative ? Integer(-numerator) : numerator,
                       fromDecimal(typed.substr(mark + 1))};
    }
    const std::string whole = typed.substr(from, mark - from), part = typed.substr(mark + 1);
    const bool shaped = (whole.empty() || digits(whole, 0, whole.size())) && digits(part, 0, part.size());
    if (!shaped) return std::nullopt;
    const Fraction v = decimalValue(typed);
    return Written{Written::Shape::decimal, v.numerator, v.denominator};
}

Fraction Written::value() const {
    Fraction v = lowestTerms(numerator, denominator);
    if (v.denominator < 0) v = {-v.numerator, -v.denominator};
    return v;
}

bool Written::lowest() const {
    if (shape != Shape::fraction) return shape == Shape::whole;
    return denominator > 0 && lowestTerms(numerator, denominator).denominator == denominator;
}

std::optional<std::vector<std::string>> readTerms(const std::string& typed, char sign) {
    std::vector<std::string> terms;
    std::size_t from = 0;
    for (;;) {
        const std::size_t to = std::min(typed.find(sign, from), typed.size());
        if (to == from) return std::nullopt;
        terms.push_back(typed.substr(from, to - from));
        if (to == typed.size()) return terms;
        from = to + 1;
    }
}

bool isPrime(const Integer& p) {
    if (p < 2 || p > std::numeric_limits<std::int64_t>::max()) return false;
    const std::int64_t n = static_cast<std::int64_t>(p);
    if (n <= PrimeSieve::SHARED_LIMIT) return PrimeSieve::shared().isPrime(n);
    return factorLadder(n).size() == 1;
}

// Verdicts.

Verdict correct(const std::string& why) {
    return {VerdictKind::correct, Mistake::none,
            why.empty() ? lang_file->practice_correct : filled(lang_file->practice_correct_because, {why})};
}

Verdict rightValueWrongForm(Mistake m, const std::string& why) {
    return {VerdictKind::form, m, filled(lang_file->practice_form, {why})};
}

Verdict notQuite(Mistake m, const std::string& why) {
    return {VerdictKind::wrong, m, why.empty() ? lang_file->practice_wrong_plain : filled(lang_file->practice_wrong, {why})};
}

Verdict cannotRead(const std::string& expected) {
    return {VerdictKind::unreadable, Mistake::none, filled(lang_file->practice_unreadable, {expected})};
}

Judgement judgeNumber(const std::string& typed, const Fraction& truth, const NumberRules& rules) {
    const std::optional<Written> w = readNumber(typed);
    if (!w) return {VerdictKind::unreadable, Mistake::none, says(rules.expected)};
    if (w->denominator == 0) return {VerdictKind::unreadable, Mistake::none, lang_file->practice_zero_denominator};
    if (compare(w->value(), truth) != 0) return {VerdictKind::wrong, Mistake::none, ""};
    if (w->shape == Written::Shape::decimal && !rules.decimals)
        return {VerdictKind::form, Mistake::none, lang_file->practice_not_decimal};
    if (rules.lowestTerms && !w->lowest() && w->shape == Written::Shape::fraction)
        return {VerdictKind::form, Mistake::none, filled(lang_file->practice_not_lowest, {typed})};
    return {VerdictKind::correct, Mistake::none, ""};
}

Verdict verdictOf(const Judgement& j) {
    switch (j.kind) {
    case VerdictKind::correct: return correct(j.why);
    case VerdictKind::form: return rightValueWrongForm(j.mistake, j.why);
    case VerdictKind::wrong: return notQuite(j.mistake, j.why);
    case VerdictKind::unreadable: break;
    }
    return cannotRead(j.why);
}

Verdict checkNumber(const std::string& typed, const Fraction& truth, const NumberRules& rules) {
    return verdictOf(judgeNumber(typed, truth, rules));
}

std::optional<Fraction> typedValue(const std::string& typed) {
    const std::optional<Written> w = readNumber(typed);
    if (!w || w->denominator == 0) return std::nullopt;
    return w->value();
}

// Fields and answers the forms share.

AnswerField wholeField(const std::string& label) { return {label, "0123456789", 24}; }
AnswerField fractionField(const std::string& label) { return {label, "0123456789/-.", 30}; }
AnswerField yesNoField() { return {lang_file->practice_label_answer, "YTN", 1}; }

std::optional<bool> readYesNo(const std::string& typed) {
    if (typed == "Y" || typed == "T") return true;
    if (typed == "N") return false;
    return std::nullopt;
}

Verdict checkYesNo(const std::string& typed, bool truth, const std::string& why) {
    const std::optional<bool> answer = readYesNo(typed);
    if (!answer) return cannotRead(lang_file->practice_expect_yes_no);
    return *answer == truth ? correct(why) : notQuite(Mistake::none, why);
}

std::string yesNo(bool answer) { return answer ? "Y" : "N"; }

std::vector<std::string> leadingSteps(const Working& w, std::size_t count) {
    return {w.steps.begin(), w.steps.begin() + std::min(count, w.steps.size())};
}

std::vector<std::string> allButLast(const Working& w, std::size_t count) {
    return leadingSteps(w, w.steps.size() - std::min(count, w.steps.size()));
}

}  // namespace practice
