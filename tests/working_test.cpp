// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings: every step true and the last lines the panel's answer. The
// chapter 1 to 3 exercises are checked inside the input sweep (through
// `checkWorking`); here the plots get a sweep of their own, and the lines the
// pupils' teachers asked for by name are looked for in both languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include <gmpxx.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "WorkingCheck.h"
#include "app/CPU.h"
#include "app/OutputToTextFile.h"
#include "app/GlobalVariables.h"
#include "gfx/Layout.h"
#include "calc/LineCut.h"
#include "calc/Plane.h"
#include "working/Working.h"
#include "screens/DifferentScreens.h"
#include "screens/ExerciseScreen.h"
#include "screens/WorkingScreen.h"

namespace testsupport {
namespace {

using Q = mpq_class;

bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }
bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// ---- an evaluator of the formula lines -------------------------------------
// Numbers, + - * and ":" (division); "/" between two things without blanks
// is a fraction bar and binds tighter than " / ", which divides.
class Expression {
public:
    explicit Expression(std::string s) : s_(std::move(s)) {}

    std::optional<Q> value() {
        std::optional<Q> v = sum();
        if (at_ != s_.size()) return std::nullopt;
        return v;
    }

private:
    void blanks() { while (at_ < s_.size() && s_[at_] == ' ') ++at_; }
    bool take(const std::string& token) {
        if (s_.compare(at_, token.size(), token) != 0) return false;
        at_ += token.size();
        return true;
    }

    std::optional<Q> sum() {
        std::optional<Q> v = product();
        while (v) {
            if (take(" + ")) { auto r = product(); v = r ? std::optional<Q>(*v + *r) : std::nullopt; }
            else if (take(" - ")) { auto r = product(); v = r ? std::optional<Q>(*v - *r) : std::nullopt; }
            else break;
        }
        return v;
    }
    std::optional<Q> product() {
        std::optional<Q> v = fraction();
        while (v) {
            const bool times = take(" * ");
            if (!times && !take(" : ") && !take(" / ")) break;
            auto r = fraction();
            if (!r || (!times && *r == 0)) return std::nullopt;
            v = times ? Q(*v * *r) : Q(*v / *r);
        }
        return v;
    }
    std::optional<Q> fraction() {
        std::optional<Q> v = signedAtom();
        while (v && take("/")) {
            auto r = signedAtom();
            if (!r || *r == 0) return std::nullopt;
            v = Q(*v / *r);
        }
        return v;
    }
    std::optional<Q> signedAtom() {
        if (take("-")) { auto v = signedAtom(); return v ? std::optional<Q>(-*v) : std::nullopt; }
        if (take("(")) {
            auto v = sum();
            return v && take(")") ? v : std::nullopt;
        }
        const std::size_t start = at_;
        while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
        if (at_ == start) return std::nullopt;
        return Q(mpz_class(s_.substr(start, at_ - start), 10));
    }

    std::string s_;
    std::size_t at_ = 0;
};

std::optional<Q> evaluate(const std::string& s) { return Expression(s).value(); }

bool isFormula(const std::string& line) {
    return contains(line, " = ") && line.find_first_not_of("0123456789 +-*/:()=") == std::string::npos;
}

// "a = b = c": every side has a value and all are equal.
void expectChainHolds(const std::string& chain, const std::string& line) {
    std::optional<Q> first;
    for (const std::string& side : split(chain, " = ")) {
        const std::optional<Q> v = evaluate(side);
        ASSERT_TRUE(v) << "\"" << side << "\" in \"" << line << "\"";
        if (!first) first = v;
        EXPECT_EQ(*v, *first) << line;
    }
}

// The value a chain ends with.
Q lastValue(const std::string& chain) {
    const std::optional<Q> v = evaluate(split(chain, " = ").back());
    EXPECT_TRUE(v) << chain;
    return v ? *v : Q(0);
}

// The numbers of a text, in order ("-3/4" is read as -3 and 4).
std::vector<mpz_class> numbersIn(const std::string& s) {
    std::vector<mpz_class> numbers;
    for (std::size_t i = 0; i < s.size();) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; continue; }
        std::size_t j = i;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
        mpz_class n(s.substr(i, j - i), 10);
        numbers.push_back(i > 0 && s[i - 1] == '-' ? mpz_class(-n) : n);
        i = j;
    }
    return numbers;
}

bool isPrime(const mpz_class& n) { return n > 1 && mpz_probab_prime_p(n.get_mpz_t(), 30) > 0; }

