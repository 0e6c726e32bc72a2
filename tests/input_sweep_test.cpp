// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Every typable input of the sixteen exercises, through the screens' solve
// step: seeded random and boundary contents of every field, each answer
// checked by a property of its own (a remainder must multiply back, a reduced
// fraction must equal the typed one). The working of every answer is checked
// too: it ends with what the panel shows, each of its steps is true, and in
// Polish it speaks Polish. How quick the requests are is measured in bench/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "WorkingCheck.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "calc/Exact.h"

#include <boost/multiprecision/miller_rabin.hpp>
#include "calc/PrimeSieve.h"
#include "screens/ExerciseScreen.h"

using namespace calc;

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

using Typed = std::vector<std::string>;  // one typed text per field

// What a request left: the whole answer (for the saving exercises, the text
// of results.txt) and the five further lines.
struct Answer {
    std::string text;
    std::vector<std::string> lines;
    std::vector<std::string> panel;  // what the solution panel shows, in its order
};

const char* const DIGITS = "0123456789";
const char* const RECURRING_DECIMAL = "0123456789.[]";
constexpr unsigned SEED = 20240611;
constexpr int RANDOM_CASES = 300;

// ---- reading answers -----------------------------------------------------

Integer value(const std::string& digits) { return fromDecimal(digits); }

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The text after `prefix`, or a failure when the text does not start with it.
std::string after(const std::string& text, const std::string& prefix) {
    EXPECT_TRUE(startsWith(text, prefix)) << "\"" << text << "\" should start with \"" << prefix << "\"";
    return startsWith(text, prefix) ? text.substr(prefix.size()) : "";
}

// "n/d" written by the program: numerator and denominator.
std::pair<Integer, Integer> fractionParts(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        ADD_FAILURE() << "no fraction in \"" << text << "\"";
        return {0, 1};
    }
    return {fromDecimal(text.substr(0, slash)), fromDecimal(text.substr(slash + 1))};
}

// Exact rationals over the same back end as Integer.
#ifdef CALCORA_CPP_INT
using Rational = boost::multiprecision::cpp_rational;
#else
using Rational = boost::multiprecision::mpq_rational;
#endif

Rational rational(const Integer& numerator, const Integer& denominator) { return Rational(numerator) / Rational(denominator); }

void expectLowestTerms(const std::string& written, const Rational& expected) {
    const auto [numerator, denominator] = fractionParts(written);
    ASSERT_NE(denominator, 0) << written;
    EXPECT_EQ(rational(numerator, denominator), expected) << written;
    EXPECT_EQ(gcd(numerator, denominator), 1) << written << " is not in lowest terms";
}

bool isPrime(const Integer& n) { return boost::multiprecision::miller_rabin_test(n, 30); }

// A plain sieve of 0..1000000, kept for the whole run.
const std::vector<bool>& plainSieve() {
    static const std::vector<bool> prime = [] {
        std::vector<bool> sieve(1000001, true);
        sieve[0] = sieve[1] = false;
        for (std::size_t i = 2; i * i < sieve.size(); ++i)
            if (sieve[i])
                for (std::size_t j = i * i; j < sieve.size(); j += i) sieve[j] = false;
        return sieve;
    }();
    return prime;
}

// ---- one property per exercise -------------------------------------------

void remainder(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]), k = value(t[1]);
    if (k == 0) { EXPECT_EQ(a.text, lang_file->error_division_by_zero); return; }
    std::istringstream in(a.text);
    Integer writtenN, writtenK, m, r;
    std::string equals, times, plus;
    in >> writtenN >> equals >> writtenK >> times >> m >> plus >> r;
    ASSERT_TRUE(in && equals == "=" && times == "*" && plus == "+") << a.text;
    EXPECT_EQ(writtenN, n);
    EXPECT_EQ(writtenK, k);
    EXPECT_EQ(n, k * m + r) << a.text;
    EXPECT_TRUE(0 <= r && r < k) << a.text;
}

