// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1 calculators: texts to the character in both languages, the zero
// and range cases, and the arithmetic checked independently of the code.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "app/GlobalVariables.h"
#include "calc/Exact.h"
#include "calc/PrimeSieve.h"
#include "calc/Program1.h"
#include "calc/Program2.h"
#include "calc/Program3.h"
#include "calc/Program4.h"
#include "calc/Program5.h"
#include "calc/Program6.h"
#include "calc/Program7.h"

using namespace calc;

namespace {

using I = std::int64_t;

using testsupport::solved;
template <class P, class... Args> std::string text(Args... args) { return testsupport::answer<P>(I(args)...); }
template <class P> FiveLines linesOf(const P& p) {
    return {p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3(), p.getSolutionLine4(), p.getSolutionLine5()};
}
std::string after(const std::string& s, const std::string& mark) { return s.substr(s.find(mark) + mark.size()); }
bool isPrimeByTrial(I n) {
    for (I d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return n >= 2;
}

class Chapter1 : public ::testing::Test {
protected:
    void SetUp() override { testsupport::useEnglish(); }
    void TearDown() override { testsupport::useEnglish(); }
    std::mt19937_64 random{20240601};
    I upTo(I largest) { return std::uniform_int_distribution<I>(0, largest)(random); }
};

TEST_F(Chapter1, RemainderTexts) {
    for (auto [n, k, expected] : std::vector<std::tuple<I, I, std::string>>{
             {17, 5, "17 = 5 * 3 + 2"}, {3, 5, "3 = 5 * 0 + 3"}, {0, 7, "0 = 7 * 0 + 0"}, {5, 5, "5 = 5 * 1 + 0"},
             {9, 1, "9 = 1 * 9 + 0"}, {9999999999, 7, "9999999999 = 7 * 1428571428 + 3"},
             {12, 0, "Division by zero is not allowed"}})
        EXPECT_EQ(text<Program1>(n, k), expected);
    testsupport::usePolish();
    EXPECT_EQ(text<Program1>(0, 0), "Nie mozna dzielic przez zero");
}

TEST_F(Chapter1, RemainderIsBelowTheDivisorAndRebuildsTheNumber) {
    for (int i = 0; i < 200; ++i) {
        I n = upTo(9999999999), k = 1 + upTo(i % 2 ? 9999999998 : 1000), n2, k2, m, r;
        char eq, times, plus;
        std::istringstream(text<Program1>(n, k)) >> n2 >> eq >> k2 >> times >> m >> plus >> r;
        EXPECT_TRUE(n2 == n && k2 == k && 0 <= r && r < k && k * m + r == n) << n << " / " << k;
    }
}

TEST_F(Chapter1, GcdAndLcmTexts) {
    EXPECT_EQ(text<Program5>(18, 12), "Greatest common divisor of numbers 18 i 12 is: 6");
    EXPECT_EQ(text<Program6>(4, 6), "Lowest common multiple of numers 4 i 6 is: 12");
    for (auto [n, k, gcd, lcm] : std::vector<std::tuple<I, I, std::string, std::string>>{
             {12, 12, "12", "12"}, {8, 15, "1", "120"}, {3, 12, "3", "12"}, {7, 0, "7", "0"}, {0, 7, "7", "0"},
             {0, 0, "0", "0"}, {9999999999, 9999999998, "1", "99999999970000000002"}}) {
        EXPECT_EQ(after(text<Program5>(n, k), "is: "), gcd) << n << ", " << k;
        EXPECT_EQ(after(text<Program6>(n, k), "is: "), lcm) << n << ", " << k;
    }
    testsupport::usePolish();
    EXPECT_EQ(text<Program5>(12, 18), "Najwiekszy wspolny dzielnik liczb 12 i 18 wynosi: 6");
    EXPECT_EQ(text<Program6>(4, 6), "Najmniejsza wspolna wielokrotnosc liczb 4 i 6 wynosi: 12");
}

TEST_F(Chapter1, GcdTimesLcmIsTheProductAndBothDivide) {
    for (int i = 0; i < 200; ++i) {
        I scale = 1 + upTo(i % 2 ? 99999 : 9), n = scale * (1 + upTo(99999)), k = scale * (1 + upTo(99999));
        const Integer gcd = fromDecimal(after(text<Program5>(n, k), "is: ")), lcm = fromDecimal(after(text<Program6>(n, k), "is: "));
        EXPECT_TRUE(n % gcd == 0 && k % gcd == 0 && lcm % n == 0 && lcm % k == 0) << n << ", " << k;
        EXPECT_EQ(gcd * lcm, Integer(n) * Integer(k)) << n << ", " << k;
    }
}

TEST_F(Chapter1, FactorisationTexts) {
    EXPECT_EQ(text<Program3>(360), "Prime divisors 360 amount to: 2 x 2 x 2 x 3 x 3 x 5");
    for (auto [n, expected] : std::vector<std::pair<I, std::string>>{
             {97, "97"}, {2, "2"}, {4, "2 x 2"}, {49, "7 x 7"}, {202, "2 x 101"},
             {1024, "2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2"}, {9999999967, "9999999967"},
             {9998000099, "99989 x 99991"}, {9999999999, "3 x 3 x 11 x 41 x 271 x 9091"}})
        EXPECT_EQ(after(text<Program3>(n), "to: "), expected) << n;
    EXPECT_EQ(text<Program3>(0) + "|" + text<Program3>(1), "Incorrect data|Incorrect data");
    testsupport::usePolish();
    EXPECT_EQ(text<Program3>(12), "Dzielniki pierwsze 12 wynosza: 2 x 2 x 3");
    EXPECT_EQ(text<Program3>(1), "Niewlasciwe dane");
}

TEST_F(Chapter1, FactorsArePrimeAscendingAndMultiplyBack) {
    for (int i = 0; i < 60; ++i) {
        I n = 2 + upTo(i % 2 ? 9999999997 : 100000), product = 1, previous = 2, factor;
        std::istringstream list(after(text<Program3>(n), "to: "));
        for (std::string times; list >> factor; list >> times) {
            EXPECT_TRUE(factor >= previous && isPrimeByTrial(factor)) << n << ": " << factor;
            product *= previous = factor;
        }
        EXPECT_EQ(product, n);
    }
}

TEST_F(Chapter1, DivisibilityLines) {
    Program4 p = solved<Program4>(36);
    EXPECT_EQ(p.getSolutionLine1() + p.getSolution(), "The given number is divisible by:");
    EXPECT_EQ(p.getSolutionLine2(), "2: yes    3: yes    4: yes    5: no    8: no    9: yes    11: no    12: yes    15: no    18: yes    ");
    EXPECT_EQ(solved<Program4>(9999999990).getSolutionLine2(), "2: yes    3: yes    4: no    5: yes    8: no    9: yes    11: no    12: no    15: yes    18: yes    ");
    EXPECT_EQ(solved<Program4>(0).getSolutionLine2().find("no"), std::string::npos);
    EXPECT_EQ(solved<Program4>(1).getSolutionLine2().find("yes"), std::string::npos);
    testsupport::usePolish();
    EXPECT_EQ(solved<Program4>(10).getSolutionLine2(), "2: tak    3: nie    4: nie    5: tak    8: nie    9: nie    11: nie    12: nie    15: nie    18: nie    ");
}

TEST_F(Chapter1, PrimeListingTexts) {
    EXPECT_EQ(text<Program2>(1, 10), "Number of prime numbers: 4;     2, 3, 5, 7, ");
    EXPECT_EQ(text<Program2>(2, 2), "Number of prime numbers: 1;     2, ");
    EXPECT_EQ(text<Program2>(999980, 1000000), "Number of prime numbers: 1;     999983, ");
    for (auto [from, to] : std::vector<std::pair<I, I>>{{0, 1}, {10, 5}, {24, 28}, {2000000, 5}})
        EXPECT_EQ(text<Program2>(from, to), "Number of prime numbers: 0;     ") << from << ".." << to;
    Program2 tooFar = solved<Program2>(0, 1000001);
    EXPECT_EQ(linesOf(tooFar), (FiveLines{"Enter numbers from 0 to 1000000", "", "", "", ""}));
    EXPECT_EQ(tooFar.getSolution(), "Enter numbers from 0 to 1000000");
    testsupport::usePolish();
    EXPECT_EQ(text<Program2>(1, 10), "Ilosc liczb pierwszych: 4;     2, 3, 5, 7, ");
    EXPECT_EQ(text<Program2>(5, 9999999999), "Wpisz liczby od 0 do 1000000");
}

TEST_F(Chapter1, PrimeListingMatchesTrialDivisionAndCutsAtAHundred) {
    for (int i = 0; i < 30; ++i) {
        I from = upTo(3000), to = upTo(3000), count = 0;
        std::string list;
        for (I p = from; p <= to; ++p) {
            if (!isPrimeByTrial(p)) continue;
            list += std::to_string(p) + ", ";
            ++count;
        }
        EXPECT_EQ(text<Program2>(from, to), "Number of prime numbers: " + std::to_string(count) + ";     " + list);
    }
    std::string hundred = text<Program2>(7, 71);
    EXPECT_EQ(hundred.size(), 100u);
    EXPECT_EQ(linesOf(solved<Program2>(7, 71)), (FiveLines{hundred, "", "", "", ""}));
    Program2 all = solved<Program2>(1, 1000000);
    FiveLines lines = linesOf(all);
    EXPECT_EQ(lines[0] + lines[1] + lines[2] + lines[3] + lines[4], all.getSolution().substr(0, 500));
    EXPECT_EQ(all.getSolution().substr(0, 40), "Number of prime numbers: 78498;     2, 3");
    EXPECT_EQ(PrimeSieve::shared().primes().size(), 78498u);
}

// A working asks only for what the five lines show: the same lines, from the
// start of the same text, whatever its length around the lines' 500 characters.
TEST_F(Chapter1, PrimeListingForItsLinesAloneShowsTheSameLines) {
    std::vector<std::pair<I, I>> ranges{{1, 1000000}, {0, 1000001}, {10, 5}, {999980, 1000000}};
    for (I to = 300; to <= 700; ++to) ranges.push_back({1, to});
    for (auto [from, to] : ranges) {
        Program2 whole, shown;
        whole.calculate(from, to);
        shown.calculateShownLines(from, to);
        EXPECT_EQ(linesOf(shown), linesOf(whole)) << from << ".." << to;
        EXPECT_EQ(whole.getSolution().rfind(shown.getSolution(), 0), 0u) << from << ".." << to;
    }
    Program2 all;
    all.calculateShownLines(1, 1000000);
    EXPECT_LT(all.getSolution().size(), 510u);  // the last entry begun within the lines, not 600 kB
}

TEST_F(Chapter1, GoldbachTexts) {
    EXPECT_EQ(text<Program7>(4), "4 = 2 + 2    ");
    EXPECT_EQ(linesOf(solved<Program7>(10))[0], "10 = 3 + 7    5 + 5    ");
    EXPECT_EQ(text<Program7>(9), "9 = 2 + 7    ");
    for (I n : {I{3}, I{0}, I{2501}, I{9999999999}}) {
        EXPECT_EQ(linesOf(solved<Program7>(n)), (FiveLines{"Enter number n of interval 4<=n<=2500", "", "", "", ""}));
        EXPECT_EQ(text<Program7>(n), std::to_string(n) + " = ");
    }
    EXPECT_EQ(linesOf(solved<Program7>(11)), (FiveLines{"There are no solutions", "", "", "", ""}));
    EXPECT_EQ(text<Program7>(11), "11 = ");
    testsupport::usePolish();
    EXPECT_EQ(solved<Program7>(11).getSolutionLine1(), "Nie ma rozwiazan");
    EXPECT_EQ(solved<Program7>(3).getSolutionLine1(), "Wpisz liczbe n z przedzialu 4<=n<=2500");
}

TEST_F(Chapter1, GoldbachPairsArePrimeSumsAndCutAt115) {
    for (I n = 4; n <= 2500; n += 2) {
        std::istringstream list(after(text<Program7>(n), " = "));
        I p, q, previous = 0, count = 0;
        for (std::string plus; list >> p >> plus >> q; ++count, previous = p)
            EXPECT_TRUE(p + q == n && p <= q && p > previous && isPrimeByTrial(p) && isPrimeByTrial(q)) << n;
        EXPECT_GT(count, 0) << n;
    }
    Program7 longest = solved<Program7>(2500);
    FiveLines lines = linesOf(longest);
    EXPECT_EQ(lines[0].substr(105) + "|" + lines[1].substr(0, 8), "2393    14|9 + 2351");  // cut inside 149
    EXPECT_EQ(lines[0] + lines[1] + lines[2] + lines[3] + lines[4], longest.getSolution().substr(0, 575));
    EXPECT_GT(longest.getSolution().size(), 575u);
}

TEST_F(Chapter1, FreshCalculatorsAreEmptyAndTextsKeepTheirLanguage) {
    EXPECT_EQ(Program7().getSolutionLine1() + Program2().getSolution() + Program4().getSolutionLine2(), "");
    Program5 gcd = solved<Program5>(12, 18);
    testsupport::usePolish();
    EXPECT_EQ(gcd.getSolution(), "Greatest common divisor of numbers 12 i 18 is: 6");
}

}  // namespace
