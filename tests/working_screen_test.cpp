// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The working screen's word on the files: it says results.txt holds the whole
// answer only when the solve could write it, and every failed save of
// working.txt is said on stderr as well as on the screen.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/OutputToTextFile.h"
#include "input/Input2.h"
#include "screens/ExerciseScreen.h"
#include "screens/WorkingScreen.h"

using namespace testsupport;

namespace {

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class WorkingFiles : public ::testing::Test {
protected:
    void SetUp() override { useEnglish(); }
    void TearDown() override { useEnglish(); }

    // Primes from 1 to 10 asked for on chapter 1, then W: the working's lines.
    std::vector<std::string> primesWorking() {
        cpu = CPU();
        cpu.setCurrentMenu("part1");
        cpu.setField(Field::part1_program2_from, "1");
        cpu.setField(Field::part1_program2_to, "10");
        cpu.setSolveThisProgram("part1_program2");
        runSolveStep(cpu, Screen::part1, results);
        press(SDLK_w);
        makeWorkingText(cpu);
        return cpu.getWorkingText().lines;
    }
    void press(SDLKey key) { Input2().readInputForPressingAKey(key, &cpu, nullptr); }

    PrivateRunFolder folder{"working-files"};
    CPU cpu;
    OutputToTextFile results;
};

}  // namespace

TEST_F(WorkingFiles, TheWorkingSaysResultsTxtHoldsTheAnswerOnlyWhenItDoes) {
    const std::string saved = "The whole answer is saved in results.txt";
    const std::string notSaved = "The whole answer could not be saved in results.txt";
    ASSERT_EQ(mkdir("results.txt", 0755), 0);  // a folder where the file should go
    testing::internal::CaptureStderr();
    std::vector<std::string> lines = primesWorking();
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(has(lines, notSaved));
    EXPECT_FALSE(has(lines, saved));
    press(SDLK_SPACE);
    makeWorkingText(cpu);
    lines = cpu.getWorkingText().lines;
    EXPECT_TRUE(has(lines, "Nie mozna bylo zapisac calej odpowiedzi w pliku results.txt"));
    EXPECT_FALSE(has(lines, "Cala odpowiedz jest zapisana w pliku results.txt"));
    press(SDLK_SPACE);

    ASSERT_TRUE(std::filesystem::remove("results.txt"));
    lines = primesWorking();
    EXPECT_TRUE(has(lines, saved));
    EXPECT_FALSE(has(lines, notSaved));
}

TEST_F(WorkingFiles, EveryFailedSaveOfTheWorkingIsSaidOnStderr) {
    cpu.setWorkingExercise("part1_program1", {"17", "5"});
    ASSERT_EQ(mkdir(WORKING_FILE, 0755), 0);
    testing::internal::CaptureStderr();
    for (int attempt = 0; attempt < 2; ++attempt) {
        cpu.setWorkingSaveRequested(true);
        saveWorkingIfAsked(cpu);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(cpu.getWorkingSave(), CPU::WorkingSave::failed);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_EQ(said.rfind("calcora: cannot save working.txt: ", 0), 0u) << said;
}