void primeListing(const Typed& t, const Answer& a) {
    const long from = value(t[0]).convert_to<long>();
    const Integer to = value(t[1]);
    if (to > 1000000) { EXPECT_EQ(a.lines[0] + a.text, lang_file->error_primes_range); return; }
    std::vector<long> expected;
    for (long p = from; p <= to.convert_to<long>(); ++p)
        if (plainSieve()[p]) expected.push_back(p);
    std::istringstream in(after(a.text, lang_file->program2));
    std::size_t count = 0;
    char semicolon = 0;
    in >> count >> semicolon;
    EXPECT_EQ(count, expected.size()) << a.text.substr(0, 80);
    std::vector<long> listed;
    for (long p; in >> p; in.ignore(1)) listed.push_back(p);  // "p, p, "
    EXPECT_EQ(listed, expected);
}

void factorisation(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]);
    if (n < 2) { EXPECT_EQ(a.text, lang_file->program3_3); return; }
    Integer product = 1, previous = 0;
    for (const std::string& written : split(after(a.text, lang_file->program3_1 + n.str() + lang_file->program3_2), " x ")) {
        const Integer factor = fromDecimal(written);
        EXPECT_TRUE(isPrime(factor)) << a.text;
        EXPECT_LE(previous, factor) << a.text;
        product *= previous = factor;
    }
    EXPECT_EQ(product, n) << a.text;
}

void divisibility(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]);
    std::string expected;
    for (int d : {2, 3, 4, 5, 8, 9, 11, 12, 15, 18})
        expected += std::to_string(d) + (n % d == 0 ? lang_file->program4_1 : lang_file->program4_2);
    EXPECT_EQ(a.lines[0], lang_file->program4_3);
    EXPECT_EQ(a.lines[1], expected);
}

// "<label>n i k<is>result" with the typed values as numbers.
Integer pairResult(const Typed& t, const Answer& a, const std::string& label, const std::string& is) {
    return fromDecimal(after(a.text, label + value(t[0]).str() + " i " + value(t[1]).str() + is));
}

void greatestCommonDivisor(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]), k = value(t[1]);
    const Integer g = pairResult(t, a, lang_file->program5_1, lang_file->program5_2);
    if (g == 0) { EXPECT_TRUE(n == 0 && k == 0) << a.text; return; }
    EXPECT_TRUE(n % g == 0 && k % g == 0) << a.text;
    EXPECT_EQ(gcd(n / g, k / g), 1) << a.text << ": a greater common divisor exists";
}

void lowestCommonMultiple(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]), k = value(t[1]);
    const Integer l = pairResult(t, a, lang_file->program6_1, lang_file->program6_2);
    if (n == 0 || k == 0) { EXPECT_EQ(l, 0) << a.text; return; }
    EXPECT_TRUE(l % n == 0 && l % k == 0) << a.text;
    EXPECT_EQ(l * gcd(n, k), n * k) << a.text;
}

void goldbach(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]);
    if (n < 4 || n > 2500) { EXPECT_EQ(a.lines[0] + a.text, lang_file->program7_1); return; }
    const std::string pairs = after(a.text, n.str() + " = ");
    std::vector<long> expected, written;
    for (long p = 2; p <= n.convert_to<long>() / 2; ++p)
        if (plainSieve()[p] && plainSieve()[n.convert_to<long>() - p]) expected.push_back(p);
    if (expected.empty()) { EXPECT_EQ(a.lines[0], lang_file->program7_2); return; }
    std::istringstream in(pairs);
    long p, q;
    for (std::string plus; in >> p >> plus >> q;) {
        EXPECT_EQ(p + q, n) << a.text;
        written.push_back(p);
    }
    EXPECT_EQ(written, expected);
}

