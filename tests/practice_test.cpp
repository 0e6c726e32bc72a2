// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice: every exercise and level over a thousand seeds (the generated
// answer fits its fields and is correct, an equivalent form is judged as the
// rules say, each known mistake is named, a wrong answer is never correct),
// the verdicts' first words, typing into the fields, the mastery rule and the
// saved progress, and the rows of practice.csv.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "app/GlobalVariables.h"
#include "calc/Plane.h"
#include "practice/Practice.h"

using namespace practice;
using calc::Fraction;

namespace {

using Typed = std::vector<std::string>;
constexpr std::uint64_t SEEDS = 1000;

std::int64_t number(const std::string& t) { return std::stoll(t); }
Fraction fraction(const std::string& t) { return calc::decimalValue(t); }

// "n/d" with the sign in front, "n" for a whole number.
std::string written(const Fraction& f) {
    Fraction v = calc::lowestTerms(f.numerator, f.denominator);
    if (v.denominator < 0) v = {-v.numerator, -v.denominator};
    return v.denominator == 1 ? calc::text(v.numerator) : calc::text(v);
}

// The same value with numerator and denominator doubled: "3/4" gives "6/8", "-2" gives "-4/2".
std::string doubled(const std::string& t) {
    const std::size_t slash = t.find('/');
    if (slash == std::string::npos) return std::to_string(2 * number(t)) + "/2";
    return std::to_string(2 * number(t.substr(0, slash))) + "/" + std::to_string(2 * number(t.substr(slash + 1)));
}

// The primes of "2^3*3^2*5", with repeats, in order.
std::vector<std::int64_t> primesOf(const std::string& product) {
    std::vector<std::int64_t> primes;
    std::size_t from = 0;
    while (from < product.size()) {
        std::size_t to = product.find('*', from);
        if (to == std::string::npos) to = product.size();
        const std::string term = product.substr(from, to - from);
        const std::size_t hat = term.find('^');
        const int power = hat == std::string::npos ? 1 : int(number(term.substr(hat + 1)));
        for (int i = 0; i < power; ++i) primes.push_back(number(term.substr(0, hat)));
        from = to + 1;
    }
    return primes;
}

std::string joined(const std::vector<std::string>& parts, const std::string& sign) {
    std::string all;
    for (const std::string& part : parts) all += (all.empty() ? "" : sign) + part;
    return all;
}

std::vector<std::string> split(const std::string& t, char sign) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t to; (to = t.find(sign, from)) != std::string::npos; from = to + 1) parts.push_back(t.substr(from, to - from));
    parts.push_back(t.substr(from));
    return parts;
}

using Answer = std::optional<Typed>;
using Builder = std::function<Answer(const Problem&)>;

// How a pupil who makes a known mistake answers; nothing when that mistake
// happens to give the right answer to this problem.
struct MistakeCase {
    Mistake mistake;
    VerdictKind kind;
    Builder answer;
};

// An answer equal in value but written otherwise, and how it is judged.
struct FormCase {
    VerdictKind kind;
    Builder answer;
};

struct Case {
    Exercise exercise;
    std::optional<FormCase> equivalent;
    std::vector<MistakeCase> mistakes;
};

const auto LEADING_ZERO = FormCase{VerdictKind::correct, [](const Problem& p) { return Answer{{"0" + p.answer[0]}}; }};
const auto T_FOR_YES = FormCase{VerdictKind::correct, [](const Problem& p) {
                                    return p.answer[0] == "Y" ? Answer{{"T"}} : std::nullopt;
                                }};
FormCase doubledFirst(VerdictKind kind) {
    return {kind, [](const Problem& p) {
                if (p.answer[0] == "N") return Answer{};
                Typed t = p.answer;
                t[0] = doubled(t[0]);
                return Answer{t};
            }};
}

struct Pair {
    std::int64_t a, b, gcd, lcm;
};
Pair pairOf(const Problem& p) {
    const std::int64_t a = number(p.inputs[0]), b = number(p.inputs[1]), g = std::gcd(a, b);
    return {a, b, g, a / g * b};
}

