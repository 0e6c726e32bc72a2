// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 3 calculators: mixed fractions, recurring decimals, comparison
// and Egyptian fractions.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

#include "TestSupport.h"
#include "app/GlobalVariables.h"
#include "calc/Fraction.h"
#include "calc/Program13.h"
#include "calc/Program14.h"
#include "calc/Program15.h"
#include "calc/Program16.h"

using namespace calc;

namespace {

class Chapter3 : public ::testing::Test {
protected:
    void SetUp() override { testsupport::useEnglish(); }
    void TearDown() override { testsupport::useEnglish(); }
};

using testsupport::answer;

std::string mixed(std::int64_t l, std::int64_t m) { return answer<Program13>(l, m); }
std::string decimal(const std::string& typed) { return answer<Program14>(typed); }
std::string egyptian(std::int64_t n, std::int64_t d) { return answer<Program16>(n, d); }

TEST_F(Chapter3, MixedFractions) {
    EXPECT_EQ(mixed(7, 3), "Mixed fraction: 2 1/3");
    EXPECT_EQ(mixed(6, 4), "Mixed fraction: 1 2/4");
    EXPECT_EQ(mixed(2, 5), "Mixed fraction: 2/5");
    EXPECT_EQ(mixed(6, 3), "Mixed fraction: 2 ");
    EXPECT_EQ(mixed(0, 5), "Mixed fraction: 0");  // said, not left empty
    EXPECT_EQ(mixed(9999999999, 9999999998), "Mixed fraction: 1 1/9999999998");
    EXPECT_EQ(mixed(-7, 3), "Mixed fraction: -2 1/3");
    EXPECT_EQ(mixed(5, 0), lang_file->error_zero_denominator);
    EXPECT_EQ(mixed(0, 0), lang_file->error_zero_denominator);
    testsupport::usePolish();
    EXPECT_EQ(mixed(10, 7), "Ulamek mieszany: 1 3/7");
}

TEST_F(Chapter3, RecurringDecimalsOfTheAcceptedForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"0.12[857]", "2569/19980"}, {"0.[3]", "1/3"},        {"1.[6]", "5/3"},      {"2.5[3]", "38/15"},
        {"0.[142857]", "1/7"},       {"123.4[5]", "11111/90"}, {".5[3]", "8/15"},     {"0.[9]", "1/1"},
        {"0.0[1]", "1/90"},          {"12.3[4]", "1111/90"},   {"9999999.[9]", "10000000/1"},
        {".[99999999]", "1/1"},       {".0000000[1]", "1/90000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(decimal(c.first), c.second) << c.first;
}

TEST_F(Chapter3, RecurringDecimalsOfOtherFormsAreRefused) {
    for (const char* typed : {"5", "0.5", "0.[]", "0.[3", "0.[3]]", "0.[3]4", "0..[3]", "0.1.[3]", "[3].0", "0[.3]",
                              "0.[[3]", "0.[3[4]]", ".[]", "[", "]", ".", "0.[3.]", ""})
        EXPECT_EQ(decimal(typed), "Write the decimal like 0.12[857]") << typed;
    testsupport::usePolish();
    EXPECT_EQ(decimal("0.[]"), "Zapisz ulamek tak jak 0.12[857]");
}

// Checks one typed text against the accepted form and, when it has it,
// against its value: x*10^(k+p) - x*10^k = WBA - WB.
void checkRecurringDecimal(const std::string& typed) {
    static const std::regex form(R"(^([0-9]*)\.([0-9]*)\[([0-9]+)\]$)");
    const std::string result = decimal(typed);
    std::smatch parts;
    if (!std::regex_match(typed, parts, form)) {
        ASSERT_EQ(result, lang_file->error_recurring_decimal) << typed;
        return;
    }
    auto number = [](const std::string& digits) { return fromDecimal("0" + digits); };
    const std::string w = parts[1], b = parts[2], a = parts[3];
    const Integer shift = powerOfTen(b.size()), period = powerOfTen(a.size());
    const std::size_t slash = result.find('/');
    ASSERT_NE(slash, std::string::npos) << typed << " gave " << result;
    const Integer n = fromDecimal(result.substr(0, slash)), d = fromDecimal(result.substr(slash + 1));
    ASSERT_EQ(n * shift * (period - 1), d * (number(w + b + a) - number(w + b))) << typed << " gave " << result;
    ASSERT_EQ(gcd(n, d), 1) << typed << " gave " << result;
}

TEST_F(Chapter3, EveryShortTypableTextGivesItsValueOrTheMessage) {
    const std::string alphabet = "0123456789.[]";
    std::vector<std::string> texts{""};
    for (std::size_t length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& t : texts)
            for (char c : alphabet) longer.push_back(t + c);
        for (const std::string& t : longer) checkRecurringDecimal(t);
        texts.swap(longer);
    }
}