// Lines "a/b op c/d = N/D     " for +, -, *, /, checked against exact rationals.
void fourOperations(const Typed& t, const Answer& a, bool reduced) {
    const Integer n1 = value(t[0]), d1 = value(t[1]), n2 = value(t[2]), d2 = value(t[3]);
    if (d1 == 0 || d2 == 0) {
        EXPECT_EQ(a.lines[0], lang_file->error_zero_denominator);
        EXPECT_EQ(a.lines[1] + a.lines[2] + a.lines[3], "");
        return;
    }
    const Rational x = rational(n1, d1), y = rational(n2, d2);
    const std::string operands = n1.str() + "/" + d1.str() + " ? " + n2.str() + "/" + d2.str() + " = ";
    const char signs[] = "+-*/";
    for (int k = 0; k < 4; ++k) {
        if (k == 3 && n2 == 0) {
            EXPECT_EQ(a.lines[3], lang_file->error_division_by_zero);
            continue;
        }
        std::string prefix = operands;
        prefix[prefix.find('?')] = signs[k];
        const std::string result = after(a.lines[k], prefix);
        const auto [numerator, denominator] = fractionParts(result.substr(0, result.find(' ')));
        const Rational expected = k == 0 ? Rational(x + y) : k == 1 ? Rational(x - y)
                                  : k == 2 ? Rational(x * y) : Rational(x / y);
        ASSERT_NE(denominator, 0) << a.lines[k];
        EXPECT_EQ(rational(numerator, denominator), expected) << a.lines[k];
        if (reduced) {
            EXPECT_EQ(gcd(numerator, denominator), 1) << a.lines[k];
        }
    }
}

void operationsUnreduced(const Typed& t, const Answer& a) { fourOperations(t, a, false); }
void operationsReduced(const Typed& t, const Answer& a) { fourOperations(t, a, true); }

void reduce(const Typed& t, const Answer& a) {
    if (value(t[1]) == 0) { EXPECT_EQ(a.text, lang_file->error_zero_denominator); return; }
    expectLowestTerms(a.text, rational(value(t[0]), value(t[1])));
}

void equality(const Typed& t, const Answer& a) {
    const Integer n1 = value(t[0]), d1 = value(t[1]), n2 = value(t[2]), d2 = value(t[3]);
    if (d1 == 0 || d2 == 0) { EXPECT_EQ(a.text, lang_file->error_zero_denominator); return; }
    EXPECT_EQ(a.text, n1 * d2 == n2 * d1 ? lang_file->program11_1 : lang_file->program11_2);
}

void sixFractions(const Typed& t, const Answer& a) {
    std::string Language::*const labels[] = {&Language::program12_1, &Language::program12_2, &Language::program12_3,
                                             &Language::program12_4, &Language::program12_5, &Language::program12_6};
    for (int k = 0; k < 6; ++k) {
        const std::string& line = a.lines[k / 2];
        const std::size_t at = line.find((*lang_file).*labels[k]);
        ASSERT_NE(at, std::string::npos) << line;
        const std::size_t start = at + ((*lang_file).*labels[k]).size();
        const std::string written = line.substr(start, line.find("     ", start) - start);
        if (value(t[2 * k + 1]) == 0) {
            EXPECT_EQ(written, lang_file->error_zero_denominator);
        } else {
            expectLowestTerms(written, rational(value(t[2 * k]), value(t[2 * k + 1])));
        }
    }
}

// "Mixed fraction: W r/d": whole part and a proper fraction over the typed denominator.
void mixedFraction(const Typed& t, const Answer& a) {
    const Integer l = value(t[0]), m = value(t[1]);
    if (m == 0) { EXPECT_EQ(a.text, lang_file->error_zero_denominator); return; }
    const std::string rest = after(a.text, lang_file->program13);
    if (rest == "0") { EXPECT_EQ(l, 0) << a.text; return; }
    const std::size_t blank = rest.find(' ');
    const Integer whole = blank == std::string::npos ? Integer(0) : fromDecimal(rest.substr(0, blank));
    const std::string proper = blank == std::string::npos ? rest : rest.substr(blank + 1);
    Integer r = 0, d = m;
    if (!proper.empty()) std::tie(r, d) = fractionParts(proper);
    EXPECT_EQ(d, m) << a.text;
    EXPECT_TRUE(0 <= r && r < d && (proper.empty() || r > 0)) << a.text;
    EXPECT_EQ(whole * m + r, l) << a.text;
}

bool allDigits(const std::string& s) { return std::all_of(s.begin(), s.end(), ::isdigit); }

