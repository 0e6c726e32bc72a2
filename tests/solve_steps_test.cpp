// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The solve step of the exercise screens: which texts a request leaves in
// the store, the results file, empty fields, and requests of other screens.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class SolveStep : public ::testing::Test {
protected:
    void SetUp() override { graphics(); }
    void TearDown() override { useEnglish(); }

    // Draws the screen once with `request` pending, as the frame that
    // handled Enter on a calculate button does.
    void solve(void (DifferentScreens::*screen)(SDLGraphics*, CPU*), const std::string& request) {
        cpu.setSolveThisProgram(request);
        clearFrame();
        (screens.*screen)(&graphics(), &cpu);
    }

    std::string results() const { return folder.results(); }

    void expectLines(std::initializer_list<std::string> lines) {
        int n = 1;
        for (const std::string& line : lines) EXPECT_EQ(cpu.getSolutionLine(n++), line);
        for (; n <= 5; ++n) EXPECT_EQ(cpu.getSolutionLine(n), "");
    }

    PrivateRunFolder folder{"solve"};  // results.txt stays private
    CPU cpu;
    DifferentScreens screens;
};

}  // namespace

TEST_F(SolveStep, RemainderFillsTheMainTextAndEmptiesTheLines) {
    cpu.setSolutionLine3("old");
    cpu.setPart1Program1_n("17");
    cpu.setPart1Program1_k("5");
    solve(&DifferentScreens::part1, "part1_program1");
    EXPECT_EQ(cpu.getSolution(), "17 = 5 * 3 + 2");
    expectLines({});
    EXPECT_EQ(cpu.getSolveThisProgram(), "solved");
    EXPECT_FALSE(fs::exists("results.txt"));
}

TEST_F(SolveStep, PrimeListingShowsLinesAndSavesTheWholeText) {
    cpu.setPart1Program2_from("1");
    cpu.setPart1Program2_to("10");
    solve(&DifferentScreens::part1, "part1_program2");
    EXPECT_EQ(cpu.getSolution(), "");
    expectLines({"Number of prime numbers: 4;     2, 3, 5, 7, "});
    EXPECT_EQ(results(), "Number of prime numbers: 4;     2, 3, 5, 7, \n");
}

// Nothing calculated, nothing written: the saved list is kept byte for byte,
// and the panel shows what it always showed (nothing, or the range message).
TEST_F(SolveStep, AnInputWithoutAnAnswerKeepsTheSavedList) {
    cpu.setPart1Program2_from("1");
    cpu.setPart1Program2_to("100");
    solve(&DifferentScreens::part1, "part1_program2");
    const std::string saved = results();
    ASSERT_EQ(saved.size(), 130u);
    cpu.clearPart1Program2_to();
    solve(&DifferentScreens::part1, "part1_program2");
    expectLines({});
    solve(&DifferentScreens::part1, "part1_program7");  // its field is empty
    expectLines({});
    for (const char* n : {"3", "2501", "0"}) {
        cpu.clearPart1Program7_n();
        cpu.setPart1Program7_n(n);
        solve(&DifferentScreens::part1, "part1_program7");
        EXPECT_EQ(cpu.getSolution(), "");
        expectLines({"Enter number n of interval 4<=n<=2500"});
    }
    cpu.setPart1Program2_to("1000001");
    solve(&DifferentScreens::part1, "part1_program2");
    expectLines({"Enter numbers from 0 to 1000000"});
    EXPECT_EQ(results(), saved);
    cpu.setPart1Program7_n("4");  // "04": an answer again
    solve(&DifferentScreens::part1, "part1_program7");
    EXPECT_EQ(results(), "4 = 2 + 2    \n");
}

TEST_F(SolveStep, DivisibilityShowsOnlyLinesOneAndTwo) {
    cpu.setSolution("previous");
    cpu.setPart1Program4_n("36");
    solve(&DifferentScreens::part1, "part1_program4");
    EXPECT_EQ(cpu.getSolution(), "");
    expectLines({"The given number is divisible by:",
                 "2: yes    3: yes    4: yes    5: no    8: no    9: yes    11: no    12: yes    15: no    18: yes    "});
}

TEST_F(SolveStep, GcdAndLcmShareTheirFieldsAndAnEmptyOneClearsThePanel) {
    cpu.setPart1Program5and6_n1("4");
    cpu.setPart1Program5and6_n2("6");
    solve(&DifferentScreens::part1, "part1_program5");
    EXPECT_EQ(cpu.getSolution(), "Greatest common divisor of numbers 4 i 6 is: 2");
    solve(&DifferentScreens::part1, "part1_program6");
    EXPECT_EQ(cpu.getSolution(), "Lowest common multiple of numers 4 i 6 is: 12");
    cpu.clearPart1Program5and6_n2();
    solve(&DifferentScreens::part1, "part1_program5");
    EXPECT_EQ(cpu.getSolution(), "");
}

TEST_F(SolveStep, AnswerKeepsTheLanguageItWasComputedIn) {
    cpu.setPart1Program5and6_n1("12");
    cpu.setPart1Program5and6_n2("18");
    switchLanguage();
    solve(&DifferentScreens::part1, "part1_program5");
    switchLanguage();
    EXPECT_EQ(cpu.getSolution(), "Najwiekszy wspolny dzielnik liczb 12 i 18 wynosi: 6");
}