// x/y of the operation asked with numerators and denominators combined across.
Answer across(const Problem& p) {
    const std::int64_t a = number(p.inputs[0]), b = number(p.inputs[1]), c = number(p.inputs[2]), d = number(p.inputs[3]);
    Fraction mistaken, truth;
    switch (p.extra[0]) {
    case 0: mistaken = {a + c, b + d}, truth = {a * d + b * c, b * d}; break;
    case 1: mistaken = {a - c, b - d}, truth = {a * d - b * c, b * d}; break;
    case 3: mistaken = {a * c, b * d}, truth = {a * d, b * c}; break;
    default: return std::nullopt;
    }
    if (mistaken.denominator == 0 || calc::compare(mistaken, truth) == 0) return std::nullopt;
    return Typed{written(mistaken)};
}

Answer unlessRight(const Problem& p, Typed t) { return t == p.answer ? Answer{} : Answer{t}; }

const Case CASES[] = {
    {Exercise::remainder, LEADING_ZERO,
     {{Mistake::quotient_not_remainder, VerdictKind::wrong, [](const Problem& p) {
           return unlessRight(p, {std::to_string(number(p.inputs[0]) / number(p.inputs[1]))});
       }}}},
    {Exercise::primes, LEADING_ZERO, {}},
    {Exercise::factors,
     FormCase{VerdictKind::correct,
              [](const Problem& p) {
                  std::vector<std::string> each;
                  for (std::int64_t prime : primesOf(p.answer[0])) each.insert(each.begin(), std::to_string(prime));
                  return Answer{{joined(each, "*")}};
              }},
     {{Mistake::factor_not_prime, VerdictKind::form,
       [](const Problem& p) {
           std::vector<std::int64_t> primes = primesOf(p.answer[0]);
           if (primes.size() < 2) return Answer{};
           std::vector<std::string> each{std::to_string(primes[0] * primes[1])};
           for (std::size_t i = 2; i < primes.size(); ++i) each.push_back(std::to_string(primes[i]));
           return Answer{{joined(each, "*")}};
       }},
      {Mistake::factors_product, VerdictKind::wrong,
       [](const Problem& p) {
           std::vector<std::int64_t> primes = primesOf(p.answer[0]);
           std::vector<std::string> each;
           for (std::size_t i = 0; i + 1 < primes.size(); ++i) each.push_back(std::to_string(primes[i]));
           return Answer{{joined(each.empty() ? std::vector<std::string>{"2", "2"} : each, "*")}};
       }}}},
    {Exercise::divisibility, T_FOR_YES, {}},
    {Exercise::gcd, LEADING_ZERO,
     {{Mistake::gcd_lcm_swapped, VerdictKind::wrong, [](const Problem& p) { return Answer{{std::to_string(pairOf(p).lcm)}}; }},
      {Mistake::product_not_gcd, VerdictKind::wrong,
       [](const Problem& p) {
           const Pair f = pairOf(p);
           return f.a * f.b == f.lcm ? Answer{} : Answer{{std::to_string(f.a * f.b)}};
       }},
      {Mistake::not_greatest_divisor, VerdictKind::wrong, [](const Problem& p) {
           const std::int64_t g = pairOf(p).gcd;
           std::int64_t smallest = 2;
           while (g > 1 && g % smallest != 0) ++smallest;
           return g == 1 ? Answer{} : Answer{{std::to_string(g / smallest)}};
       }}}},
    {Exercise::lcm, LEADING_ZERO,
     {{Mistake::product_not_lcm, VerdictKind::wrong,
       [](const Problem& p) {
           const Pair f = pairOf(p);
           return f.a * f.b == f.lcm ? Answer{} : Answer{{std::to_string(f.a * f.b)}};
       }},
      {Mistake::gcd_lcm_swapped, VerdictKind::wrong, [](const Problem& p) { return Answer{{std::to_string(pairOf(p).gcd)}}; }},
      {Mistake::not_lowest_multiple, VerdictKind::wrong, [](const Problem& p) {
           const Pair f = pairOf(p);
           const std::int64_t k = 2 * f.lcm == f.a * f.b ? 3 : 2;
           return Answer{{std::to_string(k * f.lcm)}};
       }}}},
    {Exercise::goldbach,
     FormCase{VerdictKind::correct,
              [](const Problem& p) {
                  const std::vector<std::string> terms = split(p.answer[0], '+');
                  return Answer{{terms[1] + "+" + terms[0]}};
              }},
     {{Mistake::sum_wrong, VerdictKind::wrong,
       [](const Problem& p) {
           const std::vector<std::string> terms = split(p.answer[0], '+');
           return Answer{{terms[0] + "+" + std::to_string(number(terms[1]) + 2)}};
       }},
      {Mistake::term_not_prime, VerdictKind::wrong,
       [](const Problem& p) { return Answer{{"1+" + std::to_string(number(p.inputs[0]) - 1)}}; }}}},
    {Exercise::operations, doubledFirst(VerdictKind::correct),
     {{Mistake::added_across, VerdictKind::wrong, [](const Problem& p) { return p.extra[0] < 2 ? across(p) : Answer{}; }},
      {Mistake::not_turned_over, VerdictKind::wrong, [](const Problem& p) { return p.extra[0] == 3 ? across(p) : Answer{}; }}}},
    {Exercise::reduce, doubledFirst(VerdictKind::form), {}},
    {Exercise::operations_reduced, doubledFirst(VerdictKind::form),
     {{Mistake::added_across, VerdictKind::wrong, [](const Problem& p) { return p.extra[0] < 2 ? across(p) : Answer{}; }},
      {Mistake::not_turned_over, VerdictKind::wrong, [](const Problem& p) { return p.extra[0] == 3 ? across(p) : Answer{}; }}}},
    {Exercise::equality, T_FOR_YES, {}},
    {Exercise::six_fractions, doubledFirst(VerdictKind::form), {}},
    {Exercise::mixed,
     FormCase{VerdictKind::form,
              [](const Problem& p) {  // no whole part, the fraction improper
                  return Answer{{"0", p.inputs[0], p.inputs[1]}};
              }},
     {}},
    {Exercise::recurring, doubledFirst(VerdictKind::form), {}},
    {Exercise::comparison, std::nullopt, {}},
    {Exercise::egyptian,
     FormCase{VerdictKind::correct,
              [](const Problem& p) {
                  std::vector<std::string> terms = split(p.answer[0], '+');
                  std::reverse(terms.begin(), terms.end());
                  return Answer{{joined(terms, "+")}};
              }},
     {{Mistake::unit_repeated, VerdictKind::wrong,
       [](const Problem& p) {  // the last term 1/u as 1/2u + 1/2u
           std::vector<std::string> terms = split(p.answer[0], '+');
           const std::string half = "1/" + std::to_string(2 * number(terms.back().substr(2)));
           terms.back() = half + "+" + half;
           return Answer{{joined(terms, "+")}};
       }},
      {Mistake::units_sum_wrong, VerdictKind::wrong, [](const Problem& p) {
           std::vector<std::string> terms = split(p.answer[0], '+');
           terms.erase(terms.begin());
           return Answer{{joined(terms, "+")}};
       }}}},
    {Exercise::lines, doubledFirst(VerdictKind::correct), {}},
    {Exercise::two_points, doubledFirst(VerdictKind::correct),
     {{Mistake::slope_upside_down, VerdictKind::wrong,
       [](const Problem& p) {
           const Fraction dx = calc::minus(fraction(p.inputs[2]), fraction(p.inputs[0]));
           const Fraction dy = calc::minus(fraction(p.inputs[3]), fraction(p.inputs[1]));
           if (dy.numerator == 0) return Answer{};
           const std::string upsideDown = written(calc::dividedBy(dx, dy));
           return upsideDown == p.answer[0] ? Answer{} : Answer{{upsideDown, p.answer[1]}};
       }},
      {Mistake::sign_of_b, VerdictKind::wrong, [](const Problem& p) {
           const std::string& b = p.answer[1];
           if (b == "0") return Answer{};
           return Answer{{p.answer[0], b[0] == '-' ? b.substr(1) : "-" + b}};
       }}}},
    {Exercise::vectors, doubledFirst(VerdictKind::correct),
     {{Mistake::one_vector_scaled, VerdictKind::wrong, [](const Problem& p) {
           const calc::Vector w1{fraction(p.inputs[0]), fraction(p.inputs[1])};
           const calc::Vector w2{fraction(p.inputs[2]), fraction(p.inputs[3])};
           const calc::Vector v = calc::sum(calc::scaled(fraction(p.inputs[4]), w1), w2);
           return unlessRight(p, {written(v.x), written(v.y)});
       }}}},
};