// Digits, ".", digits, "[", at least one digit, "]" at the end: the value is
// W + B/10^k + A/((10^p - 1)·10^k), a geometric series of the period A.
void recurringDecimal(const Typed& t, const Answer& a) {
    const std::string& s = t[0];
    const std::size_t point = s.find('.'), open = s.find('['), close = s.size() - 1;
    const bool accepted = open != std::string::npos && point < open && open + 1 < close && s[close] == ']' && allDigits(s.substr(0, point)) &&
                          allDigits(s.substr(point + 1, open - point - 1)) &&
                          allDigits(s.substr(open + 1, close - open - 1));
    if (!accepted) { EXPECT_EQ(a.text, lang_file->error_recurring_decimal) << s; return; }
    const std::string whole = s.substr(0, point), before = s.substr(point + 1, open - point - 1),
                      period = s.substr(open + 1, close - open - 1);
    const Integer shift = powerOfTen(before.size()), nines = powerOfTen(period.size()) - 1;
    const Rational expected = rational(whole.empty() ? Integer(0) : value(whole), 1) +
                               rational(before.empty() ? Integer(0) : value(before), shift) +
                               rational(value(period), nines * shift);
    SCOPED_TRACE(s);
    expectLowestTerms(a.text, expected);
}

void comparison(const Typed& t, const Answer& a) {
    const Integer n1 = value(t[0]), d1 = value(t[1]), n2 = value(t[2]), d2 = value(t[3]);
    if (d1 == 0 || d2 == 0) { EXPECT_EQ(a.text, lang_file->error_zero_denominator); return; }
    const int order = sgn(Integer(n1 * d2 - n2 * d1));
    EXPECT_EQ(a.text, order > 0 ? lang_file->program15_1 : order < 0 ? lang_file->program15_2 : lang_file->program15_3);
}

bool wholeNumber(const Typed& t) { return value(t[1]) != 0 && value(t[0]) % value(t[1]) == 0; }

// " a/b = W + 1/x + 1/y + ... + 1/z": distinct unit fractions that sum back.
void egyptianFractions(const Typed& t, const Answer& a) {
    const Integer n = value(t[0]), d = value(t[1]);
    if (d == 0) { EXPECT_EQ(a.text, lang_file->error_zero_denominator); return; }
    if (wholeNumber(t) || a.text == lang_file->error_too_long) return;
    std::vector<std::string> terms = split(after(a.text, " " + n.str() + "/" + d.str() + " = "), " + ");
    Rational sum = 0;
    if (terms.front().find('/') == std::string::npos) {
        sum = Rational(fromDecimal(terms.front()));
        terms.erase(terms.begin());
    }
    Integer previous = 0;
    for (const std::string& term : terms) {
        const auto [one, denominator] = fractionParts(term);
        EXPECT_EQ(one, 1) << a.text;
        EXPECT_LT(previous, denominator) << a.text << ": unit fractions must differ";
        sum += rational(1, previous = denominator);
    }
    EXPECT_EQ(sum, rational(n, d)) << a.text;
}

// ---- the sixteen exercises -------------------------------------------------

struct Exercise {
    const char* request;
    Screen chapter;
    std::vector<Field> fields;
    const char* alphabet;
    void (*check)(const Typed&, const Answer&);
    bool (*silent)(const Typed&) = nullptr;  // inputs left without an answer by design
};

void PrintTo(const Exercise& exercise, std::ostream* out) { *out << exercise.request; }

