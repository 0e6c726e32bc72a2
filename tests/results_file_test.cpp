// results.txt: written whole from the store's solution, replaced on every
// save, and a failed save reported without stopping the program.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
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

// Every failing case in one test: the report is made once for the whole run.
TEST_F(ResultsFile, AFailedSaveIsReportedOnceAndLeavesNoTemporaryFile) {
    ASSERT_EQ(mkdir("results.txt", 0755), 0);  // a folder where the file should go
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save("lost"));
    const std::string first = testing::internal::GetCapturedStderr();
    EXPECT_NE(first.find("results.txt"), std::string::npos) << first;
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1) << first;
    EXPECT_EQ(entriesOf("."), std::vector<std::string>{"results.txt"});
    EXPECT_TRUE(entriesOf("results.txt").empty());

    // A working folder that is gone: no file can be made there, even by root.
    const std::string gone = folder.path().string() + "/gone";
    ASSERT_EQ(mkdir(gone.c_str(), 0755), 0);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save("lost again"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "reported a second time";
}