// The answer with one digit changed, or another choice where there are no digits.
Typed wrongAnswer(const Problem& p, std::uint64_t seed) {
    Typed t = p.answer;
    std::vector<std::pair<std::size_t, std::size_t>> digits;
    for (std::size_t f = 0; f < t.size(); ++f)
        for (std::size_t i = 0; i < t[f].size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(t[f][i]))) digits.push_back({f, i});
    if (!digits.empty()) {
        auto [f, i] = digits[seed % digits.size()];
        if (t[f].rfind("0/", 0) == 0) i = 0;  // 0 over anything is 0: change the numerator
        t[f][i] = char('0' + (t[f][i] - '0' + 1 + seed % 9) % 10);
        return t;
    }
    if (t[0] == "N" && t.size() == 2) return {"0", "0"};  // parallel lines said to cross
    const std::string others = t[0] == "Y" ? "N" : t[0] == "N" ? "Y" : t[0] == "<" ? ">" : "<";
    return {others};
}

// Whatever the fields take, typed at random.
Typed anyTyping(const Problem& p, std::uint64_t seed) {
    Typed typed;
    for (const AnswerField& f : answerFields(p)) {
        std::string text;
        for (std::size_t n = (seed = seed * 6364136223846793005u + 1442695040888963407u) >> 60; n > 0; --n)
            text += f.accepts[((seed = seed * 6364136223846793005u + 1442695040888963407u) >> 33) % f.accepts.size()];
        typed.push_back(text.substr(0, f.longest));
    }
    return typed;
}