mpz_class digitSum(mpz_class n, bool alternating) {
    mpz_class sum = 0;
    for (int sign = 1; n > 0; n /= 10, sign = alternating ? -sign : 1) sum += sign * mpz_class(n % 10);
    return sum;
}

// ---- lines with words ----------------------------------------------------

// The value of a typed plot field: "-", digits, "." and digits as far as
// that shape goes (compared with the plot screens' own reading below).
Q decimal(const std::string& typed) {
    std::size_t at = typed.rfind('-', 0) == 0 ? 1 : 0;
    std::string digits;
    std::size_t decimals = 0, points = 0;
    for (; at < typed.size(); ++at) {
        if (typed[at] == '.' && ++points == 1) continue;
        if (!std::isdigit(static_cast<unsigned char>(typed[at]))) break;
        digits += typed[at];
        decimals += points;
    }
    if (digits.empty()) return 0;
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, decimals);
    Q q(mpz_class(digits, 10) * (typed[0] == '-' ? -1 : 1), scale);
    q.canonicalize();
    return q;
}

// "(x, y)" at the end of a line.
std::pair<Q, Q> pointAtEnd(const std::string& line) {
    const std::size_t open = line.rfind('('), comma = line.rfind(", ");
    const auto x = evaluate(line.substr(open + 1, comma - open - 1));
    const auto y = evaluate(line.substr(comma + 2, line.size() - comma - 3));
    EXPECT_TRUE(x && y) << line;
    return {x ? *x : Q(0), y ? *y : Q(0)};
}

// A vector line with each "[p, q]" replaced by "(p)" (first component) or "(q)".
std::string component(const std::string& line, int which) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '[') { out += line[i]; continue; }
        const std::size_t comma = line.find(", ", i), close = line.find(']', i);
        out += "(" + (which == 0 ? line.substr(i + 1, comma - i - 1) : line.substr(comma + 2, close - comma - 2)) + ")";
        i = close;
    }
    return out;
}

// "|[x, y]| = sqrt(s) = r" or without the root's value.
void expectLength(const std::string& line) {
    const std::size_t open = line.find("sqrt("), close = line.find(')', open);
    const auto x = evaluate(component(line.substr(1, line.find('|', 1) - 1), 0));
    const auto y = evaluate(component(line.substr(1, line.find('|', 1) - 1), 1));
    const auto square = evaluate(line.substr(open + 5, close - open - 5));
    ASSERT_TRUE(x && y && square) << line;
    EXPECT_EQ(*square, *x * *x + *y * *y) << line;
    if (close + 1 < line.size()) {
        const auto root = evaluate(line.substr(close + 4));
        ASSERT_TRUE(root) << line;
        EXPECT_TRUE(*root >= 0 && *root * *root == *square) << line;
    }
}

struct Context {
    std::vector<mpz_class> whole;  // the typed texts read as the exercises read them
};

