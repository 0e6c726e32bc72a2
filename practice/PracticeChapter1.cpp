// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice forms of chapter 1: natural numbers and integers.
#include <algorithm>
#include <map>

#include "PracticeParts.h"
#include "calc/Divisibility.h"
#include "calc/Euclid.h"
#include "calc/Primes.h"

using namespace calc;

namespace practice {

namespace {

const Language& words() { return *lang_file; }
std::int64_t given(const Problem& p, std::size_t i) { return fieldValue(p.inputs[i]); }
std::string ask(const std::string Language::*pattern, const Problem& p) {
    return filled(words().*pattern, {p.inputs[0], p.inputs.size() > 1 ? p.inputs[1] : ""});
}

// Remainder.

void drawRemainder(Problem& p, Draw& d) {
    std::int64_t n = 0, k = 0;
    switch (p.level) {
    case 1: k = d.between(2, 9), n = d.between(k + 1, 10 * k - 1); break;
    case 2: k = d.between(3, 25), n = d.between(100, 999); break;
    default:
        k = d.between(11, 999), n = d.between(10000, 999999999);
        if (d.oneIn(5)) n = d.between(1, k - 1);            // smaller than the divisor
        else if (d.oneIn(4)) n = k * d.between(11, 99999);  // nothing left over
    }
    p.inputs = {text(n), text(k)};
    p.answer = {text(divide(n, k).remainder)};
}

Verdict checkRemainder(const Problem& p, const std::vector<std::string>& typed) {
    const Division<std::int64_t> d = divide(given(p, 0), given(p, 1));
    const std::optional<Integer> r = readWhole(typed[0]);
    if (!r) return cannotRead(words().practice_expect_whole);
    if (*r == d.remainder) return correct();
    if (*r == d.quotient) return notQuite(Mistake::quotient_not_remainder, filled(words().practice_quotient, {text(*r)}));
    return notQuite();
}

std::vector<std::string> remainderFirstSteps(const Problem& p, const Working&) {
    const Division<std::int64_t> d = divide(given(p, 0), given(p, 1));
    return {filled(words().practice_first_remainder,
                   {text(d.divisor), text(d.quotient), text(d.divisor * d.quotient), text(d.dividend)})};
}

// Primes from a to b.

void drawPrimes(Problem& p, Draw& d) {
    std::int64_t from = 0, to = 0;
    switch (p.level) {
    case 1: from = d.between(1, 20), to = from + d.between(5, 12); break;
    case 2: from = d.between(1, 150), to = from + d.between(20, 50); break;
    default:
        if (d.oneIn(4)) from = d.between(0, 2), to = d.between(60, 100);  // starts below the first prime
        else from = d.between(100, 5000), to = from + d.between(20, 60);
    }
    p.inputs = {text(from), text(to)};
    p.answer = {text(std::int64_t(primesBetween(from, to).found.size()))};
}

Verdict checkPrimes(const Problem& p, const std::vector<std::string>& typed) {
    const std::optional<Integer> count = readWhole(typed[0]);
    if (!count) return cannotRead(words().practice_expect_whole);
    return *count == primesBetween(given(p, 0), given(p, 1)).found.size() ? correct() : notQuite();
}

// Prime factors.

// n, a product of `count` primes drawn from `primes`.
std::int64_t productOf(Draw& d, int count, std::initializer_list<std::int64_t> primes) {
    std::int64_t n = 1;
    for (int i = 0; i < count; ++i) n *= d.pick(primes);
    return n;
}

void drawFactors(Problem& p, Draw& d) {
    std::int64_t n = 1;
    switch (p.level) {
    case 1:
        do n = productOf(d, int(d.between(2, 3)), {2, 3, 5, 7});
        while (n > 100);
        break;
    case 2:
        do n = productOf(d, int(d.between(3, 5)), {2, 3, 5, 7, 11, 13});
        while (n < 100 || n > 1000);
        break;
    default:
        if (d.oneIn(4)) {  // a power of 2, or the square of a larger prime times a small one
            n = d.oneIn(2) ? std::int64_t(1) << d.between(8, 16) : productOf(d, 2, {17, 19, 23, 29, 31}) * d.between(2, 3);
            break;
        }
        std::int64_t large = 0;
        do large = d.between(17, 997);
        while (!isPrime(large));
        n = large * productOf(d, int(d.between(2, 4)), {2, 3, 5, 7});
    }
    // The ladder's primes, written with powers: "2^3*3^2*5".
    std::map<std::int64_t, int> powers;
    for (const LadderStep& rung : factorLadder(n)) ++powers[rung.prime];
    std::string product;
    for (const auto& [prime, power] : powers)
        product += (product.empty() ? "" : "*") + text(prime) + (power > 1 ? "^" + std::to_string(power) : "");
    p.inputs = {text(n)};
    p.answer = {product};
}

constexpr int HIGHEST_POWER = 64;  // beyond it a typed power is surely a slip

Verdict checkFactors(const Problem& p, const std::vector<std::string>& typed) {
    const std::int64_t n = given(p, 0);
    const Verdict unreadable = cannotRead(words().practice_expect_product);
    const std::optional<std::vector<std::string>> terms = readTerms(typed[0], '*');
    if (!terms) return unreadable;
    Integer product = 1;
    std::vector<Integer> bases;
    for (const std::string& term : *terms) {
        const std::size_t hat = term.find('^');
        const std::optional<Integer> base = readWhole(term.substr(0, hat));
        const std::optional<Integer> power = hat == std::string::npos ? Integer(1) : readWhole(term.substr(hat + 1));
        if (!base || !power || *power < 1 || *power > HIGHEST_POWER) return unreadable;
        product *= boost::multiprecision::pow(*base, static_cast<unsigned>(*power));
        bases.push_back(*base);
    }
    // Primes are looked at only up to n: a larger factor is wrong anyway.
    const auto notPrime = std::find_if(bases.begin(), bases.end(), [&](const Integer& b) { return b <= n && !isPrime(b); });
    const std::string nonPrime = notPrime == bases.end() ? "" : filled(words().practice_not_prime, {text(*notPrime)});
    if (product != n) {
        const std::string why = filled(words().practice_factors_product, {text(product), text(n)});
        return notQuite(Mistake::factors_product, nonPrime.empty() ? why : why + "; " + nonPrime);
    }
    if (!nonPrime.empty()) return rightValueWrongForm(Mistake::factor_not_prime, nonPrime);
    return correct();
}

// Divisibility by one of the ten divisors.

void drawDivisibility(Problem& p, Draw& d) {
    std::int64_t divisor = 0, n = 0;
    switch (p.level) {
    case 1: divisor = d.pick<std::int64_t>({2, 3, 5}), n = d.between(10, 200); break;
    case 2: divisor = d.pick<std::int64_t>({2, 3, 4, 5, 8, 9, 11, 12, 15, 18}), n = d.between(100, 99999); break;
    default: divisor = d.pick<std::int64_t>({4, 8, 9, 11, 12, 15, 18}), n = d.between(1000000, 9999999999);
    }
    if (d.oneIn(2)) n -= n % divisor;  // half of the numbers are divisible
    p.inputs = {text(n)};
    p.extra = {divisor};
    p.answer = {yesNo(n % divisor == 0)};
}

const DivisibilityTest& testOf(const Problem& p, const std::array<DivisibilityTest, DIVISIBILITY_TESTS>& tests) {
    return *std::find_if(tests.begin(), tests.end(), [&](const DivisibilityTest& t) { return t.divisor == p.extra[0]; });
}

// The working's line for the divisor asked: "9: the digit sum 27 is divisible by 9? yes".
std::string ruleLine(const Problem& p, const Working& w) {
    const std::string start = text(p.extra[0]) + ":";
    const auto line = std::find_if(w.steps.begin(), w.steps.end(),
                                   [&](const std::string& s) { return s.compare(0, start.size(), start) == 0; });
    return line == w.steps.end() ? "" : *line;
}

Verdict checkDivisibility(const Problem& p, const std::vector<std::string>& typed) {
    const bool divisible = testOf(p, divisibilityTests(given(p, 0))).divisible;
    const std::optional<Working> w = workingOf(DIVISIBILITY.working, p.inputs);
    return checkYesNo(typed[0], divisible, w ? ruleLine(p, *w) : "");
}

std::vector<std::string> divisibilityFirstSteps(const Problem& p, const Working& w) {
    // The rule's question without its answer.
    const std::string line = ruleLine(p, w);
    return {line.substr(0, line.rfind('?') + 1)};
}

// GCD and LCM of one pair.

void drawPair(Problem& p, Draw& d) {
    std::int64_t g = 1, x = 1, y = 1;
    switch (p.level) {
    case 1: g = d.between(2, 6), x = d.between(1, 6), y = d.between(1, 6); break;
    case 2: g = d.between(2, 30), x = d.between(2, 12), y = d.between(2, 12); break;
    default:
        if (d.oneIn(4)) g = 1, x = d.between(100, 99999), y = d.between(100, 99999);  // often coprime
        else if (d.oneIn(3)) g = d.between(11, 9999), x = 1, y = d.between(2, 99);   // one divides the other
        else g = d.between(11, 999), x = d.between(11, 9999), y = d.between(11, 9999);
    }
    if (x == y) ++y;
    p.inputs = {text(g * x), text(g * y)};
}

struct PairFacts {
    std::int64_t a, b;
    Integer gcd, lcm;
};

PairFacts factsOf(const Problem& p) {
    const std::int64_t a = given(p, 0), b = given(p, 1);
    const std::int64_t gcd = euclid(a, b).gcd;
    return {a, b, gcd, lowestCommonMultiple<Integer>(a, b, gcd)};
}

void drawGcd(Problem& p, Draw& d) {
    drawPair(p, d);
    p.answer = {text(factsOf(p).gcd)};
}

void drawLcm(Problem& p, Draw& d) {
    drawPair(p, d);
    p.answer = {text(factsOf(p).lcm)};
}

bool dividesBoth(const Integer& d, const PairFacts& f) { return d > 0 && f.a % d == 0 && f.b % d == 0; }

Verdict checkGcd(const Problem& p, const std::vector<std::string>& typed) {
    const PairFacts f = factsOf(p);
    const std::optional<Integer> answer = readWhole(typed[0]);
    if (!answer) return cannotRead(words().practice_expect_whole);
    const std::string written = text(*answer);
    if (*answer == f.gcd) return correct();
    if (*answer == f.lcm) return notQuite(Mistake::gcd_lcm_swapped, filled(words().practice_lcm_not_gcd, {written}));
    if (*answer == Integer(f.a) * f.b) return notQuite(Mistake::product_not_gcd, filled(words().practice_product_not_gcd, {written}));
    if (dividesBoth(*answer, f))
        return notQuite(Mistake::not_greatest_divisor, filled(words().practice_not_greatest, {written}));
    return notQuite();
}

Verdict checkLcm(const Problem& p, const std::vector<std::string>& typed) {
    const PairFacts f = factsOf(p);
    const std::optional<Integer> answer = readWhole(typed[0]);
    if (!answer) return cannotRead(words().practice_expect_whole);
    const std::string written = text(*answer);
    if (*answer == f.lcm) return correct();
    if (*answer == Integer(f.a) * f.b) return notQuite(Mistake::product_not_lcm, filled(words().practice_product_not_lcm, {written}));
    if (*answer == f.gcd) return notQuite(Mistake::gcd_lcm_swapped, filled(words().practice_gcd_not_lcm, {written}));
    if (*answer > 0 && *answer % f.a == 0 && *answer % f.b == 0)
        return notQuite(Mistake::not_lowest_multiple, filled(words().practice_not_lowest_multiple, {written}));
    return notQuite();
}

// Goldbach: two primes that sum to n.

void drawGoldbach(Problem& p, Draw& d) {
    std::int64_t n = 0;
    switch (p.level) {
    case 1: n = 2 * d.between(2, 15); break;
    case 2: n = 2 * d.between(16, 100); break;
    default:
        if (d.oneIn(5)) {  // odd: one of the primes must be 2
            do n = 2 * d.between(100, 1249) + 1;
            while (!isPrime(n - 2));
        } else {
            n = 2 * d.between(101, 1250);
        }
    }
    const std::vector<std::int64_t>& smaller = goldbachPairs(n).smaller_primes;
    const std::int64_t q = smaller[std::size_t(d.between(0, std::int64_t(smaller.size()) - 1))];
    p.inputs = {text(n)};
    p.answer = {text(q) + "+" + text(n - q)};
}

Verdict checkGoldbach(const Problem& p, const std::vector<std::string>& typed) {
    const Verdict unreadable = cannotRead(words().practice_expect_two_primes);
    const std::optional<std::vector<std::string>> terms = readTerms(typed[0], '+');
    if (!terms || terms->size() != 2) return unreadable;
    const std::optional<Integer> first = readWhole((*terms)[0]), second = readWhole((*terms)[1]);
    if (!first || !second) return unreadable;
    const std::int64_t n = given(p, 0);
    if (*first + *second != n)
        return notQuite(Mistake::sum_wrong, filled(words().practice_sum_wrong,
                                                   {text(*first) + " + " + text(*second), text(*first + *second), text(n)}));
    for (const Integer& term : {*first, *second})
        if (!isPrime(term)) return notQuite(Mistake::term_not_prime, filled(words().practice_not_prime, {text(term)}));
    return correct();
}

}  // namespace

const Form REMAINDER{
    Exercise::remainder, "remainder", &Language::practice_name_remainder, "part1_program1", drawRemainder,
    [](const Problem& p) { return ask(&Language::practice_ask_remainder, p); },
    [](const Problem&) { return std::vector<AnswerField>{wholeField("r =")}; },
    checkRemainder, &Language::practice_method_remainder, remainderFirstSteps};

const Form PRIMES{
    Exercise::primes, "primes", &Language::practice_name_primes, "part1_program2", drawPrimes,
    [](const Problem& p) { return ask(&Language::practice_ask_primes, p); },
    [](const Problem&) { return std::vector<AnswerField>{wholeField(words().practice_label_answer)}; },
    checkPrimes, &Language::practice_method_primes,
    // The sieve's strikes, without the count.
    [](const Problem&, const Working& w) { return allButLast(w, 2); }};

const Form FACTORS{
    Exercise::factors, "factors", &Language::practice_name_factors, "part1_program3", drawFactors,
    [](const Problem& p) { return ask(&Language::practice_ask_factors, p); },
    [](const Problem& p) { return std::vector<AnswerField>{{p.inputs[0] + " =", "0123456789*^", 64}}; },
    checkFactors, &Language::practice_method_factors,
    [](const Problem&, const Working& w) { return leadingSteps(w, 2); }};

const Form DIVISIBILITY{
    Exercise::divisibility, "divisibility", &Language::practice_name_divisibility, "part1_program4", drawDivisibility,
    [](const Problem& p) { return filled(words().practice_ask_divisibility, {p.inputs[0], text(p.extra[0])}); },
    [](const Problem&) { return std::vector<AnswerField>{yesNoField()}; },
    checkDivisibility, &Language::practice_method_divisibility, divisibilityFirstSteps};

const Form GCD{
    Exercise::gcd, "gcd", &Language::practice_name_gcd, "part1_program5", drawGcd,
    [](const Problem& p) { return ask(&Language::practice_ask_gcd, p); },
    [](const Problem&) { return std::vector<AnswerField>{wholeField(words().practice_label_gcd)}; },
    checkGcd, &Language::practice_method_gcd,
    // Euclid's heading and first division.
    [](const Problem&, const Working& w) { return leadingSteps(w, 2); }};

const Form LCM{
    Exercise::lcm, "lcm", &Language::practice_name_lcm, "part1_program6", drawLcm,
    [](const Problem& p) { return ask(&Language::practice_ask_lcm, p); },
    [](const Problem&) { return std::vector<AnswerField>{wholeField(words().practice_label_lcm)}; },
    checkLcm, &Language::practice_method_lcm,
    // Up to the GCD, without the product divided by it.
    [](const Problem&, const Working& w) { return allButLast(w, 1); }};

const Form GOLDBACH{
    Exercise::goldbach, "goldbach", &Language::practice_name_goldbach, "part1_program7", drawGoldbach,
    [](const Problem& p) { return ask(&Language::practice_ask_goldbach, p); },
    [](const Problem& p) { return std::vector<AnswerField>{{p.inputs[0] + " =", "0123456789+", 12}}; },
    checkGoldbach, &Language::practice_method_goldbach,
    [](const Problem&, const Working& w) { return leadingSteps(w, 1); }};

}  // namespace practice