TEST_F(SolveStep, TenDigitFieldsAreTakenExactly) {
    cpu.setPart1Program5and6_n1("9999999999");
    cpu.setPart1Program5and6_n2("9999999998");
    solve(&DifferentScreens::part1, "part1_program6");
    EXPECT_EQ(cpu.getSolution(), "Lowest common multiple of numers 9999999999 i 9999999998 is: 99999999970000000002");
}

TEST_F(SolveStep, OtherRequestsLeaveTheStoreAlone) {
    cpu.setSolution("kept");
    for (const char* request : {"solved", "", "part2_program1", "part1_program8"}) {
        solve(&DifferentScreens::part1, request);
        EXPECT_EQ(cpu.getSolution(), "kept");
        EXPECT_EQ(cpu.getSolveThisProgram(), request);
    }
    solve(&DifferentScreens::part3, "part1_program1");
    EXPECT_EQ(cpu.getSolveThisProgram(), "part1_program1");
}

TEST_F(SolveStep, FourOperationsFillFourLines) {
    cpu.setSolution("previous");
    cpu.setPart2Program1_n1a("1");
    cpu.setPart2Program1_n1b("2");
    cpu.setPart2Program1_n2a("1");
    cpu.setPart2Program1_n2b("3");
    solve(&DifferentScreens::part2, "part2_program1");
    EXPECT_EQ(cpu.getSolution(), "");
    expectLines({"1/2 + 1/3 = 5/6     ", "1/2 - 1/3 = 1/6     ", "1/2 * 1/3 = 1/6     ", "1/2 / 1/3 = 3/2     "});
    cpu.setPart2Program3_n1a("2");
    cpu.setPart2Program3_n1b("4");
    cpu.setPart2Program3_n2a("1");
    cpu.setPart2Program3_n2b("4");
    solve(&DifferentScreens::part2, "part2_program3");
    expectLines({"2/4 + 1/4 = 3/4     ", "2/4 - 1/4 = 1/4     ", "2/4 * 1/4 = 1/8     ", "2/4 / 1/4 = 2/1     "});
}

TEST_F(SolveStep, ChapterTwoSingleAnswersAndTheSixFractions) {
    cpu.setPart2Program2_n_a("12");
    cpu.setPart2Program2_n_b("18");
    solve(&DifferentScreens::part2, "part2_program2");
    EXPECT_EQ(cpu.getSolution(), "2/3");
    expectLines({});

    for (const char* f : {"part2_program4_n1a", "part2_program4_n1b", "part2_program4_n2a", "part2_program4_n2b"})
        cpu.setField(*fieldNamed(f), "2");
    solve(&DifferentScreens::part2, "part2_program4");
    EXPECT_EQ(cpu.getSolution(), "Two fractions present the same rational number");

    const char* six[] = {"2", "4", "6", "9", "10", "5", "7", "7", "0", "3", "12", "8"};
    for (int i = 0; i < 12; ++i) cpu.setField(Field(int(Field::part2_program5_n1a) + i), six[i]);
    solve(&DifferentScreens::part2, "part2_program5");
    EXPECT_EQ(cpu.getSolution(), "");
    expectLines({"Fraction 1: 1/2     Fraction 2: 2/3     ", "Fraction 3: 2/1     Fraction 4: 1/1     ",
                 "Fraction 5: 0/1     Fraction 6: 3/2     "});
    cpu.clearPart2Program5_n6b();
    solve(&DifferentScreens::part2, "part2_program5");
    expectLines({});
}

TEST_F(SolveStep, ChapterThreeAnswersAreOneLine) {
    cpu.setSolutionLine2("old");
    cpu.setPart3Program1_n_a("7");
    cpu.setPart3Program1_n_b("3");
    solve(&DifferentScreens::part3, "part3_program1");
    EXPECT_EQ(cpu.getSolution(), "Mixed fraction: 2 1/3");
    expectLines({});

    cpu.setPart3Program2_n("0.12[857]");
    solve(&DifferentScreens::part3, "part3_program2");
    EXPECT_EQ(cpu.getSolution(), "2569/19980");

    cpu.setPart3Program3_n1a("3");
    cpu.setPart3Program3_n1b("4");
    cpu.setPart3Program3_n2a("2");
    cpu.setPart3Program3_n2b("3");
    solve(&DifferentScreens::part3, "part3_program3");
    EXPECT_EQ(cpu.getSolution(), "Fraction 1 is greater.");

    cpu.setPart3Program4_n_a("7");
    cpu.setPart3Program4_n_b("15");
    solve(&DifferentScreens::part3, "part3_program4");
    EXPECT_EQ(cpu.getSolution(), " 7/15 = 1/3 + 1/8 + 1/120");
    cpu.clearPart3Program4_n_a();
    cpu.setPart3Program4_n_a("6");
    cpu.clearPart3Program4_n_b();
    cpu.setPart3Program4_n_b("3");
    solve(&DifferentScreens::part3, "part3_program4");
    EXPECT_EQ(cpu.getSolution(), "");
}

TEST_F(SolveStep, EmptyRecurringDecimalClearsThePanel) {
    cpu.setSolution("previous");
    solve(&DifferentScreens::part3, "part3_program2");
    EXPECT_EQ(cpu.getSolution(), "");
    EXPECT_EQ(cpu.getSolveThisProgram(), "solved");
}