// One step of any working; narration and the recurring decimal's algebra
// (checked on its own) pass through.
void checkStep(const std::string& line, const Context& c) {
    std::vector<mpz_class> n = numbersIn(line);
    const std::size_t written = n.size();
    n.resize(std::max<std::size_t>(n.size(), 8), -1);  // a line short of numbers fails its check, not the test
    const auto yes = [&](bool truth) { EXPECT_EQ(line.substr(line.rfind(' ') + 1), truth ? "yes" : "no") << line; };
    if (isFormula(line)) { expectChainHolds(line, line); return; }
    if (startsWith(line, "The remainder ")) { EXPECT_LT(n[0], n[1]) << line; return; }
    if (contains(line, " remainder ") && contains(line, " : ")) {  // "n : k = q remainder r"
        EXPECT_TRUE(n[1] > 0 && n[0] == n[1] * n[2] + n[3] && 0 <= n[3] && n[3] < n[1]) << line;
        return;
    }
    if (startsWith(line, "Check: ")) { expectChainHolds(line.substr(7), line); return; }
    if (startsWith(line, "LCM = ")) {
        EXPECT_EQ(lastValue(line.substr(6)), Q(lcm(n[0], n[1]))) << line;
        expectChainHolds(line.substr(6), line);
        return;
    }
    if (startsWith(line, "GCD(")) { EXPECT_EQ(gcd(n[0], n[1]), n[2]) << line; return; }  // also "= 1: already in lowest terms"
    if (startsWith(line, "GCD = ")) { EXPECT_EQ(gcd(c.whole[0], c.whole[1]), n[0]) << line; return; }
    if (contains(line, "already in lowest terms")) {  // "k) GCD(a, b) = 1, so a/b is already in lowest terms"
        EXPECT_EQ(gcd(n[1], n[2]), 1) << line;
        EXPECT_EQ(n[3], 1) << line;
        return;
    }
    if (contains(line, ") GCD(")) {  // "k) GCD(a, b) = g, so a/b = r"
        EXPECT_EQ(gcd(n[1], n[2]), n[3]) << line;
        expectChainHolds(line.substr(line.find(", so ") + 5), line);
        EXPECT_EQ(gcd(n[6], n[7]), 1) << line;
        return;
    }
    if (contains(line, ": strike ")) {  // "p: strike p*p, p*p + p, ..."
        EXPECT_TRUE(isPrime(n[0]) && n[0] * n[0] <= c.whole[1]) << line;
        for (std::size_t i = 1; i < written; ++i) EXPECT_EQ(n[i], n[0] * n[0] + (i - 1) * n[0]) << line;
        return;
    }
    if (startsWith(line, "The range runs backwards")) { EXPECT_GT(n[0], n[1]) << line; return; }
    if (startsWith(line, "The range ends at ")) { EXPECT_LT(n[0], 2) << line; return; }
    if (contains(line, " < 1: a proper fraction")) { EXPECT_LT(n[0], n[1]) << line; return; }
    if (startsWith(line, "Left unstruck from ")) {
        unsigned long count = 0;
        for (mpz_class p = n[0]; p <= n[1]; ++p) count += isPrime(p);
        EXPECT_EQ(n[2], count) << line;
        return;
    }
    if (contains(line, " is prime: no number d")) { EXPECT_TRUE(isPrime(n[0])) << line; return; }
    if (contains(line, " is prime: ")) {  // "n - p = q is prime: n = p + q"
        EXPECT_TRUE(isPrime(n[1]) && isPrime(n[2]) && n[0] == n[1] + n[2]) << line;
        return;
    }
    if (contains(line, " is not prime")) { EXPECT_TRUE(n[0] - n[1] == n[2] && !isPrime(n[2])) << line; return; }
    if (contains(line, "divisible by")) {  // "d: <rule> <evidence> ...? yes"
        const mpz_class& number = c.whole[0];
        const bool both = contains(line, " and by ");
        yes(both ? number % n[1] == 0 && number % n[2] == 0 : number % n[0] == 0);
        EXPECT_EQ(number % n[0] == 0, line.substr(line.rfind(' ') + 1) == "yes") << line;
        const mpz_class evidence = contains(line, "last digit ") ? mpz_class(number % 10)
                                   : contains(line, "last 2 digits") ? mpz_class(number % 100)
                                   : contains(line, "last 3 digits") ? mpz_class(number % 1000)
                                   : contains(line, "alternating") ? digitSum(number, true)
                                   : contains(line, "digit sum") ? digitSum(number, false) : mpz_class(-1);
        const std::size_t at = contains(line, "last 2 digits") || contains(line, "last 3 digits") ? 2 : 1;
        if (evidence >= 0 || contains(line, "alternating")) {
            EXPECT_EQ(n[at], evidence) << line;
        }
        return;
    }
    if (contains(line, ": the fractions are equal")) { EXPECT_EQ(n[0], n[1]) << line; return; }
    if (contains(line, ": the fractions are not equal")) { EXPECT_NE(n[0], n[1]) << line; return; }
    if (contains(line, " is greater")) {  // "l > r, so a/b is greater"
        EXPECT_TRUE(contains(line, " > ") ? n[0] > n[1] : n[0] < n[1]) << line;
        return;
    }
    if (startsWith(line, "The largest unit fraction below ")) {  // 1/m < rest <= 1/(m - 1)
        const Q rest(n[0], n[1]), unit(1, n[3]);
        EXPECT_TRUE(unit < rest && (n[3] == 1 || rest <= Q(1, n[3] - 1))) << line;
        return;
    }
    if (contains(line, " has the numerator 1")) { EXPECT_EQ(n[0], 1) << line; return; }
}

