// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the practice forms of every chapter share: the seeded draws, reading
// typed answers, the verdicts' texts and the table row that describes one
// exercise's practice form.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "Practice.h"
#include "working/WorkingParts.h"

namespace practice {

// A stream of numbers fixed by its seed, the same on every platform
// (splitmix64; the standard distributions differ between libraries).
class Draw {
public:
    explicit Draw(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // lo <= result <= hi.
    std::int64_t between(std::int64_t lo, std::int64_t hi);
    // True once in `n` draws, on average.
    bool oneIn(std::int64_t n) { return between(1, n) == 1; }
    template <class T>
    const T& pick(std::initializer_list<T> from) { return from.begin()[between(0, std::int64_t(from.size()) - 1)]; }

private:
    std::uint64_t state_;
};

// Mixes numbers into one seed.
std::uint64_t mixSeed(std::initializer_list<std::uint64_t> parts);

// Typed answers, read strictly: nothing when the text has another shape.
// A whole number: digits with an optional leading "-".
std::optional<calc::Integer> readWhole(const std::string& typed);
// A number as written: whole, fraction ("-3/4", the sign on either part) or
// decimal ("0.25", "-.5").
struct Written {
    enum class Shape { whole, fraction, decimal } shape;
    calc::Integer numerator, denominator;  // as written; the denominator 1 unless a fraction
    calc::Fraction value() const;          // in lowest terms, the denominator positive
    bool lowest() const;                   // a whole number, or a fraction in lowest terms
};
std::optional<Written> readNumber(const std::string& typed);
// Texts joined by `sign` ("3+7", "2^2*3"): the pieces, none empty, or nothing.
std::optional<std::vector<std::string>> readTerms(const std::string& typed, char sign);

// Whether p is prime, for any p that fits a machine word.
bool isPrime(const calc::Integer& p);

using working::filled;
using working::over;
// A value as a pupil types it, in lowest terms: "3", "-1/2".
using working::valueText;

// Verdicts with their fixed first words.
Verdict correct(const std::string& why = "");
Verdict rightValueWrongForm(Mistake m, const std::string& why);
Verdict notQuite(Mistake m = Mistake::none, const std::string& why = "");
Verdict cannotRead(const std::string& expected);

// The verdict of a typed value against the true one, for answers that are a
// number: unreadable, wrong, right but not in lowest terms (when
// `lowestTerms`) or written as a decimal (unless `decimals`), or correct.
struct NumberRules {
    bool lowestTerms;
    bool decimals;
    const std::string Language::*expected;  // the form asked for, when unreadable
};
Verdict checkNumber(const std::string& typed, const calc::Fraction& truth, const NumberRules& rules);
// The same, before it is worded: what the verdict says after its first words.
struct Judgement {
    VerdictKind kind;
    Mistake mistake;
    std::string why;
};
Judgement judgeNumber(const std::string& typed, const calc::Fraction& truth, const NumberRules& rules);
Verdict verdictOf(const Judgement& j);
// The value of a typed number, when it is readable and has a denominator.
std::optional<calc::Fraction> typedValue(const std::string& typed);

// One exercise's practice form: how its problems are drawn and written, the
// answer fields, the check, and the hints.
struct Form {
    Exercise exercise;               // its id, name and working from the exercise list
    // Fills the problem's inputs, extra numbers and one correct answer.
    void (*generate)(Problem& p, Draw& draw);
    std::string (*statement)(const Problem& p);
    std::vector<AnswerField> (*fields)(const Problem& p);
    Verdict (*check)(const Problem& p, const std::vector<std::string>& typed);
    std::string Language::*method;   // the first hint: the method in one line
    // The second hint: the first steps of the working, not yet the answer.
    std::vector<std::string> (*firstSteps)(const Problem& p, const Working& w);
};

// The forms of each chapter, in the order of Exercise.
extern const Form REMAINDER, PRIMES, FACTORS, DIVISIBILITY, GCD, LCM, GOLDBACH;
extern const Form OPERATIONS, REDUCE, OPERATIONS_REDUCED, EQUALITY, SIX_FRACTIONS;
extern const Form MIXED, RECURRING, COMPARISON, EGYPTIAN;
extern const Form LINES, TWO_POINTS, VECTORS;

// Answer fields the forms share.
AnswerField wholeField(const std::string& label);
AnswerField fractionField(const std::string& label);
AnswerField yesNoField();
// True for "Y" or "T" (tak), false for "N", nothing otherwise.
std::optional<bool> readYesNo(const std::string& typed);
Verdict checkYesNo(const std::string& typed, bool truth, const std::string& why = "");
std::string yesNo(bool answer);  // "Y" or "N", as typed

// Hint helpers: the first `count` steps of a working, or all but its last `count`.
std::vector<std::string> leadingSteps(const Working& w, std::size_t count);
std::vector<std::string> allButLast(const Working& w, std::size_t count);

// A whole number written in plain digits and nothing else, or none.
std::optional<std::uint64_t> wholeNumberOf(const std::string& text);
// The blank-separated words of one line of a saved file.
std::vector<std::string> wordsOf(const std::string& line);

}  // namespace practice
