// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Practice: the pupil does the maths, the program checks it. Problems come
// from a seeded generator for each exercise and level; answers are checked by
// verifying them (any correct Goldbach pair, factors in any order, any equal
// fraction with its form judged), the likely mistake is named from the typed
// numbers, hints come in three stages, and a progress model decides mastery.
// Pure: numbers and texts in, data and texts out; every text a pupil reads
// comes from the text list, in the language shown when the function runs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Exercises.h"

namespace practice {

// The exercises, their ids, chapters and numbers: the one list (app/Exercises.h).
using ::Exercise;
using ::EXERCISE_COUNT;
using ::exerciseOn;
const std::array<Exercise, EXERCISE_COUNT>& allExercises();

// The fixed id of practice.csv and of the progress file: "gcd", "six_fractions".
std::string id(Exercise e);
std::optional<Exercise> exerciseWithId(const std::string& id);
// The exercise's name as the pupil reads it.
std::string name(Exercise e);

// Levels: 1 small numbers, 2 school-book numbers, 3 large or tricky ones.
constexpr int LOWEST_LEVEL = 1, HIGHEST_LEVEL = 3;

// One problem. `inputs` are the texts the exercise's own fields would hold
// for it (the working and, in chapter 4, the plot are drawn from them);
// `extra` holds what the practice form asks beyond them (the divisor of a
// divisibility question, the pair of lines asked about).
// `answer` is one correct answer as typed into the answer fields (there may
// be others: answers are checked by verifying them).
struct Problem {
    Exercise exercise = Exercise::remainder;
    int level = LOWEST_LEVEL;
    std::uint64_t seed = 0;
    std::vector<std::string> inputs;
    std::vector<std::int64_t> extra;
    std::vector<std::string> answer;
};
// The same question (whatever the seeds).
bool sameQuestion(const Problem& a, const Problem& b);

// A problem of this exercise and level, fixed by the seed; it always has an
// answer, typable in its fields. level in LOWEST_LEVEL..HIGHEST_LEVEL.
Problem generate(Exercise e, int level, std::uint64_t seed);

// The problem in words and numbers: "Find the greatest common divisor of 84 and 126".
std::string statement(const Problem& p);

// One answer field: its label, the characters it takes and how many.
struct AnswerField {
    std::string label;    // "GCD =", "numerator:"
    std::string accepts;  // every character it takes, e.g. "0123456789/-."
    std::size_t longest;  // characters
};
std::vector<AnswerField> answerFields(const Problem& p);

// The field's text after one typed character: ',' types '.', letters are
// taken in capitals, a one-character field (yes/no, <, > or =) is replaced;
// a character the field does not take, or one too many, leaves it as it was.
std::string typeInto(const AnswerField& field, const std::string& text, char typed);

// The answer as one line for practice.csv: one field as typed, several as
// "label text" joined by "; ".
std::string answerText(const Problem& p, const std::vector<std::string>& typed);

// What the check found.
enum class VerdictKind { correct, form, wrong, unreadable };
// The known mistakes a wrong answer can show.
enum class Mistake {
    none,
    added_across,           // numerators added and denominators added (or subtracted across)
    product_not_lcm,        // the product given for the LCM
    product_not_gcd,        // the product given for the GCD
    gcd_lcm_swapped,        // the LCM given for the GCD, or the GCD for the LCM
    not_greatest_divisor,   // a common divisor, not the greatest
    not_lowest_multiple,    // a common multiple, not the lowest
    quotient_not_remainder, // the quotient given for the remainder
    slope_upside_down,      // (x2 - x1)/(y2 - y1)
    sign_of_b,              // the intercept with the wrong sign
    not_turned_over,        // a division without turning the second fraction over
    factors_product,        // the factors multiply to another number
    factor_not_prime,       // a factor that is not prime
    term_not_prime,         // a Goldbach term that is not prime
    sum_wrong,              // a sum of two primes that is not n
    unit_repeated,          // an Egyptian sum that repeats a unit fraction
    units_sum_wrong,        // an Egyptian sum that does not add up
    one_vector_scaled,      // only one of the vectors multiplied by its factor
};
struct Verdict {
    VerdictKind kind = VerdictKind::unreadable;
    Mistake mistake = Mistake::none;
    std::string text;  // "Correct", "Not quite: ..." in the language shown when checked
};
// Checks the typed answer, one text per answer field. Cheap: check again to
// show the verdict in another language.
Verdict check(const Problem& p, const std::vector<std::string>& typed);

// Hints in three stages (1 to 3): the method in one line; the first steps of
// the working with this problem's numbers; the whole working of the problem.
constexpr int HINT_STAGES = 3;
std::vector<std::string> hint(const Problem& p, int stage);

// The pupil's progress: mastery of each exercise and level, the last answers
// at each, and the problems that come back. A level is mastered once 5 of the
// last 6 answers at it are correct without a hint; a missed or skipped
// problem comes back within the next 5 problems; an answer after a hint
// counts neither way. Fresh problems come from the run's sequence seed, in a
// sequence that depends only on it, the exercise and the level.
class Progress {
public:
    explicit Progress(std::uint64_t sequenceSeed = 0) : sequenceSeed_(sequenceSeed) {}