// The recurring decimal's lines against the typed value: "kx = digits.[period]",
// "kx = n" and "x = n/d = reduced".
void checkRecurring(const Working& w, const std::string& typed) {
    const std::size_t point = typed.find('.'), open = typed.find('[');
    const std::string before = typed.substr(point + 1, open - point - 1), period = typed.substr(open + 1, typed.size() - open - 2);
    mpz_class shift, nines;
    mpz_ui_pow_ui(shift.get_mpz_t(), 10, before.size());
    mpz_ui_pow_ui(nines.get_mpz_t(), 10, period.size());
    nines -= 1;
    const std::string whole = typed.substr(0, point);
    Q x = Q(whole.empty() ? mpz_class(0) : mpz_class(whole, 10)) + Q(before.empty() ? mpz_class(0) : mpz_class(before, 10), shift) +
          Q(mpz_class(period, 10), nines * shift);
    x.canonicalize();
    for (const std::string& line : w.steps) {
        const std::size_t equals = line.find("x = ");
        if (equals == std::string::npos) continue;
        const Q factor = equals == 0 ? Q(1) : Q(mpz_class(line.substr(0, equals), 10));
        std::string right = line.substr(equals + 4);
        if (const std::size_t bracket = right.find(".["); bracket != std::string::npos) {
            // d.[A] is d plus A repeating: d + A/(10^p - 1)
            const std::string digits = right.substr(bracket + 2, right.size() - bracket - 3);
            mpz_class repeat;
            mpz_ui_pow_ui(repeat.get_mpz_t(), 10, digits.size());
            Q value = Q(mpz_class(right.substr(0, bracket), 10)) + Q(mpz_class(digits, 10), repeat - 1);
            value.canonicalize();
            EXPECT_EQ(factor * x, value) << line;
        } else if (equals == 0 && right.find('[') != std::string::npos) {
            continue;  // "x = 0.12[857]", the typed number itself
        } else {
            expectChainHolds(right, line);
            EXPECT_EQ(factor * x, lastValue(right)) << line;
        }
    }
}

// Whether `line` at `at` is preceded by a product "... * b " (the division
// with remainder "a = q * b + 0" writes its remainder even when 0).
bool afterProduct(const std::string& line, std::size_t at) {
    std::size_t i = at;
    if (i == 0 || line[--i] != ' ') return false;
    const std::size_t digitsEnd = i;
    while (i > 0 && std::isdigit(static_cast<unsigned char>(line[i - 1]))) --i;
    return i < digitsEnd && i >= 3 && line.compare(i - 3, 3, " * ") == 0;
}

// Signs and zeros as a teacher writes them: no "+ -", no term whose
// coefficient is 0 or 1 ("0x", "1x", "0w1"), no lone 0 added ("x + 0 = 0");
// the typed values themselves ("1/2 + 0/3", "1 * 3 + 0 * 2") stay as typed.
void expectTeacherSigns(const std::string& line) {
    EXPECT_FALSE(contains(line, "+ -")) << line;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const bool termStart = i == 0 || line[i - 1] == ' ' || line[i - 1] == '(' || line[i - 1] == '-';
        const bool symbol = line[i + 1] == 'x' || (line[i + 1] == 'w' && i + 2 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 2])));
        EXPECT_FALSE(termStart && (line[i] == '0' || line[i] == '1') && symbol) << line;
    }
    for (std::size_t at = line.find("+ 0"); at != std::string::npos; at = line.find("+ 0", at + 1)) {
        const std::string after = line.substr(at + 3, 2);
        const bool loneZero = after.empty() || after[0] == ')' || after[0] == ',' || after == " =" || after == " +" ||
                              after == " -";
        EXPECT_FALSE(loneZero && !afterProduct(line, at)) << line;
    }
}

// The working screen's rows of a line: broken only at blanks between terms
// (the rows joined give the line back, and no row ends inside brackets), at
// most a row's characters unless a single term, which is drawn smaller but
// not below the size that shows 171 characters.
void expectRowsKeepTermsWhole(const std::string& line) {
    const std::vector<std::string> rows = calc::wrapAtBlanks(line, layout::WORKING_ROW_CHARACTERS);
    std::string joined;
    int depth = 0;  // of brackets opened and not yet closed ("1)" closes none)
    for (const std::string& row : rows) {
        EXPECT_EQ(depth, 0) << "broken inside brackets before: " << row;
        joined += (&row == &rows.front() ? "" : " ") + row;
        bool blankOutside = false;
        for (char c : row) {
            if (c == '(' || c == '[') ++depth;
            if ((c == ')' || c == ']') && depth > 0) --depth;
            blankOutside = blankOutside || (c == ' ' && depth == 0);
        }
        EXPECT_TRUE(row.size() <= layout::WORKING_ROW_CHARACTERS || (!blankOutside && row.size() <= 171)) << row;
    }
    EXPECT_EQ(joined, line);
}

