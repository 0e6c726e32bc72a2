// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What practice leaves in the store, as plain data: the problem shown, its
// answer fields and the verdict on an answer; the pupil's progress; the
// rows waiting for practice.csv; the class's assignment. The practice
// subsystem (practice/) fills and reads these; the store only holds and
// copies them, so it needs nothing of practice/ but this header.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Exercises.h"

namespace practice {

using ::Exercise;

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

// One answer field: its label, the characters it takes and how many.
struct AnswerField {
    std::string label;    // "GCD =", "numerator:"
    std::string accepts;  // every character it takes, e.g. "0123456789/-."
    std::size_t longest;  // characters
};

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

// One row of practice.csv: a checked answer or a skip.
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

// The pupil's progress as it stands; practice::Progress applies the mastery
// rule to it and reads and writes its saved form.
struct ProgressRecord {
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
        bool current_counted = false;
        bool current_comes_back = false;
        std::uint64_t drawn = 0;
    };
    std::uint64_t sequence_seed = 0;
    std::map<std::pair<Exercise, int>, Level> levels;
    std::vector<std::string> unknown;  // a later version's lines, written back as they were

    bool mastered(Exercise e, int level) const {
        const auto found = levels.find({e, level});
        return found != levels.end() && found->second.mastered;
    }
};

// The teacher's assignment as read from assignment.txt (practice/Assignment.h).
struct AssignmentTask {
    Exercise exercise;
    int level;
    int count;
};
// Why a line could not be read; its words come from the text list.
enum class AssignmentFault { not_task, unknown_exercise, bad_level, bad_count, bad_seed };
struct AssignmentLineFault {
    int line;
    AssignmentFault fault;
    std::string word;  // the exercise named, for unknown_exercise
};
// Why the class folder's assignment.txt was passed over.
enum class AssignmentRefusal { none, not_teachers, too_large };
struct Assignment {
    AssignmentRefusal refusal = AssignmentRefusal::none;  // passed over: no tasks
    std::string title;                 // "" when it gives none
    std::optional<std::uint64_t> seed;
    std::vector<AssignmentTask> tasks;
    std::vector<AssignmentLineFault> faults;

    int total() const {  // problems in all
        int sum = 0;
        for (const AssignmentTask& t : tasks) sum += t.count;
        return sum;
    }
};

}  // namespace practice