// Whether a typed answer fits its fields: no more characters than each holds, each one it takes.
testing::AssertionResult fits(const Problem& p, const Typed& typed) {
    const std::vector<AnswerField> fields = answerFields(p);
    if (fields.size() != typed.size()) return testing::AssertionFailure() << "fields: " << fields.size();
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (typed[f].size() > fields[f].longest) return testing::AssertionFailure() << "too long: " << typed[f];
        if (typed[f].find_first_not_of(fields[f].accepts) != std::string::npos)
            return testing::AssertionFailure() << "not typable: " << typed[f];
    }
    return testing::AssertionSuccess();
}

std::string shown(const Problem& p, const Typed& typed) {
    std::string all = id(p.exercise) + " level " + std::to_string(p.level) + " seed " + std::to_string(p.seed) + ": " +
                      statement(p) + " ->";
    for (const std::string& t : typed) all += " [" + t + "]";
    return all;
}

class Practice : public testing::Test {
protected:
    void SetUp() override { setUpLanguage(); }
    void TearDown() override { setUpLanguage(); }
};

const char* const FIRST_WORDS[][4] = {
    {"Correct", "Right value, wrong form: ", "Not quite", "Cannot read that: "},
    {"Dobrze", "Dobra wartosc, zla postac: ", "Nie calkiem", "Nie rozumiem: "},
};

testing::AssertionResult judged(const Problem& p, const Typed& typed, VerdictKind kind, Mistake mistake = Mistake::none,
                                bool anyMistake = true) {
    const Verdict v = check(p, typed);
    const char* first = FIRST_WORDS[language == "Polish"][int(v.kind)];
    if (v.kind != kind || (!anyMistake && v.mistake != mistake) || v.text.rfind(first, 0) != 0)
        return testing::AssertionFailure() << shown(p, typed) << " gives " << v.text;
    return testing::AssertionSuccess();
}

}  // namespace