// " a/b = W + 1/x + ... + 1/z": distinct unit fractions, ascending, and the sum is `value`.
void expectEgyptianSum(const std::string& line, Q value) {
    value.canonicalize();
    const std::vector<std::string> sides = split(line, " = ");
    ASSERT_EQ(sides.size(), 2u) << line;
    Q sum = 0;
    mpz_class previous = 0;
    for (const std::string& term : split(sides[1], " + ")) {
        const std::vector<mpz_class> n = numbersIn(term);
        if (n.size() == 1 && term.find('/') == std::string::npos) { sum += n[0]; continue; }  // the whole part
        ASSERT_EQ(n.size(), 2u) << term;
        EXPECT_EQ(n[0], 1) << line;
        EXPECT_LT(previous, n[1]) << line << ": unit fractions must differ";
        sum += Q(1, previous = n[1]);
    }
    sum.canonicalize();
    EXPECT_EQ(sum, value) << line;
}

// The plots' lines against the typed values.
void checkPlotStep(const std::string& line, const std::vector<Q>& v) {
    const auto lineNumbers = [&](std::size_t from) { return numbersIn(line.substr(from)); };
    if (startsWith(line, "Lines ")) {
        const std::vector<mpz_class> which = lineNumbers(6);
        const long i = which[0].get_si() - 1, j = which[1].get_si() - 1;
        const Q &a = v[2 * i], &b = v[2 * i + 1], &c = v[2 * j], &d = v[2 * j + 1];
        if (contains(line, "parallel")) EXPECT_TRUE(a == c && b != d) << line;
        else if (contains(line, "same line")) EXPECT_TRUE(a == c && b == d) << line;
        else {
            const auto [x, y] = pointAtEnd(line);
            EXPECT_TRUE(a * x + b == y && c * x + d == y) << line;
        }
    }
}

}  // namespace

void checkWorking(const std::string& exercise, const std::vector<std::string>& typed,
                  const std::vector<std::string>& panel) {
    const std::optional<Working> w = workingOf(exercise, typed);
    ASSERT_TRUE(w) << exercise;
    Context c;
    for (const std::string& t : typed) {
        const std::size_t digits = t.find_first_not_of("0123456789");
        c.whole.push_back(digits == 0 ? mpz_class(0) : mpz_class(t.substr(0, digits), 10));
    }
    std::vector<std::string> shown;
    for (std::string line : panel) {
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty()) shown.push_back(line);
    }
    // The panel may be too narrow for an Egyptian sum; the working shows it whole.
    if (shown == std::vector<std::string>{lang_file->error_too_long} && w->answer != shown) {
        ASSERT_EQ(w->answer.size(), 1u);
        expectEgyptianSum(w->answer[0], Q(c.whole[0], c.whole[1]));
    } else {
        EXPECT_EQ(w->answer, shown) << w->title;
    }
    const std::vector<std::string> lines = w->lines();
    ASSERT_GE(lines.size(), w->answer.size());
    EXPECT_TRUE(std::equal(w->answer.rbegin(), w->answer.rend(), lines.rbegin())) << "the working must end with the answer";
    EXPECT_LE(lines.size(), 220u) << w->title;
    for (const std::string& line : lines) {
        expectTeacherSigns(line);
        expectRowsKeepTermsWhole(line);
    }
    for (const std::string& step : w->steps) {
        SCOPED_TRACE(step);
        checkStep(step, c);
    }
    if (exercise == "part3_program2" && w->steps.size() > 1) checkRecurring(*w, typed[0]);
}

