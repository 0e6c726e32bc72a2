// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 2 calculators: the four operations (as multiplied and reduced),
// reduction, equality and six fractions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/GlobalVariables.h"
#include "calc/FractionSteps.h"
#include "calc/Program10.h"
#include "calc/Program11.h"
#include "calc/Program12.h"
#include "calc/Program8.h"
#include "calc/Program9.h"

using namespace calc;

namespace {

using Lines = std::vector<std::string>;

class Chapter2 : public ::testing::Test {
protected:
    void SetUp() override { testsupport::useEnglish(); }
    void TearDown() override { testsupport::useEnglish(); }
};

template <class Calculator>
Lines fourLines(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    const Calculator p = testsupport::solved<Calculator>(a, b, c, d);
    return {p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3(), p.getSolutionLine4()};
}

using testsupport::answer;

TEST_F(Chapter2, FourOperationsAreWrittenAsCrossMultiplied) {
    EXPECT_EQ(fourLines<Program8>(1, 2, 1, 3),
              (Lines{"1/2 + 1/3 = 5/6     ", "1/2 - 1/3 = 1/6     ", "1/2 * 1/3 = 1/6     ", "1/2 / 1/3 = 3/2     "}));
    EXPECT_EQ(fourLines<Program8>(1, 2, 1, 2),
              (Lines{"1/2 + 1/2 = 4/4     ", "1/2 - 1/2 = 0/4     ", "1/2 * 1/2 = 1/4     ", "1/2 / 1/2 = 2/2     "}));
    EXPECT_EQ(fourLines<Program8>(2, 4, 1, 4)[0], "2/4 + 1/4 = 12/16     ");
    EXPECT_EQ(fourLines<Program8>(3, 4, 3, 4)[1], "3/4 - 3/4 = 0/16     ");
    EXPECT_EQ(fourLines<Program8>(1, 3, 1, 2)[1], "1/3 - 1/2 = -1/6     ");
    EXPECT_EQ(fourLines<Program8>(9999999999, 9999999998, 9999999998, 9999999999)[0],
              "9999999999/9999999998 + 9999999998/9999999999 = 199999999940000000005/99999999970000000002     ");
}

TEST_F(Chapter2, FourOperationsAreReducedToLowestTerms) {
    EXPECT_EQ(fourLines<Program10>(1, 2, 1, 2),
              (Lines{"1/2 + 1/2 = 1/1     ", "1/2 - 1/2 = 0/1     ", "1/2 * 1/2 = 1/4     ", "1/2 / 1/2 = 1/1     "}));
    EXPECT_EQ(fourLines<Program10>(2, 4, 1, 4),
              (Lines{"2/4 + 1/4 = 3/4     ", "2/4 - 1/4 = 1/4     ", "2/4 * 1/4 = 1/8     ", "2/4 / 1/4 = 2/1     "}));
    EXPECT_EQ(fourLines<Program10>(1, 3, 1, 6),
              (Lines{"1/3 + 1/6 = 1/2     ", "1/3 - 1/6 = 1/6     ", "1/3 * 1/6 = 1/18     ", "1/3 / 1/6 = 2/1     "}));
    EXPECT_EQ(fourLines<Program10>(1, 4, 1, 2)[1], "1/4 - 1/2 = -1/4     ");
    Lines big = fourLines<Program10>(9999999999, 9999999998, 9999999998, 9999999999);
    EXPECT_EQ(big[1], "9999999999/9999999998 - 9999999998/9999999999 = 19999999997/99999999970000000002     ");
    EXPECT_EQ(big[2], "9999999999/9999999998 * 9999999998/9999999999 = 1/1     ");
}

TEST_F(Chapter2, FourOperationsRefuseZeroDenominatorsAndDivisionByZero) {
    const std::string zeroDenominator = lang_file->error_zero_denominator;
    for (auto lines : {fourLines<Program8>(1, 0, 1, 2), fourLines<Program10>(1, 2, 1, 0), fourLines<Program10>(0, 0, 0, 0)})
        EXPECT_EQ(lines, (Lines{zeroDenominator, "", "", ""}));
    EXPECT_EQ(fourLines<Program8>(0, 5, 0, 7),
              (Lines{"0/5 + 0/7 = 0/35     ", "0/5 - 0/7 = 0/35     ", "0/5 * 0/7 = 0/35     ", lang_file->error_division_by_zero}));
    EXPECT_EQ(fourLines<Program10>(0, 5, 0, 3)[3], lang_file->error_division_by_zero);
    testsupport::usePolish();
    EXPECT_EQ(fourLines<Program10>(1, 2, 0, 3)[3], "Nie mozna dzielic przez zero");
}

TEST_F(Chapter2, ReductionGivesLowestTerms) {
    const struct { std::int64_t n, d; const char* reduced; } cases[] = {
        {12, 18, "2/3"}, {5, 5, "1/1"}, {7, 3, "7/3"}, {0, 6, "0/1"}, {1024, 4096, "1/4"}, {30, 42, "5/7"},
        {999983, 1999966, "1/2"}, {1000003, 2000006, "1/2"}, {9999999999, 9999999998, "9999999999/9999999998"},
        {9999999999, 7777777777, "9/7"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer<Program9>(c.n, c.d), c.reduced) << c.n << "/" << c.d;
    EXPECT_EQ(answer<Program9>(std::int64_t{6}, std::int64_t{0}), lang_file->error_zero_denominator);
    EXPECT_EQ(answer<Program9>(std::int64_t{0}, std::int64_t{0}), lang_file->error_zero_denominator);
}

TEST_F(Chapter2, ReducedFractionsKeepTheirValue) {
    std::mt19937_64 random(2);
    std::uniform_int_distribution<std::int64_t> field(1, 9999999999);
    for (int k = 0; k < 2000; ++k) {
        const std::int64_t common = k % 3 == 0 ? 1 : field(random) % 100000 + 1;
        const std::int64_t n = field(random) % (9999999999 / common) * common;
        const std::int64_t d = (field(random) % (9999999999 / common) + 1) * common;
        const std::string reduced = answer<Program9>(n, d);
        const std::size_t slash = reduced.find('/');
        const Integer rn = fromDecimal(reduced.substr(0, slash)), rd = fromDecimal(reduced.substr(slash + 1));
        EXPECT_EQ(rn * d, rd * n) << reduced;
        EXPECT_EQ(gcd(rn, rd), 1) << reduced;
    }
}

// The panel takes the library's GCD, the working Euclid's last divisor: the
// same number for every sign, zero and the longest run of divisions.
TEST_F(Chapter2, TheGcdAloneIsEuclidsLastDivisor) {
    std::mt19937_64 random(3);
    std::uniform_int_distribution<std::int64_t> field(-9999999999, 9999999999);
    std::vector<std::pair<std::int64_t, std::int64_t>> pairs = {{0, 7}, {-12, 18}, {12, -18}, {7778742049, 4807526976}};
    for (int k = 0; k < 500; ++k) pairs.push_back({field(random), field(random) | 1});
    for (const auto& [n, d] : pairs) {
        const Reduction kept = reduction(n, d), alone = reduction(n, d, Keep::result);
        EXPECT_EQ(alone.euclid.gcd, kept.euclid.gcd) << n << "/" << d;
        EXPECT_EQ(text(alone.reduced), text(kept.reduced)) << n << "/" << d;
        EXPECT_EQ(euclid(std::abs(n), std::abs(d), Keep::result).gcd, euclid(std::abs(n), std::abs(d)).gcd) << n << ", " << d;
    }
}

TEST_F(Chapter2, EqualityIsExact) {
    EXPECT_EQ(answer<Program11>(1, 2, 2, 4), "Two fractions present the same rational number");
    EXPECT_EQ(answer<Program11>(1, 3, 2, 6), lang_file->program11_1);
    EXPECT_EQ(answer<Program11>(0, 3, 0, 7), lang_file->program11_1);
    EXPECT_EQ(answer<Program11>(2, 3, 3, 4), "Two fractions do not present the same rational number");
    // Equal in double precision, different in fact.
    EXPECT_EQ(answer<Program11>(9999999999, 9999999998, 9999999998, 9999999997), lang_file->program11_2);
    for (auto zero : {answer<Program11>(1, 0, 2, 0), answer<Program11>(0, 0, 0, 0), answer<Program11>(1, 1, 1, 0)})
        EXPECT_EQ(zero, lang_file->error_zero_denominator);
    testsupport::usePolish();
    EXPECT_EQ(answer<Program11>(1, 2, 2, 4), "Dwa ulamki przedstawiaja te sama liczbe wymierna");
    EXPECT_EQ(answer<Program11>(2, 3, 3, 4), "Dwa ulamki nie przedstawiaja tej samej liczby wymiernej");
}

TEST_F(Chapter2, SixFractionsTwoToALine) {
    auto lines = [](std::vector<std::int64_t> v) {
        const auto p = testsupport::solved<Program12>(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
        return Lines{p.getSolutionLine1(), p.getSolutionLine2(), p.getSolutionLine3()};
    };
    EXPECT_EQ(lines({2, 4, 6, 9, 10, 5, 7, 7, 0, 3, 12, 8}),
              (Lines{"Fraction 1: 1/2     Fraction 2: 2/3     ", "Fraction 3: 2/1     Fraction 4: 1/1     ",
                     "Fraction 5: 0/1     Fraction 6: 3/2     "}));
    EXPECT_EQ(lines({1, 0, 3, 6, 5, 10, 0, 0, 1000003, 2000006, 9, 0})[0],
              "Fraction 1: The denominator cannot be 0     Fraction 2: 1/2     ");
    EXPECT_EQ(lines({1, 0, 3, 6, 5, 10, 0, 0, 1000003, 2000006, 9, 0})[2],
              "Fraction 5: 1/2     Fraction 6: The denominator cannot be 0     ");
    testsupport::usePolish();
    EXPECT_EQ(lines({1, 2, 4, 6, 1, 1, 1, 1, 1, 1, 1, 1})[0], "Ulamek 1: 1/2     Ulamek 2: 2/3     ");
}

}  // namespace