TEST_F(Chapter3, RandomTypableTextsGiveTheirValueOrTheMessage) {
    std::mt19937 random(3);
    const std::string alphabet = "0123456789.[]";
    auto digits = [&](std::size_t n) {
        std::string s;
        while (s.size() < n) s += alphabet[random() % 10];
        return s;
    };
    for (int k = 0; k < 20000; ++k) {
        std::string typed;
        if (k % 2 == 0) {  // anything the field takes
            for (std::size_t n = random() % 10 + 1; n > 0; --n) typed += alphabet[random() % alphabet.size()];
        } else {  // the accepted form, up to 10 characters
            const std::size_t whole = random() % 7, before = random() % (7 - whole);
            typed = digits(whole) + "." + digits(before) + "[" + digits(random() % (7 - whole - before) + 1) + "]";
        }
        checkRecurringDecimal(typed);
    }
}

TEST_F(Chapter3, ComparisonIsExact) {
    EXPECT_EQ(answer<Program15>(3, 4, 2, 3), "Fraction 1 is greater.");
    EXPECT_EQ(answer<Program15>(1, 3, 1, 2), "Fraction 2 is greater.");
    EXPECT_EQ(answer<Program15>(2, 4, 1, 2), "Fractions 1 and 2 are equal.");
    EXPECT_EQ(answer<Program15>(0, 5, 0, 9), "Fractions 1 and 2 are equal.");
    // Equal in double precision, different in fact.
    EXPECT_EQ(answer<Program15>(9999999999, 9999999998, 9999999998, 9999999997), "Fraction 2 is greater.");
    EXPECT_EQ(answer<Program15>(-1, -2, 1, 3), "Fraction 1 is greater.");
    for (auto zero : {answer<Program15>(1, 0, 5, 1), answer<Program15>(0, 0, 1, 2), answer<Program15>(1, 2, 2, 0)})
        EXPECT_EQ(zero, lang_file->error_zero_denominator);
    testsupport::usePolish();
    EXPECT_EQ(answer<Program15>(3, 4, 2, 3), "Ulamek 1 jest wiekszy.");
    EXPECT_EQ(answer<Program15>(1, 3, 1, 2), "Ulamek 2 jest wiekszy.");
    EXPECT_EQ(answer<Program15>(2, 4, 1, 2), "Ulamki 1 i 2 sa rowne.");
}