namespace {

// Runs of letters, lower case.
std::vector<std::string> wordsIn(const std::string& line) {
    std::vector<std::string> words(1);
    for (char c : line) {
        if (std::isalpha(static_cast<unsigned char>(c))) words.back() += char(std::tolower(static_cast<unsigned char>(c)));
        else if (!words.back().empty()) words.emplace_back();
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

// Symbols are single letters (x, y, a, w1) and "sqrt"; anything longer is a word.
bool hasWords(const std::string& line) {
    const std::vector<std::string> words = wordsIn(line);
    return std::any_of(words.begin(), words.end(), [](const std::string& w) { return w.size() > 1 && w != "sqrt"; });
}

}  // namespace

void checkPolishWording(const std::string& exercise, const std::vector<std::string>& typed) {
    static const std::set<std::string> ENGLISH = {
        "remainder", "lcm", "gcd", "sum", "prime", "primes", "line", "lines", "is", "of", "and", "the", "divisible",
        "yes", "no", "fraction", "fractions", "check", "greater", "equal", "pairs", "digit", "digits", "number",
        "numbers", "so", "strike", "axis", "lengths", "unit", "whole", "largest", "not", "has", "every", "vertical",
    };
    const std::optional<Working> english = workingOf(exercise, typed);
    usePolish();
    const std::optional<Working> polish = workingOf(exercise, typed);
    useEnglish();
    ASSERT_TRUE(english && polish) << exercise;
    const std::vector<std::string> &en = english->steps, &pl = polish->steps;
    ASSERT_EQ(en.size(), pl.size()) << english->title;
    for (std::size_t i = 0; i < en.size(); ++i) {
        if (!hasWords(en[i])) {
            EXPECT_EQ(pl[i], en[i]) << "numbers and signs read the same in both languages";
        }
    }
    for (const std::string& line : polish->lines()) {
        for (const std::string& word : wordsIn(line)) EXPECT_EQ(ENGLISH.count(word), 0u) << line;
        expectTeacherSigns(line);
    }
}

namespace {

// ---- the plots' sweep ------------------------------------------------------

const char* const DECIMAL_CHARACTERS = "0123456789.-";

std::string randomDecimal(std::mt19937& random) {
    static const char* const SHAPES[] = {"", "0", "-", ".", "1", "-1", "0.5", "-0.5", "2", "1.5.2", "--3", "3-"};
    std::uniform_int_distribution<int> pick(0, 9);
    if (pick(random) < 3) return SHAPES[std::uniform_int_distribution<int>(0, std::size(SHAPES) - 1)(random)];
    std::string s;
    const int length = 1 + pick(random);
    while (int(s.size()) < length) s += DECIMAL_CHARACTERS[std::uniform_int_distribution<int>(0, 11)(random)];
    return s;
}

class Workings : public ::testing::Test {
protected:
    void SetUp() override { useEnglish(); }
};

TEST_F(Workings, EveryPlotStepIsTrue) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> typed;
        for (int i = 0; i < 6; ++i) typed.push_back(randomDecimal(random));
        std::vector<Q> v;
        for (const std::string& t : typed) v.push_back(decimal(t));
        SCOPED_TRACE(::testing::PrintToString(typed));
        // The exact reading agrees with the plot screens': 0.5 is 1/2, "1.5.2" is 3/2.
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const calc::Fraction f = calc::decimalValue(typed[i]);
            EXPECT_EQ(Q(mpz_class(calc::text(f.numerator)), mpz_class(calc::text(f.denominator))), v[i]) << typed[i];
            EXPECT_NEAR(v[i].get_d(), CPU().string_to_double(typed[i]), 1e-9 * (1 + std::abs(v[i].get_d()))) << typed[i];
        }
        checkPolishWording("part4 program1", typed);
        checkPolishWording("part4 program2", {typed[0], typed[1], typed[2], typed[3]});
        checkPolishWording("part4 program3", typed);
        const Working plots[] = {*workingOf("part4 program1", typed), *workingOf("part4 program2", {typed[0], typed[1], typed[2], typed[3]}),
                                 *workingOf("part4 program3", typed)};
        for (const Working& plot : plots) {
            EXPECT_LE(calc::wrapAtBlanks(plot.title, layout::WORKING_ROW_CHARACTERS).size(), 2u) << plot.title;
            for (const std::string& line : plot.lines()) {
                expectTeacherSigns(line);
                expectRowsKeepTermsWhole(line);
            }
        }
        const Working lines = *workingOf("part4 program1", typed);
        for (const std::string& step : lines.steps) {
            if (contains(step, "crosses the y axis")) { EXPECT_EQ(pointAtEnd(step).second, v[2 * ((&step - &lines.steps[0]) / 3) + 1]) << step; }
            if (contains(step, "crosses the x axis where")) {
                const long k = (&step - &lines.steps[0]) / 3;
                EXPECT_EQ(v[2 * k] * pointAtEnd(step).first + v[2 * k + 1], 0) << step;
            }
        }
        for (const std::string& pair : lines.answer) checkPlotStep(pair, v);

        const Working points = *workingOf("part4 program2", {typed[0], typed[1], typed[2], typed[3]});
        if (v[0] != v[2]) {
            const Q a = (v[3] - v[1]) / (v[2] - v[0]), b = v[1] - a * v[0];
            ASSERT_EQ(points.steps.size(), 2u);
            expectChainHolds(points.steps[0].substr(std::string("a = (y2 - y1)/(x2 - x1) = ").size()), points.steps[0]);
            expectChainHolds(points.steps[1].substr(std::string("b = y1 - a * x1 = ").size()), points.steps[1]);
            EXPECT_EQ(lastValue(points.steps[0]), a);
            EXPECT_EQ(lastValue(points.steps[1]), b);
        } else {
            EXPECT_EQ(points.answer[0], v[1] == v[3] ? "Two equal points do not fix one line" : "x = " + v[0].get_str());
        }

        const Working vectors = *workingOf("part4 program3", typed);
        for (const std::string& step : vectors.steps) {
            if (startsWith(step, "|")) expectLength(step);
            else if (!startsWith(step, "Lengths")) {
                expectChainHolds(component(step, 0), step);
                expectChainHolds(component(step, 1), step);
            }
        }
        if (HasFailure()) return;
    }
}