TEST_F(Practice, EveryExerciseAndLevelOverAThousandSeeds) {
    ASSERT_EQ(std::size(CASES), EXERCISE_COUNT);
    for (const Case& c : CASES)
        for (int level = LOWEST_LEVEL; level <= HIGHEST_LEVEL; ++level)
            for (std::uint64_t seed = 0; seed < SEEDS; ++seed) {
                const Problem p = generate(c.exercise, level, seed);
                ASSERT_TRUE(fits(p, p.answer)) << shown(p, p.answer);
                for (const std::string& input : p.inputs) ASSERT_LE(input.size(), 10u) << shown(p, p.inputs);  // as the exercise's fields hold it
                if (seed < 20) {
                    ASSERT_FALSE(hint(p, 2).empty()) << shown(p, p.answer);
                }
                ASSERT_TRUE(judged(p, p.answer, VerdictKind::correct));
                const Answer same = c.equivalent ? c.equivalent->answer(p) : std::nullopt;
                if (same) {
                    ASSERT_TRUE(judged(p, *same, c.equivalent->kind));
                }
                for (const MistakeCase& m : c.mistakes) {
                    const Answer mistaken = m.answer(p);
                    if (mistaken) {
                        ASSERT_TRUE(judged(p, *mistaken, m.kind, m.mistake, false));
                    }
                }
                const Typed wrong = wrongAnswer(p, seed);
                ASSERT_NE(check(p, wrong).kind, VerdictKind::correct) << shown(p, wrong);
                const Typed typo = anyTyping(p, seed);
                const Verdict v = check(p, typo);
                ASSERT_EQ(v.text.rfind(FIRST_WORDS[0][int(v.kind)], 0), 0u) << shown(p, typo);
            }
}

TEST_F(Practice, VerdictsNameTheMistakeInBothLanguages) {
    const Problem factors{Exercise::factors, 2, 0, {"360"}, {}, {}};
    EXPECT_EQ(check(factors, {"2*2*3*3*5"}).text, "Not quite: your factors multiply to 180, not 360");
    EXPECT_EQ(check(factors, {"2^3*9*5"}).text, "Right value, wrong form: 9 is not prime");
    EXPECT_EQ(check(factors, {"2*9*5"}).text, "Not quite: your factors multiply to 90, not 360; 9 is not prime");
    EXPECT_EQ(check(factors, {"5*3^2*2^3"}).text, "Correct");
    EXPECT_EQ(check(factors, {"2**3"}).text, "Cannot read that: write primes joined by *, like 2^3*5");
    const Problem gcd{Exercise::gcd, 2, 0, {"84", "126"}, {}, {}};
    EXPECT_EQ(statement(gcd), "Find the greatest common divisor of 84 and 126");
    EXPECT_EQ(check(gcd, {"21"}).text, "Not quite: 21 divides both, but there is a greater common divisor");
    const Problem divisible{Exercise::divisibility, 2, 0, {"387"}, {9}, {}};
    EXPECT_EQ(check(divisible, {"Y"}).text, "Correct: 9: the digit sum 18 is divisible by 9? yes");
    switchLanguage();
    EXPECT_EQ(statement(gcd), "Znajdz najwiekszy wspolny dzielnik liczb 84 i 126");
    EXPECT_TRUE(judged(gcd, {"10584"}, VerdictKind::wrong, Mistake::product_not_gcd, false));
    EXPECT_EQ(check(gcd, {"42"}).text, "Dobrze");
    EXPECT_EQ(check(factors, {"2*x"}).kind, VerdictKind::unreadable);
    for (Exercise e : allExercises())
        for (int stage = 1; stage <= HINT_STAGES; ++stage) EXPECT_FALSE(hint(generate(e, 2, 1), stage).empty()) << id(e);
}

