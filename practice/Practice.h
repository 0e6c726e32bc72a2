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
#include "app/PracticeState.h"

namespace practice {

// The exercises, their ids, chapters and numbers: the one list (app/Exercises.h).
// The problems, answer fields, verdicts, rows and progress records are plain
// data (app/PracticeState.h), so that the store can hold them.
using ::EXERCISE_COUNT;
using ::exerciseOn;
const std::array<Exercise, EXERCISE_COUNT>& allExercises();

// The fixed id of practice.csv and of the progress file: "gcd", "six_fractions".
std::string id(Exercise e);
std::optional<Exercise> exerciseWithId(const std::string& id);
// The exercise's name as the pupil reads it.
std::string name(Exercise e);

// The same question (whatever the seeds).
bool sameQuestion(const Problem& a, const Problem& b);

// A problem of this exercise and level, fixed by the seed; it always has an
// answer, typable in its fields. level in LOWEST_LEVEL..HIGHEST_LEVEL.
Problem generate(Exercise e, int level, std::uint64_t seed);

// The problem in words and numbers: "Find the greatest common divisor of 84 and 126".
std::string statement(const Problem& p);

// The answer fields the problem is answered in.
std::vector<AnswerField> answerFields(const Problem& p);

// The field's text after one typed character: ',' types '.', letters are
// taken in capitals, a one-character field (yes/no, <, > or =) is replaced;
// a character the field does not take, or one too many, leaves it as it was.
std::string typeInto(const AnswerField& field, const std::string& text, char typed);

// The answer as one line for practice.csv: one field as typed, several as
// "label text" joined by "; ".
std::string answerText(const Problem& p, const std::vector<std::string>& typed);

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
    explicit Progress(std::uint64_t sequenceSeed = 0) { record_.sequence_seed = sequenceSeed; }
    // The progress as the store keeps it (app/PracticeState.h), and back:
    // the store holds the record, and the rule is applied to it here.
    explicit Progress(ProgressRecord record) : record_(std::move(record)) {}
    const ProgressRecord& record() const& { return record_; }
    ProgressRecord record() && { return std::move(record_); }

    // The problem to show next at this exercise and level, remembered as its
    // current one: a missed or skipped problem whose turn has come, else the
    // next fresh one; never the problem shown just before at this level.
    Problem next(Exercise e, int level);
    // A checked answer to the current problem, given after `hints` hints.
    // Readable answers count; the first one on a problem decides how it counts.
    void answered(Exercise e, int level, VerdictKind kind, int hints);
    // The current problem skipped: it comes back.
    void skipped(Exercise e, int level);

    bool mastered(Exercise e, int level) const { return record_.mastered(e, level); }

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
    using Level = ProgressRecord::Level;
    using Comeback = ProgressRecord::Comeback;
    Level& at(Exercise e, int level);
    const Level* find(Exercise e, int level) const;
    void comeBack(Level& l);
    bool readLine(const std::string& line);

    ProgressRecord record_;
};

// practice.csv: the header line, and one row per checked answer or skip,
// each ending in a line break. Fields with a comma, a quote or a line break
// are quoted, quotes doubled.
std::string csvHeader();  // "time,exercise,level,problem,answer,verdict,hints\n"
// One row (CsvRow: app/PracticeState.h) as practice.csv holds it;
// "" for an unreadable answer: those are not logged.
std::string csvRow(const CsvRow& row);
// One field as a spreadsheet reads it back: quoted when it holds a comma, a
// quote or a line break, its quotes doubled.
std::string csvField(const std::string& value);
std::string csvTime(const std::tm& local);

}  // namespace practice