// Both wordings of every text take the same numbers ("{1}", "{2}", ...), so
// that no language drops one, and are plain ASCII.
TEST_F(Workings, BothWordingsTakeTheSameNumbersInPlainAscii) {
    const auto marks = [](const std::string& text) {
        std::multiset<std::string> found;
        for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1))
            found.insert(text.substr(at, 3));
        return found;
    };
    Language english, polish;
    english.ChangeToEnglish();
    polish.ChangeToPolish();
    const auto ascii = [](const std::string& t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return c >= ' ' && c <= '~'; });
    };
#define CHECK_TEXT(member, en, pl)                                          \
    EXPECT_EQ(marks(english.member), marks(polish.member)) << #member;     \
    EXPECT_TRUE(ascii(english.member) && ascii(polish.member)) << #member;
    CALCORA_TEXTS(CHECK_TEXT)
#undef CHECK_TEXT
}

// The primes from 2 to the n-th prime are counted as each language counts n:
// Polish has one form for 1, one for 2-4 and 22-24 (not 12-14), one for the rest.
TEST_F(Workings, CountedPrimesTakeTheirLanguagesForm) {
    const std::pair<int, const char*> COUNTS[] = {{1, "liczba pierwsza"}, {2, "liczby pierwsze"}, {5, "liczb pierwszych"},
                                                  {12, "liczb pierwszych"}, {22, "liczby pierwsze"}, {25, "liczb pierwszych"},
                                                  {112, "liczb pierwszych"}};
    for (const auto& [count, polish] : COUNTS) {
        mpz_class last = 1;
        for (int found = 0; found < count;) found += isPrime(++last);
        // The count closes the steps, before the line about results.txt.
        const auto counted = [&] {
            const std::vector<std::string> steps = workingOf("part1_program2", {"2", last.get_str()})->steps;
            const std::string& line = steps[steps.size() - 2];
            return line.substr(line.rfind(": ") + 2);
        };
        const std::string n = std::to_string(count);
        EXPECT_EQ(counted(), n + (count == 1 ? " prime" : " primes"));
        usePolish();
        EXPECT_EQ(counted(), n + " " + polish);
        useEnglish();
    }
}

// The lines given by name, in both languages, for the inputs they were given with;
// a line with words has its Polish wording.
TEST_F(Workings, NamedLinesAppearInBothLanguages) {
    struct Named {
        const char* exercise;
        TypedInputs typed;
        std::vector<std::string> lines;
        std::vector<std::string> polish = {};  // when the lines have words
    };
    const Named NAMED[] = {
        {"part1_program1", {"17", "5"}, {"17 = 5 * 3 + 2"}},
        {"part1_program3", {"360"}, {"360 : 2 = 180", "180 : 2 = 90", "5 : 5 = 1"}},
        {"part1_program5", {"12", "18"}, {"18 = 1 * 12 + 6", "12 = 2 * 6 + 0"}},
        {"part1_program6", {"4", "6"}, {"LCM = 4 * 6 / 2 = 12"}, {"NWW = 4 * 6 / 2 = 12"}},
        {"part2_program1", {"1", "2", "1", "3"}, {"1/2 + 1/3 = (1 * 3 + 1 * 2)/(2 * 3) = 5/6"}},
        {"part2_program2", {"12", "18"}, {"12/18 = (12 : 6)/(18 : 6) = 2/3"}},
        {"part2_program4", {"1", "2", "2", "4"}, {"1 * 4 = 4", "2 * 2 = 4"}},
        {"part3_program1", {"7", "3"}, {"7 : 3 = 2 remainder 1"}, {"7 : 3 = 2 reszta 1"}},
        {"part3_program2", {"0.12[857]"},
         {"x = 0.12[857]", "100x = 12.[857]", "100000x = 12857.[857]", "99900x = 12845", "x = 12845/99900 = 2569/19980"}},
        {"part3_program4", {"7", "15"}, {"7/15 - 1/3 = 2/15", "2/15 - 1/8 = 1/120", "7/15 = 1/3 + 1/8 + 1/120"}},
        {"part4 program3", {"3", "4", "1", "1", "2", "1"}, {"2 * [3, 4] = [6, 8]", "|[6, 8]| = sqrt(100) = 10"}},
    };
    for (int language = 0; language < 2; ++language) {
        for (const Named& named : NAMED) {
            const std::vector<std::string> lines = workingOf(named.exercise, named.typed)->lines();
            for (const std::string& wanted : language == 1 && !named.polish.empty() ? named.polish : named.lines)
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return contains(l, wanted); }))
                    << named.exercise << " in " << language << ": no \"" << wanted << "\"";
        }
        switchLanguage();
    }
}

}  // namespace
}  // namespace testsupport