TEST_F(Practice, SixFractionsNameTheFieldToMend) {
    const Problem six{Exercise::six_fractions, 1, 0, {"2", "4", "6", "9", "10", "5", "7", "7", "0", "3", "12", "8"}, {}, {}};
    EXPECT_EQ(check(six, {"1/2", "2/3", "2", "1", "0", "3/2"}).text, "Correct");
    EXPECT_EQ(check(six, {"1/2", "4/6", "2", "1", "0", "3/2"}).text, "Right value, wrong form: fraction 2: 4/6 can still be reduced");
    EXPECT_EQ(check(six, {"1/2", "4/6", "2", "1", "1", ""}).text, "Cannot read that: fraction 6: write a fraction like 3/4");
    EXPECT_EQ(check(six, {"1/2", "4/6", "2", "1", "1", "3/2"}).text, "Not quite: fraction 5");
}

TEST_F(Practice, TypingKeepsToTheFieldsForm) {
    const Problem lines = generate(Exercise::lines, 1, 0);
    const AnswerField x = answerFields(lines)[0];
    std::string typed;
    for (char c : std::string("-1,5/2nq")) typed = typeInto(x, typed, c);
    EXPECT_EQ(typed, "-1.5/2N");
    const AnswerField yesNo = answerFields(generate(Exercise::equality, 1, 0))[0];
    EXPECT_EQ(typeInto(yesNo, "", 'y'), "Y");
    EXPECT_EQ(typeInto(yesNo, "Y", 't'), "T");
    EXPECT_EQ(typeInto(yesNo, "T", '5'), "T");
    const AnswerField whole = answerFields(generate(Exercise::gcd, 1, 0))[0];
    EXPECT_EQ(typeInto(whole, std::string(whole.longest, '9'), '9').size(), whole.longest);
    EXPECT_EQ(answerText(lines, {"1/2", "3"}), "x = 1/2; y = 3");
}

TEST_F(Practice, ExercisesAreFoundByTheirScreensAndIds) {
    EXPECT_EQ(exerciseOn(1, 5), Exercise::gcd);
    EXPECT_EQ(exerciseOn(2, 3), Exercise::operations_reduced);
    EXPECT_EQ(exerciseOn(3, 4), Exercise::egyptian);
    EXPECT_EQ(exerciseOn(4, 3), Exercise::vectors);
    EXPECT_EQ(exerciseOn(3, 5), std::nullopt);
    EXPECT_EQ(exerciseOn(5, 1), std::nullopt);
    for (Exercise e : allExercises()) EXPECT_EQ(exerciseWithId(id(e)), e);
}

TEST(PracticeProgress, FiveOfTheLastSixWithoutAHintMaster) {
    Progress progress(7);
    const auto problem = [&](std::vector<VerdictKind> verdicts, int hints = 0) {
        progress.next(Exercise::gcd, 1);
        for (VerdictKind v : verdicts) progress.answered(Exercise::gcd, 1, v, hints);
    };
    const auto right = VerdictKind::correct, wrong = VerdictKind::wrong;
    for (int i = 0; i < 4; ++i) problem({VerdictKind::form, VerdictKind::unreadable, right});  // form and unreadable count neither way
    problem({wrong, right});   // the first answer decides
    problem({right}, 1);       // after a hint: neither way
    EXPECT_FALSE(progress.mastered(Exercise::gcd, 1));
    problem({right});          // 5 of the last 6
    EXPECT_TRUE(progress.mastered(Exercise::gcd, 1));
    EXPECT_FALSE(progress.mastered(Exercise::gcd, 2));
    EXPECT_FALSE(progress.mastered(Exercise::lcm, 1));
}

TEST(PracticeProgress, MissedAndSkippedProblemsComeBackWithinFive) {
    setUpLanguage();
    for (bool skip : {false, true}) {
        Progress progress(11);
        const Problem missed = progress.next(Exercise::reduce, 2);
        if (skip) {
            progress.skipped(Exercise::reduce, 2);
        } else {
            progress.answered(Exercise::reduce, 2, VerdictKind::wrong, 0);
        }
        Problem last = missed;
        int back = 0;
        for (int i = 0; i < 5; ++i) {
            const Problem p = progress.next(Exercise::reduce, 2);
            back += p.seed == missed.seed;
            progress.answered(Exercise::reduce, 2, VerdictKind::correct, 0);
            last = p;
        }
        EXPECT_EQ(back, 1) << (skip ? "skipped" : "missed");
    }
}