using F = Field;
const Exercise EXERCISES[] = {
    {"part1_program1", Screen::part1, {F::part1_program1_n, F::part1_program1_k}, DIGITS, remainder},
    {"part1_program2", Screen::part1, {F::part1_program2_from, F::part1_program2_to}, DIGITS, primeListing},
    {"part1_program3", Screen::part1, {F::part1_program3_n}, DIGITS, factorisation},
    {"part1_program4", Screen::part1, {F::part1_program4_n}, DIGITS, divisibility},
    {"part1_program5", Screen::part1, {F::part1_program5and6_n1, F::part1_program5and6_n2}, DIGITS,
     greatestCommonDivisor},
    {"part1_program6", Screen::part1, {F::part1_program5and6_n1, F::part1_program5and6_n2}, DIGITS,
     lowestCommonMultiple},
    {"part1_program7", Screen::part1, {F::part1_program7_n}, DIGITS, goldbach},
    {"part2_program1", Screen::part2,
     {F::part2_program1_n1a, F::part2_program1_n1b, F::part2_program1_n2a, F::part2_program1_n2b}, DIGITS,
     operationsUnreduced},
    {"part2_program2", Screen::part2, {F::part2_program2_n_a, F::part2_program2_n_b}, DIGITS, reduce},
    {"part2_program3", Screen::part2,
     {F::part2_program3_n1a, F::part2_program3_n1b, F::part2_program3_n2a, F::part2_program3_n2b}, DIGITS,
     operationsReduced},
    {"part2_program4", Screen::part2,
     {F::part2_program4_n1a, F::part2_program4_n1b, F::part2_program4_n2a, F::part2_program4_n2b}, DIGITS, equality},
    {"part2_program5", Screen::part2,
     {F::part2_program5_n1a, F::part2_program5_n1b, F::part2_program5_n2a, F::part2_program5_n2b,
      F::part2_program5_n3a, F::part2_program5_n3b, F::part2_program5_n4a, F::part2_program5_n4b,
      F::part2_program5_n5a, F::part2_program5_n5b, F::part2_program5_n6a, F::part2_program5_n6b},
     DIGITS, sixFractions},
    {"part3_program1", Screen::part3, {F::part3_program1_n_a, F::part3_program1_n_b}, DIGITS, mixedFraction},
    {"part3_program2", Screen::part3, {F::part3_program2_n}, RECURRING_DECIMAL, recurringDecimal},
    {"part3_program3", Screen::part3,
     {F::part3_program3_n1a, F::part3_program3_n1b, F::part3_program3_n2a, F::part3_program3_n2b}, DIGITS,
     comparison},
    {"part3_program4", Screen::part3, {F::part3_program4_n_a, F::part3_program4_n_b}, DIGITS, egyptianFractions,
     wholeNumber},
};

// ---- the inputs ------------------------------------------------------------

// Values at the edges of the exercises' ranges and of 32 and 64 bits.
const char* const BOUNDARY_NUMBERS[] = {
    "0", "1", "2", "3", "4", "9", "10", "00", "007", "0000000000", "0000000001", "999999", "1000000", "1000001",
    "2499", "2500", "2501", "1000000000", "2147483647", "2147483648", "4294967295", "4294967296", "4294967297",
    "9999999967", "9999999999",
};

// Shapes of recurring decimals, accepted and not, that the field lets a pupil type.
const char* const DECIMAL_SHAPES[] = {
    "5", "0.5", "0.[]", "0.[3", "0.[3]4", "0..[3]", "[3].0", ".[", "]", "[", "[]", "..", ".", "0.12[857]]",
    "0.[3[4]]", "0.[3]]", "0.[[3]", "0.]3[", "0.[3].", "0.1[2]3]", "[.3]", "0[.3]", ".[3]", "0.[3]", "0.[9]",
    "0.0[1]", "123.4[5]", "0.[000]", "9999.[99]", "0.[999999]", "00000.[00]", "0.12345[6]", ".[1234567]",
};

class Inputs {
public:
    Inputs(const Exercise& exercise, unsigned seed) : exercise_(exercise), random_(seed) {}

    std::vector<Typed> all() {
        std::vector<Typed> cases;
        for (int i = 0; i < RANDOM_CASES; ++i) cases.push_back(randomCase());
        if (exercise_.alphabet == RECURRING_DECIMAL) {
            for (const char* shape : DECIMAL_SHAPES) cases.push_back({shape});
            for (int i = 0; i < RANDOM_CASES; ++i) cases.push_back({acceptedDecimal()});
        } else {
            for (const char* number : BOUNDARY_NUMBERS) {
                cases.push_back(Typed(exercise_.fields.size(), number));
                for (std::size_t at = 0; at < exercise_.fields.size(); ++at) cases.push_back(with(at, number));
            }
        }
        for (std::size_t at = 0; at < exercise_.fields.size(); ++at) cases.push_back(with(at, ""));
        return cases;
    }

private:
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(random_); }

    std::string randomText(const char* alphabet, int length) {
        std::string text;
        const int last = int(std::char_traits<char>::length(alphabet)) - 1;
        while (int(text.size()) < length) text += alphabet[upTo(last)];
        return text;
    }

    Typed randomCase() {
        Typed typed;
        for (std::size_t i = 0; i < exercise_.fields.size(); ++i)
            typed.push_back(randomText(exercise_.alphabet, 1 + upTo(FIELD_MAX_LENGTH - 1)));
        return typed;
    }

    Typed with(std::size_t at, const std::string& text) {
        Typed typed = randomCase();
        typed[at] = text;
        return typed;
    }

    // "W.B[A]" of at most 10 characters with at least one period digit.
    std::string acceptedDecimal() {
        const int whole = upTo(3), before = upTo(6 - whole);
        return randomText(DIGITS, whole) + "." + randomText(DIGITS, before) + "[" +
               randomText(DIGITS, 1 + upTo(6 - whole - before)) + "]";
    }

    const Exercise& exercise_;
    std::mt19937 random_;
};