namespace testsupport {
namespace {

class WorkingScreen : public ::testing::Test {
protected:
    void SetUp() override { graphics(); }
    void TearDown() override { useEnglish(); }

    PrivateRunFolder folder{"working"};
    CPU cpu;
    DifferentScreens screens;
};

// The hints sit below the panel's fifth row, so even five full rows of the
// longest answer leave them clear, in either language.
TEST_F(WorkingScreen, TheHintNeverTouchesAnAnswerLine) {
    cpu.setCurrentMenu("part1");
    cpu.setField(Field::part1_program2_from, "1");
    cpu.setField(Field::part1_program2_to, "1000000");
    cpu.setSolveThisProgram("part1_program2");
    OutputToTextFile results;
    runSolveStep(cpu, Screen::part1, results);
    ASSERT_EQ(cpu.getSolutionLine(5).size(), 100u);
    for (int language = 0; language < 2; ++language) {
        clearFrame();
        screens.part1(&graphics(), &cpu);
        EXPECT_TRUE(anyPixelOtherThan(101, 150, 899, 159, WHITE)) << "the fifth row is drawn";
        EXPECT_FALSE(anyPixelOtherThan(101, 159, 899, 162, WHITE)) << "a row reaches the hint";
        EXPECT_TRUE(anyPixelOtherThan(770, 162, 899, 180, WHITE)) << "no hint";
        EXPECT_TRUE(anyPixelOtherThan(640, 162, 769, 180, WHITE)) << "no practice hint";
        EXPECT_FALSE(anyPixelOtherThan(101, 162, 639, 180, WHITE)) << "something else below the rows";
        switchLanguage();
    }
}

// A save that cannot be made says so and leaves no file behind; the next one that can, replaces it.
TEST_F(WorkingScreen, EnterSavesTheWorkingOrSaysItCouldNot) {
    cpu.setWorkingExercise("part1_program1", {"17", "5"});
    ASSERT_EQ(mkdir(WORKING_FILE, 0755), 0);  // a folder where the file should go
    cpu.setWorkingSaveRequested(true);
    saveWorkingIfAsked(cpu);
    EXPECT_EQ(cpu.getWorkingSave(), CPU::WorkingSave::failed);
    EXPECT_FALSE(cpu.getWorkingSaveRequested());
    EXPECT_FALSE(std::filesystem::exists(std::string(WORKING_FILE) + ".tmp"));

    ASSERT_TRUE(std::filesystem::remove(WORKING_FILE));
    cpu.setWorkingSaveRequested(true);
    saveWorkingIfAsked(cpu);
    EXPECT_EQ(cpu.getWorkingSave(), CPU::WorkingSave::saved);
    std::ifstream saved(WORKING_FILE);
    const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Remainder of 17 by 5\n17 : 5 = 3 remainder 2\nCheck: 5 * 3 + 2 = 17\n"
                    "The remainder 2 is smaller than 5\n17 = 5 * 3 + 2\n");
}

// After Space the working is written anew in the other language, to its last line, the answer.
TEST_F(WorkingScreen, TheWorkingSpeaksTheLanguageShownToItsAnswer) {
    cpu.setWorkingExercise("part1_program5", {"12", "18"});
    makeWorkingText(cpu);
    EXPECT_EQ(cpu.getWorkingText().lines.back(), "Greatest common divisor of numbers 12 i 18 is: 6");
    usePolish();
    makeWorkingText(cpu);
    EXPECT_EQ(cpu.getWorkingText().lines.back(), "Najwiekszy wspolny dzielnik liczb 12 i 18 wynosi: 6");
}

}  // namespace
}  // namespace testsupport