TEST(PracticeProgress, SequencesDependOnTheSeedAloneAndNeverRepeatAProblemAtOnce) {
    const auto sequence = [](std::uint64_t seed, bool detour) {
        Progress progress(seed);
        if (detour) progress.next(Exercise::primes, 1);
        std::vector<Problem> shown;
        for (int i = 0; i < 300; ++i) shown.push_back(progress.next(Exercise::divisibility, 1));
        return shown;
    };
    const std::vector<Problem> a = sequence(42, false), b = sequence(42, true), c = sequence(43, false);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(sameQuestion(a[i], b[i]));
        if (i > 0) {
            EXPECT_FALSE(sameQuestion(a[i], a[i - 1])) << i;
        }
    }
    EXPECT_FALSE(std::equal(a.begin(), a.end(), c.begin(), sameQuestion));
}

TEST(PracticeProgress, SavedFormReadsBackAndDamageGivesAFreshStart) {
    Progress progress(5);
    for (int i = 0; i < 5; ++i) {
        progress.next(Exercise::vectors, 3);
        progress.answered(Exercise::vectors, 3, VerdictKind::correct, 0);
    }
    progress.next(Exercise::goldbach, 2);
    progress.skipped(Exercise::goldbach, 2);
    const std::string saved = progress.text();
    bool damaged = true;
    const Progress read = Progress::read(saved, 9, &damaged);
    EXPECT_FALSE(damaged);
    EXPECT_TRUE(read.mastered(Exercise::vectors, 3));
    EXPECT_EQ(read.text(), saved);

    const std::string header = "calcora practice progress 1\n";
    for (const std::string& bad : std::vector<std::string>{"garbage", "calcora practice progress 2\n", header + "gcd 1 1 ccccc",
                                   header + "gcd 1 2 c -\n",
                                   header + "gcd 1 0 cx -\n", header + "gcd 1 0 ccccccc -\n", header + "gcd 1 0 c 12:9\n",
                                   header + "gcd 1 0 c 12\n", header + "gcd 1 0 c -1:1\n", header + "gcd 1 0 c -\ngcd 1 1 c -\n"}) {
        const Progress fresh = Progress::read(bad, 1, &damaged);
        EXPECT_TRUE(damaged) << bad;
        EXPECT_FALSE(fresh.mastered(Exercise::gcd, 1)) << bad;
        EXPECT_EQ(fresh.text(), header) << bad;
    }
    Progress::read("", 1, &damaged);
    EXPECT_FALSE(damaged);
    // A later version's exercise or level, CRLF line ends: read, and the unknown lines written back as they were.
    const Progress later = Progress::read(header + "nothing 1 0 c -\r\ngcd 1 1 ccccc -\r\ngcd 4 0 c -\r\n", 1, &damaged);
    EXPECT_FALSE(damaged);
    EXPECT_TRUE(later.mastered(Exercise::gcd, 1));
    EXPECT_EQ(later.text(), header + "gcd 1 1 ccccc -\nnothing 1 0 c -\ngcd 4 0 c -\n");
}

TEST(PracticeCsv, RowsAreQuotedForASpreadsheet) {
    EXPECT_EQ(csvHeader(), "time,exercise,level,problem,answer,verdict,hints\n");
    std::tm when{};
    when.tm_year = 126, when.tm_mon = 2, when.tm_mday = 5, when.tm_hour = 7, when.tm_min = 8, when.tm_sec = 9;
    CsvRow row{csvTime(when), Exercise::six_fractions, 2, "Reduce: 2/4, \"6/9\"", "1/2", VerdictKind::form, 1};
    EXPECT_EQ(csvRow(row), "2026-03-05 07:08:09,six_fractions,2,\"Reduce: 2/4, \"\"6/9\"\"\",1/2,form,1\n");
    row.verdict = std::nullopt;
    EXPECT_EQ(csvRow(row).substr(csvRow(row).size() - 11), ",skipped,1\n");
    row.verdict = VerdictKind::unreadable;
    EXPECT_EQ(csvRow(row), "");
}