    // The problem to show next at this exercise and level, remembered as its
    // current one: a missed or skipped problem whose turn has come, else the
    // next fresh one; never the problem shown just before at this level.
    Problem next(Exercise e, int level);
    // A checked answer to the current problem, given after `hints` hints.
    // Readable answers count; the first one on a problem decides how it counts.
    void answered(Exercise e, int level, VerdictKind kind, int hints);
    // The current problem skipped: it comes back.
    void skipped(Exercise e, int level);

    bool mastered(Exercise e, int level) const;

    // The saved form: one line per exercise and level with any progress.
    std::string text() const;
    // Reads a saved form; empty text gives a fresh start, and so does a
    // damaged one, which also sets *damaged (when given). A line of an
    // exercise or level this version does not know is kept as it is and
    // written back.
    static Progress read(const std::string& saved, std::uint64_t sequenceSeed, bool* damaged = nullptr);
    // What a line of the saved form is about: "gcd 2" for an exercise and
    // level; "" for the header or a blank line.
    static std::string lineKey(const std::string& line);

private:
    struct Comeback {
        std::uint64_t seed;
        int wait;  // problems to show before it
    };
    struct Level {
        std::string recent;  // the last answers, oldest first: 'c' correct, 'm' missed
        bool mastered = false;
        std::vector<Comeback> due;
        // This run only: the current problem, whether it has counted and
        // whether it comes back, and how many fresh problems were drawn.
        std::optional<Problem> current;
        bool currentCounted = false;
        bool currentComesBack = false;
        std::uint64_t drawn = 0;
    };
    Level& at(Exercise e, int level);
    const Level* find(Exercise e, int level) const;
    void comeBack(Level& l);
    bool readLine(const std::string& line);

    std::uint64_t sequenceSeed_;
    std::map<std::pair<Exercise, int>, Level> levels_;
    std::vector<std::string> unknown_;  // a later version's lines
};

// practice.csv: the header line, and one row per checked answer or skip,
// each ending in a line break. Fields with a comma, a quote or a line break
// are quoted, quotes doubled.
std::string csvHeader();  // "time,exercise,level,problem,answer,verdict,hints\n"
struct CsvRow {
    std::string time;     // local time, "YYYY-MM-DD HH:MM:SS" (see csvTime)
    Exercise exercise;
    int level;
    std::string problem;  // as shown: the statement
    std::string answer;   // as typed: answerText
    std::optional<VerdictKind> verdict;  // nothing: skipped
    int hints;
    Mistake mistake = Mistake::none;     // the one the check named (the class file says it)
};
// "" for an unreadable answer: those are not logged.
std::string csvRow(const CsvRow& row);
// One field as a spreadsheet reads it back: quoted when it holds a comma, a
// quote or a line break, its quotes doubled.
std::string csvField(const std::string& value);
std::string csvTime(const std::tm& local);

}  // namespace practice