// ---- the sweep ---------------------------------------------------------------

class InputSweep : public ::testing::TestWithParam<Exercise> {
protected:
    static void SetUpTestSuite() { PrimeSieve::shared(); }  // built once per run, at the first prime request
    void SetUp() override { useEnglish(); }

    // Types the texts as a pupil would, one character at a time, asks for the
    // exercise and runs the screen's solve step.
    Answer solve(const Exercise& exercise, const Typed& typed) {
        for (std::size_t i = 0; i < typed.size(); ++i) {
            cpu.clearField(exercise.fields[i]);
            for (char c : typed[i]) cpu.setField(exercise.fields[i], std::string(1, c));
            EXPECT_EQ(cpu.getField(exercise.fields[i]), typed[i]) << "not typable";
        }
        cpu.setSolveThisProgram(exercise.request);
        fs::remove("results.txt");
        runSolveStep(cpu, exercise.chapter, results);
        EXPECT_EQ(cpu.getSolveThisProgram(), "solved");
        Answer answer{cpu.getSolution(), {}, {cpu.getSolution()}};
        for (int line = 1; line <= 5; ++line) answer.lines.push_back(cpu.getSolutionLine(line));
        answer.panel.insert(answer.panel.end(), answer.lines.begin(), answer.lines.end());
        // A request without an answer (only a message, or nothing) writes no results.txt.
        if (savesResults(exercise) && fs::exists("results.txt")) {
            answer.text = folder.results();
            if (answer.text.empty() || answer.text.back() != '\n') ADD_FAILURE() << "results.txt: " << answer.text;
            else answer.text.pop_back();
        }
        return answer;
    }

    static bool savesResults(const Exercise& exercise) {
        for (const SolveStep& step : solveSteps())
            if (exercise.request == requestName(step.exercise)) return step.saves_results;
        return false;
    }

    static bool showsText(const Answer& a) {
        return !a.text.empty() || std::any_of(a.lines.begin(), a.lines.end(), [](auto& l) { return !l.empty(); });
    }

    PrivateRunFolder folder{"sweep"};  // the prime listing and Goldbach write results.txt
    CPU cpu;
    OutputToTextFile results;
};

std::string shown(const Typed& typed) {
    std::string all;
    for (const std::string& t : typed) all += "\"" + t + "\" ";
    return all;
}

TEST_P(InputSweep, EveryTypableInputGivesASoundAnswer) {
    const Exercise& exercise = GetParam();
    const auto index = std::find_if(std::begin(EXERCISES), std::end(EXERCISES),
                                    [&](const Exercise& e) { return e.request == exercise.request; }) - EXERCISES;
    const unsigned seed = SEED + unsigned(index);
    const std::vector<Typed> cases = Inputs(exercise, seed).all();
    for (const Typed& typed : cases) {
        SCOPED_TRACE(shown(typed));
        const Answer answer = solve(exercise, typed);
        const bool anyEmpty = std::any_of(typed.begin(), typed.end(), [](auto& t) { return t.empty(); });
        if (anyEmpty || (exercise.silent && exercise.silent(typed))) {
            EXPECT_FALSE(showsText(answer)) << answer.text;
            continue;
        }
        ASSERT_TRUE(showsText(answer));
        exercise.check(typed, answer);
        checkWorking(exercise.request, typed, answer.panel);
        checkPolishWording(exercise.request, typed);
        if (HasFatalFailure()) return;
    }
    std::cout << exercise.request << ", seed " << seed << ": " << cases.size() << " requests\n";
    RecordProperty("requests", int(cases.size()));
}

INSTANTIATE_TEST_SUITE_P(Exercises, InputSweep, ::testing::ValuesIn(EXERCISES),
                         [](const auto& info) { return std::string(info.param.request); });

}  // namespace
