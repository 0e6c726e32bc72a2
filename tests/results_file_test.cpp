// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// results.txt: written whole from the store's solution, replaced on every
// save, and a failed save reported without stopping the program.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/OutputToTextFile.h"
#include "app/SafeFile.h"

namespace {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Runs each test in a fresh temporary folder, the working directory restored after.
class ResultsFile : public ::testing::Test {
protected:
    bool save(const std::string& solution) {
        cpu.setSolution(solution);
        return writer.save_to_text_file(&cpu);
    }

    testsupport::TemporaryFolder folder{"results"};
    CPU cpu;
    OutputToTextFile writer;
};

}  // namespace

TEST_F(ResultsFile, HoldsTheSolutionAndOneLineEnd) {
    const std::string primes = "Number of prime numbers: 4;     2, 3, 5, 7, ";
    ASSERT_TRUE(save(primes));
    EXPECT_EQ(contentsOf("results.txt"), primes + "\n");
    EXPECT_EQ(cpu.getSolution(), primes);  // the store is left as it was
    EXPECT_EQ(entriesOf("."), std::vector<std::string>{"results.txt"});
}

TEST_F(ResultsFile, EachSaveReplacesTheFile) {
    ASSERT_TRUE(save(std::string(5000, '7')));
    ASSERT_TRUE(save("second"));
    EXPECT_EQ(contentsOf("results.txt"), "second\n");
}

TEST_F(ResultsFile, AnEmptySolutionLeavesJustALineEnd) {
    ASSERT_TRUE(save("earlier"));
    ASSERT_TRUE(save(""));
    EXPECT_EQ(contentsOf("results.txt"), "\n");
}

TEST_F(ResultsFile, AFailedSaveIsShownOnTheStoreAndReportedOnce) {
    ASSERT_EQ(mkdir("results.txt", 0755), 0);  // a folder where the file should go
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save("lost"));
    EXPECT_FALSE(save("lost again"));
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("results.txt"), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_TRUE(cpu.getResultsNotSaved());
    EXPECT_EQ(entriesOf("."), std::vector<std::string>{"results.txt"});  // no temporary file left
    EXPECT_TRUE(entriesOf("results.txt").empty());

    // A working folder that is gone: no file can be made there, even by root.
    const std::string gone = folder.path().string() + "/gone";
    ASSERT_EQ(mkdir(gone.c_str(), 0755), 0);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save("lost once more"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "reported a second time";
}

// A link or a FIFO planted where a temporary file might go is never opened:
// the link's target keeps its text and the save neither hangs nor fails.
TEST_F(ResultsFile, NothingPlantedBesideTheFileIsFollowed) {
    writeFile("victim", "precious\n");
    ASSERT_EQ(symlink("victim", "results.txt.tmp"), 0);
    ASSERT_TRUE(save("primes"));
    ASSERT_EQ(unlink("results.txt.tmp"), 0);
    ASSERT_EQ(mkfifo("results.txt.tmp", 0644), 0);
    ASSERT_TRUE(save("primes again"));
    EXPECT_EQ(contentsOf("victim"), "precious\n");
    EXPECT_EQ(contentsOf("results.txt"), "primes again\n");
    struct stat planted {};
    ASSERT_EQ(lstat("results.txt.tmp", &planted), 0);
    EXPECT_TRUE(S_ISFIFO(planted.st_mode));
    EXPECT_EQ(entriesOf(".").size(), 3u);
}

// results.txt stays the same file, as a plain truncate-and-write keeps it.
TEST_F(ResultsFile, TheFileKeepsItsIdentity) {
    ASSERT_EQ(mkdir("elsewhere", 0755), 0);
    const std::string longest = "elsewhere/" + std::string(255, 'k');  // no room for a longer temporary name
    ASSERT_EQ(symlink(longest.c_str(), "results.txt"), 0);              // not there yet
    ASSERT_TRUE(save("through a link"));
    ASSERT_TRUE(save("through a link again"));
    EXPECT_EQ(contentsOf(longest), "through a link again\n");
    struct stat link {};
    ASSERT_EQ(lstat("results.txt", &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));

    ASSERT_EQ(unlink("results.txt"), 0);
    writeFile("results.txt", "old\n");
    ASSERT_EQ(chmod("results.txt", 0640), 0);
    const std::string tag = "class 7b";  // a teacher's mark, where the file system keeps such marks
    const bool tagged = setxattr("results.txt", "user.teacher", tag.data(), tag.size(), 0) == 0;
    ASSERT_EQ(::link("results.txt", "second name"), 0);
    ASSERT_TRUE(save("both names"));
    EXPECT_EQ(contentsOf("second name"), "both names\n");
    ASSERT_EQ(unlink("second name"), 0);
    ASSERT_TRUE(save("alone"));  // now replaced by a new file
    struct stat kept {};
    ASSERT_EQ(stat("results.txt", &kept), 0);
    EXPECT_EQ(kept.st_mode & 07777, 0640u);
    EXPECT_EQ(contentsOf("results.txt"), "alone\n");
    if (tagged) {
        char mark[32] = {};
        const ssize_t length = getxattr("results.txt", "user.teacher", mark, sizeof mark);
        EXPECT_EQ(std::string(mark, length > 0 ? length : 0), tag);
    }
}

// Run by CTest as an unprivileged user as well (root may write anything).
TEST_F(ResultsFile, AFileTheUserMayNotWriteIsLeftAlone) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write it; CTest runs this again as nobody";
    writeFile("results.txt", "protected\n");
    ASSERT_EQ(chmod("results.txt", 0444), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save("refused"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Permission denied"), std::string::npos);
    EXPECT_TRUE(cpu.getResultsNotSaved());
    EXPECT_EQ(contentsOf("results.txt"), "protected\n");
    EXPECT_EQ(entriesOf("."), std::vector<std::string>{"results.txt"});
}

// The helpers other files are saved with: a CSV file grows by rows under one
// header, a settings file unchanged is not written again, and reading never
// opens a FIFO.
TEST_F(ResultsFile, AppendingSavingUnchangedAndReadingStaySafe) {
    std::string why, text;
    ASSERT_TRUE(appendToTextFile("practice.csv", "row 1\n", "time,answer\n", why)) << why;
    ASSERT_TRUE(appendToTextFile("practice.csv", "row 2\n", "time,answer\n", why)) << why;
    EXPECT_EQ(contentsOf("practice.csv"), "time,answer\nrow 1\nrow 2\n");

    ASSERT_TRUE(saveTextFile("settings", "language=Polish\n", why)) << why;
    struct stat before {}, after {};
    ASSERT_EQ(stat("settings", &before), 0);
    ASSERT_TRUE(saveTextFileIfChanged("settings", "language=Polish\n", why)) << why;
    ASSERT_EQ(stat("settings", &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // a save would have made a new file
    ASSERT_TRUE(saveTextFileIfChanged("settings", "language=English\n", why)) << why;
    ASSERT_TRUE(readTextFile("settings", text, why)) << why;
    EXPECT_EQ(text, "language=English\n");

    ASSERT_EQ(mkfifo("fifo", 0644), 0);
    EXPECT_FALSE(readTextFile("fifo", text, why));
    EXPECT_EQ(why, "not a regular file");
    EXPECT_FALSE(readTextFile("settings", text, why, 4));
}
