// What goes wrong around the program must not stop it or change what it
// shows: an unwritable results file, a damaged picture.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "app/CPU.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// Lines the program itself wrote (libpng adds its own complaint).
int ownLines(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("calcora:"); at != std::string::npos; at = text.find("calcora:", at + 1)) ++count;
    return count;
}

}  // namespace

TEST(Faults, AnUnwritableResultsFileLeavesTheAnswerOnScreen) {
    SDLGraphics& g = graphics();
    PrivateRunFolder folder("faults-results");
    ASSERT_EQ(mkdir("results.txt", 0755), 0);  // a folder stands where the file should go
    CPU cpu;
    DifferentScreens screens;
    cpu.setPart1Program2_from("1");
    cpu.setPart1Program2_to("10");
    testing::internal::CaptureStderr();
    for (int request = 0; request < 2; ++request) {
        cpu.setSolveThisProgram("part1_program2");
        screens.part1(&g, &cpu);
        EXPECT_EQ(cpu.getSolutionLine1(), "Number of prime numbers: 4;     2, 3, 5, 7, ");
        EXPECT_EQ(cpu.getSolution(), "");
        EXPECT_EQ(cpu.getSolveThisProgram(), "solved");
    }
    // Said once per run: an earlier test in this process may have said it already.
    EXPECT_LE(ownLines(testing::internal::GetCapturedStderr()), 1);
    EXPECT_TRUE(fs::is_directory("results.txt"));
}

TEST(Faults, ATruncatedPictureIsReportedOnceAndSkipped) {
    SDLGraphics& g = graphics();
    PrivateRunFolder folder("faults-png");
    fs::create_directory("damaged");
    {
        std::ifstream whole("images/math1.png", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 200u);
        std::ofstream("damaged/math1.png", std::ios::binary).write(bytes.data(), 120);
    }
    clearFrame();
    testing::internal::CaptureStderr();
    g.drawImage("damaged/math1.png", 420, 170);
    g.drawImage("damaged/math1.png", 420, 170);
    g.drawText("still drawn", 20, 62, 264, "black");
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(report), 1) << report;
    EXPECT_NE(report.find("damaged/math1.png"), std::string::npos) << report;
    EXPECT_FALSE(anyPixelOtherThan(420, 170, 980, 260, WHITE));
    EXPECT_GT(countPixels(62, 264, 200, 290, BLACK), 20);
}
