// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Running from anywhere: where the pictures and font are found, the command
// line answered without a window, and the refusal of a text-mode display.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "app/CommandLine.h"
#include "gfx/AssetFolder.h"
#include "gfx/DisplayCheck.h"

namespace fs = std::filesystem;

namespace {

// A folder with a pictures' folder below `root`.
fs::path withImages(const fs::path& root, const fs::path& folder) {
    fs::create_directories(root / folder / "images");
    return root / folder;
}

}  // namespace

TEST(AssetFolder, RunFolderThenInstalledDataThenWorkingFolder) {
    const testsupport::TemporaryFolder scratch{"assets"};
    const fs::path root = scratch.path();
    // A run folder: the executable beside its pictures.
    EXPECT_EQ(AssetFolder(withImages(root, "run")).folder(), root / "run");
    // An installed tree moved anywhere: bin/ finds ../share/calcora.
    fs::create_directories(root / "opt/bin");
    EXPECT_EQ(AssetFolder(root / "opt/bin").folder(), fs::path());
    withImages(root, "opt/share/calcora");
    EXPECT_EQ(AssetFolder(root / "opt/bin").path("images/math1.png"),
              (root / "opt/share/calcora/images/math1.png").string());
    // Pictures beside the executable win over an installed tree.
    withImages(root, "opt/bin");
    EXPECT_EQ(AssetFolder(root / "opt/bin").folder(), root / "opt/bin");
    // Neither: names stay relative to whatever the working folder is.
    EXPECT_EQ(AssetFolder(root / "nowhere").path("ARIAL.TTF"), "ARIAL.TTF");
    EXPECT_EQ(AssetFolder(fs::path()).path("ARIAL.TTF"), "ARIAL.TTF");
}

TEST(CommandLine, OptionsAnsweredWithoutAWindow) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* out;  // the start of standard output
        const char* err;  // the start of standard error
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: calcora [--help | --version | --practice-seed N]\n", ""},
        {{"-h"}, 0, "Usage: calcora", ""},
        {{"--version"}, 0, "calcora " CALCORA_TEST_VERSION "\n", ""},
        {{"--colour"}, 2, "", "calcora: unknown option '--colour'\nUsage: calcora"},
        {{"results.txt"}, 2, "", "calcora: unknown option 'results.txt'\nUsage:"},
        {{"--version", "--help"}, 2, "", "calcora: unknown option '--help'\nUsage:"},
        {{""}, 2, "", "calcora: unknown option ''\n"},
        {{"--practice-seed", "-1"}, 2, "", "calcora: --practice-seed takes one whole number"},
        {{"--practice-seed", "18446744073709551616"}, 2, "", "calcora: --practice-seed takes one whole number"},
        {{"--practice-seed", "4", "2"}, 2, "", "calcora: --practice-seed takes one whole number"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(answerCommandLine(c.arguments, out, err), c.status) << c.arguments[0];
        EXPECT_EQ(out.str().rfind(c.out, 0), 0u) << c.arguments[0] << ": " << out.str();
        EXPECT_EQ(err.str().rfind(c.err, 0), 0u) << c.arguments[0] << ": " << err.str();
        EXPECT_EQ(out.str().empty(), !*c.out) << c.arguments[0];
        EXPECT_EQ(err.str().empty(), !*c.err) << c.arguments[0];
    }
    std::ostringstream out, err;
    EXPECT_EQ(answerCommandLine({}, out, err), std::nullopt);
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST(DisplayCheck, DriversThatShowNoWindowRefusedUnlessAskedFor) {
    const std::string refused = "the graphical display :5 refused or dropped the connection: ";
    EXPECT_EQ(displayProblem("x11", nullptr, ":0", ""), "");
    EXPECT_EQ(displayProblem("fbcon", "", nullptr, ""), "");
    EXPECT_EQ(displayProblem("caca", nullptr, nullptr, ""), NO_GRAPHICAL_DISPLAY);
    EXPECT_EQ(displayProblem("aalib", "", "", ""), NO_GRAPHICAL_DISPLAY);
    EXPECT_EQ(displayProblem("offscreen", nullptr, nullptr, ""), NO_GRAPHICAL_DISPLAY);  // SDL 2 under SDL 1.2's name
    EXPECT_EQ(displayProblem("", nullptr, nullptr, "x"), NO_GRAPHICAL_DISPLAY);  // no driver could start
    // A display is named but SDL could not use it: SDL's reason is given.
    EXPECT_EQ(displayProblem("", nullptr, ":5", "Couldn't open X11 display"), refused + "Couldn't open X11 display");
    EXPECT_EQ(displayProblem("caca", nullptr, ":5", ""), refused + "SDL could not open it");
    EXPECT_EQ(displayProblem("caca", "caca", nullptr, ""), "");
    EXPECT_EQ(displayProblem("dummy", "dummy", nullptr, ""), "");
    EXPECT_EQ(displayProblem("", "x11", ":5", "no"), "");  // the driver's own error is clearer then
}
