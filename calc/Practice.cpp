// Stub bodies: the interface compiles; the real bodies follow.
#include "Practice.h"

namespace practice {

namespace {
const std::array<Exercise, EXERCISE_COUNT> EXERCISES = {
    Exercise::remainder, Exercise::primes,     Exercise::factors,    Exercise::divisibility,
    Exercise::gcd,       Exercise::lcm,        Exercise::goldbach,   Exercise::operations,
    Exercise::reduce,    Exercise::operations_reduced, Exercise::equality, Exercise::six_fractions,
    Exercise::mixed,     Exercise::recurring,  Exercise::comparison, Exercise::egyptian,
    Exercise::lines,     Exercise::two_points, Exercise::vectors,
};
const char* const IDS[EXERCISE_COUNT] = {
    "remainder", "primes", "factors", "divisibility", "gcd", "lcm", "goldbach", "operations", "reduce",
    "operations_reduced", "equality", "six_fractions", "mixed", "recurring", "comparison", "egyptian",
    "lines", "two_points", "vectors",
};
}  // namespace

const std::array<Exercise, EXERCISE_COUNT>& allExercises() { return EXERCISES; }
std::string id(Exercise e) { return IDS[static_cast<std::size_t>(e)]; }
std::optional<Exercise> exerciseWithId(const std::string& wanted) {
    for (Exercise e : EXERCISES)
        if (id(e) == wanted) return e;
    return std::nullopt;
}
std::string name(Exercise e) { return id(e); }
std::optional<Exercise> exerciseOn(int, int) { return std::nullopt; }
bool sameQuestion(const Problem& a, const Problem& b) {
    return a.exercise == b.exercise && a.inputs == b.inputs && a.extra == b.extra;
}
Problem generate(Exercise e, int level, std::uint64_t seed) {
    return {e, level, seed, {std::to_string(10 + seed % 90), "7"}, {}};
}
std::string statement(const Problem& p) { return id(p.exercise); }
std::vector<AnswerField> answerFields(const Problem&) { return {{"=", "0123456789", 10}}; }
std::string typeInto(const AnswerField& f, const std::string& text, char typed) {
    if (f.accepts.find(typed) == std::string::npos || text.size() >= f.longest) return text;
    return text + typed;
}
std::string answerText(const Problem&, const std::vector<std::string>& typed) {
    return typed.empty() ? "" : typed[0];
}
Verdict check(const Problem&, const std::vector<std::string>&) { return {VerdictKind::wrong, Mistake::none, "Not quite"}; }
std::vector<std::string> hint(const Problem&, int) { return {}; }

Problem Progress::next(Exercise e, int level) { return generate(e, level, sequenceSeed_ + at(e, level).drawn++); }
void Progress::answered(Exercise, int, VerdictKind, int) {}
void Progress::skipped(Exercise, int) {}
bool Progress::mastered(Exercise, int) const { return false; }
std::string Progress::text() const { return ""; }
Progress Progress::read(const std::string&, std::uint64_t sequenceSeed, bool* damaged) {
    if (damaged) *damaged = false;
    return Progress(sequenceSeed);
}
Progress::Level& Progress::at(Exercise e, int level) { return levels_[{e, level}]; }
const Progress::Level* Progress::find(Exercise e, int level) const {
    auto it = levels_.find({e, level});
    return it == levels_.end() ? nullptr : &it->second;
}

std::string csvHeader() { return "time,exercise,level,problem,answer,verdict,hints\n"; }
std::string csvRow(const CsvRow&) { return ""; }
std::string csvTime(const std::tm&) { return ""; }

}  // namespace practice