TEST_F(Chapter3, EgyptianFractions) {
    const std::tuple<std::int64_t, std::int64_t, const char*> cases[] = {
        {7, 15, " 7/15 = 1/3 + 1/8 + 1/120"},     {4, 5, " 4/5 = 1/2 + 1/4 + 1/20"},
        {6, 7, " 6/7 = 1/2 + 1/3 + 1/42"},        {12, 5, " 12/5 = 2 + 1/3 + 1/15"},
        {6, 14, " 6/14 = 1/3 + 1/11 + 1/231"},    {1, 3, " 1/3 = 1/4 + 1/12"},
        {5, 6, " 5/6 = 1/2 + 1/3"},               {1, 2, " 1/2 = 1/3 + 1/6"},
        {3, 4, " 3/4 = 1/2 + 1/4"},               {9, 10, " 9/10 = 1/2 + 1/3 + 1/15"},
        {4, 13, " 4/13 = 1/4 + 1/18 + 1/468"},
        {5, 121, " 5/121 = 1/25 + 1/757 + 1/763309 + 1/873960180913 + 1/1527612795642093418846225"},
    };
    for (const auto& [n, d, expansion] : cases) EXPECT_EQ(egyptian(n, d), expansion);
    EXPECT_EQ(egyptian(8, 0), lang_file->error_zero_denominator);
    EXPECT_EQ(egyptian(0, 0), lang_file->error_zero_denominator);
}

TEST_F(Chapter3, EgyptianWholeNumbersLeaveTheSolutionAlone) {
    for (auto [n, d] : {std::pair<std::int64_t, std::int64_t>{6, 3}, {5, 5}, {0, 4}, {9999999999, 1}}) {
        Program16 p;
        p.setSolution("kept");
        p.calculate(n, d);
        EXPECT_EQ(p.getSolution(), "kept");
    }
}

TEST_F(Chapter3, EgyptianAnswersLongerThanTheLineAreRefused) {
    EXPECT_EQ(egyptian(32, 143),  // 95 characters, the longest shown
              " 32/143 = 1/5 + 1/43 + 1/1922 + 1/8441699 + 1/166278649573704 + 1/41472883956081813852742845720");
    EXPECT_EQ(egyptian(106, 142), "The answer is too long to show");  // would be 96
    EXPECT_EQ(egyptian(9999999997, 9999999999), "The answer is too long to show");  // would be 13954
    testsupport::usePolish();
    EXPECT_EQ(egyptian(106, 142), "Odpowiedz jest za dluga, by ja pokazac");
}

// Sums the unit fractions of an answer " n/d = [w + ]1/x + ... + 1/y" exactly.
Fraction sumOfAnswer(const std::string& expansion) {
    std::istringstream terms(expansion.substr(expansion.find('=') + 1));
    Integer numerator = 0, denominator = 1;
    std::string term, plus;
    Integer previousDenominator = 0;
    while (terms >> term) {
        const std::size_t slash = term.find('/');
        if (slash == std::string::npos) {
            numerator += fromDecimal(term) * denominator;
        } else {
            const Integer unit = fromDecimal(term.substr(slash + 1));
            EXPECT_EQ(term.substr(0, slash), "1") << expansion;
            EXPECT_GT(unit, previousDenominator) << expansion;  // distinct and falling
            previousDenominator = unit;
            numerator = numerator * unit + denominator;
            denominator *= unit;
        }
        terms >> plus;
    }
    return {numerator, denominator};
}

TEST_F(Chapter3, EgyptianExpansionsSumBackToTheFraction) {
    std::mt19937_64 random(16);
    int shown = 0;
    for (int k = 0; k < 3000; ++k) {
        const std::int64_t d = k < 1000 ? k % 97 + 2 : static_cast<std::int64_t>(random() % 9999999999 + 1);
        const std::int64_t n = k < 1000 ? k % 200 + 1 : static_cast<std::int64_t>(random() % 9999999999 + 1);
        const std::string expansion = egyptian(n, d);
        if (n % d == 0) {
            EXPECT_EQ(expansion, "");
            continue;
        }
        if (expansion == lang_file->error_too_long) continue;
        ++shown;
        ASSERT_LE(expansion.size(), Program16::LONGEST_ANSWER);
        ASSERT_EQ(expansion.substr(0, expansion.find('=')), " " + std::to_string(n) + "/" + std::to_string(d) + " ");
        const Fraction sum = sumOfAnswer(expansion);
        ASSERT_EQ(sum.numerator * d, sum.denominator * n) << expansion;
    }
    EXPECT_GT(shown, 900);
}

}  // namespace
