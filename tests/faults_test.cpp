// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// What goes wrong around the program must not stop it or change what it
// shows: an unwritable results file, a damaged picture.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
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

// Red pixels in the solution panel's row at y (a text row is 20 pixels high).
int redInRow(int y) { return countPixels(100, y, 900, y + 20, RED); }

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
    EXPECT_EQ(ownLines(testing::internal::GetCapturedStderr()), 1);
    EXPECT_TRUE(fs::is_directory("results.txt"));
    EXPECT_TRUE(cpu.getResultsNotSaved());

    // The answer stays in its row; the message takes the row below, in the
    // current language (the Polish text is longer).
    screens.part1(&g, &cpu);
    EXPECT_GT(countPixels(100, 20, 900, 40, BLACK), 100);
    const int english = redInRow(50);
    EXPECT_GT(english, 30);
    switchLanguage();
    screens.part1(&g, &cpu);
    switchLanguage();
    EXPECT_GT(redInRow(50), english);
    EXPECT_EQ(redInRow(20) + redInRow(80), 0);

    // A full panel leaves the strip at its foot; another answer clears the message.
    for (int line = 1; line <= 5; ++line) cpu.setSolutionLine(line, "2, 3, 5, 7");
    screens.part1(&g, &cpu);
    EXPECT_GT(redInRow(160), 30);
    cpu.setPart1Program1_n("7");
    cpu.setPart1Program1_k("2");
    cpu.setSolveThisProgram("part1_program1");
    screens.part1(&g, &cpu);
    EXPECT_FALSE(cpu.getResultsNotSaved());
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
    g.drawText("still drawn", 20, 62, 264, "text");
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;  // libpng's own lines silenced
    EXPECT_NE(report.find("damaged/math1.png"), std::string::npos) << report;
    EXPECT_FALSE(anyPixelOtherThan(420, 170, 980, 260, WHITE));
    EXPECT_GT(countPixels(62, 264, 200, 290, BLACK), 20);
}

TEST(Faults, AFontThatOpensButCannotDrawIsReportedOnce) {
    closeGraphics();  // a window of its own, with no font kept open yet
    PrivateRunFolder folder("faults-font");
    {
        // A quarter of the font: it opens, and every letter comes out empty.
        std::ifstream whole("ARIAL.TTF", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
        fs::remove("ARIAL.TTF");
        std::ofstream("ARIAL.TTF", std::ios::binary).write(bytes.data(), bytes.size() / 4);
    }
    testing::internal::CaptureStderr();
    {
        SDLGraphics g(1000, 700, "Calcora", 255, 255, 255);
        ASSERT_TRUE(g.isReady());
        for (int size : {16, 20, 16}) g.drawText("Number of prime numbers", size, 20, 20, "text");
        g.drawText("  ", 16, 20, 20, "text");
    }
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(report), 1) << report;
    EXPECT_NE(report.find("cannot draw text with the font ARIAL.TTF"), std::string::npos) << report;
}

namespace {

// The start of a PNG file: its signature and a header claiming width by height.
void writePngHeader(const std::string& path, Uint32 width, Uint32 height) {
    std::string png = "\x89PNG\r\n\x1a\n";
    png += std::string("\0\0\0\x0d", 4) + "IHDR";
    for (Uint32 side : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(side >> shift & 0xff);
    png += std::string("\x08\x06\0\0\0", 5) + "crc!";
    std::ofstream(path, std::ios::binary) << png;
}

}  // namespace

// A FIFO in place of the font or a picture would block the program in its
// open for good, and a small picture's header can claim a gigabyte of pixels:
// each is refused before it is read, said once on stderr, and drawing goes on.
TEST(Faults, OnlyRegularFilesAndPicturesOfSensibleSizeAreRead) {
    closeGraphics();  // a window of its own, with no font kept open yet
    PrivateRunFolder folder("faults-fifo");
    fs::remove("ARIAL.TTF");
    ASSERT_EQ(mkfifo("ARIAL.TTF", 0644), 0);
    ASSERT_EQ(mkfifo("fifo.png", 0644), 0);
    writePngHeader("huge.png", 16000, 16000);
    writePngHeader("wide.png", 4097, 1);
    writePngHeader("largest.png", 4096, 4096);  // allowed: its missing pixels fail the decoding
    alarm(30);                                   // a blocked open fails the test instead of hanging it
    testing::internal::CaptureStderr();
    {
        SDLGraphics g(1000, 700, "Calcora", 255, 255, 255);
        ASSERT_TRUE(g.isReady());
        for (int frame = 0; frame < 2; ++frame) {
            g.drawText("Number of prime numbers", 16, 20, 20, "text");
            for (const char* picture : {"fifo.png", "huge.png", "wide.png", "largest.png"}) g.drawImage(picture, 0, 0);
        }
    }
    alarm(0);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(report), 5) << report;
    for (const char* refusal : {"ARIAL.TTF: not a regular file", "fifo.png: not a regular file",
                                "huge.png: its header claims 16000 by 16000 pixels", "wide.png: its header claims"})
        EXPECT_NE(report.find(refusal), std::string::npos) << refusal << " in " << report;
    EXPECT_EQ(report.find("largest.png: its header claims"), std::string::npos) << report;
}
