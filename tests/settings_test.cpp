// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered choices: the settings file written and read back, the
// locale's language on the first start, and files that cannot be used.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Settings.h"
#include "screens/ScreenReading.h"

using namespace testsupport;

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override { useEnglish(); }
    void TearDown() override { useEnglish(); }

    // A fresh store with the choices of the settings file restored; what was said on stderr.
    std::string restored(CPU& cpu) {
        std::ostringstream err;
        SettingsKeeper(UserFile::at(file)).restore(cpu, err);
        return err.str();
    }
    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string contents() const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TemporaryFolder folder{"settings"};
    std::string file = (folder.path() / "calcora" / "settings").string();
};

// Runs `check` with the four locale variables set as given ("" unsets one).
template <class Check>
void withLocale(const std::vector<std::string>& values, Check check) {
    const char* const NAMES[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (std::size_t i = 0; i < 4; ++i) {
        const char* old = std::getenv(NAMES[i]);
        saved.emplace_back(NAMES[i], old ? std::optional<std::string>(old) : std::nullopt);
        if (values[i].empty()) unsetenv(NAMES[i]);
        else setenv(NAMES[i], values[i].c_str(), 1);
    }
    check();
    for (const auto& [name, value] : saved)
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
}

}  // namespace

TEST_F(Settings, ChoicesAreSavedWhenOneChangesAndRestoredNextTime) {
    CPU cpu;
    SettingsKeeper keeper(UserFile::at(file));
    std::ostringstream err;
    withLocale({"", "", "C.UTF-8", ""}, [&] { keeper.restore(cpu, err); });
    keeper.keep(cpu, err);
    EXPECT_FALSE(std::filesystem::exists(file)) << "nothing chosen, nothing written";
    switchLanguage();
    cpu.setGridlines(true);
    cpu.setFullscreen(true);
    cpu.setSizePercent(150);
    cpu.setHighContrast(true);
    cpu.setSpeech(true);
    keeper.keep(cpu, err);  // the folder is made too
    EXPECT_EQ(contents(),
              "# Calcora keeps the pupil's choices here and rewrites this file when one changes.\n"
              "language=Polish\nfullscreen=on\ngridlines=on\nsize=150%\nhigh-contrast=on\nspeech=on\n");
    EXPECT_EQ((std::filesystem::status(folder.path() / "calcora").permissions() & std::filesystem::perms::all),
              std::filesystem::perms::owner_all);
    EXPECT_EQ(err.str(), "");

    useEnglish();
    CPU next;
    withLocale({"", "", "C.UTF-8", ""}, [&] { EXPECT_EQ(restored(next), ""); });
    EXPECT_EQ(language, "Polish");
    EXPECT_TRUE(next.getGridlines());
    EXPECT_TRUE(next.getFullscreen());
    EXPECT_EQ(next.getSizePercent(), 150);
    EXPECT_TRUE(next.getHighContrast());
    EXPECT_TRUE(next.getSpeech());
    EXPECT_TRUE(next.getChangedDisplayMode()) << "the first frame switches to full screen";
}

TEST_F(Settings, TheFirstStartFollowsTheLocale) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"pl_PL.UTF-8", "en_GB.UTF-8", "en_GB.UTF-8", ""}, "Polish"},  // LC_ALL first
        {{"", "pl_PL", "en_US.UTF-8", ""}, "Polish"},
        {{"", "", "pl_PL.UTF-8", ""}, "Polish"},
        {{"", "", "", "pl:en"}, "Polish"},
        {{"C.UTF-8", "", "POSIX", "pl"}, "Polish"},  // C and POSIX name no language
        {{"en_US.UTF-8", "", "pl_PL.UTF-8", ""}, "English"},
        {{"", "", "", ""}, "English"},
    };
    for (const auto& [values, expected] : cases) {
        useEnglish();
        CPU cpu;
        withLocale(values, [&] { EXPECT_EQ(restored(cpu), ""); });
        EXPECT_EQ(language, expected) << values[0] << "|" << values[1] << "|" << values[2] << "|" << values[3];
    }
    EXPECT_EQ(localeLanguage({"en-US", "pl"}), "English");  // the browser's first preference decides
    // A file that names the language wins over the locale.
    useEnglish();
    std::filesystem::create_directories(folder.path() / "calcora");
    write("language=English\n");
    CPU cpu;
    withLocale({"", "", "pl_PL.UTF-8", ""}, [&] { restored(cpu); });
    EXPECT_EQ(language, "English");
}

// Each line that cannot be used is passed over alone and said once, on
// stderr with the file and on the start screen; the other lines still count.
TEST_F(Settings, ABadLineIsPassedOverAloneAndSaid) {
    std::filesystem::create_directories(folder.path() / "calcora");
    const std::pair<std::string, std::vector<std::string>> files[] = {
        {"", {}},
        {"# only a comment\n\n", {}},
        {"gridlines=on\nclass_folder=/srv/7b\n", {"settings line 2: class_folder is not a setting"}},
        {"language=Klingon\ngridlines=on\n", {"settings line 1: language takes English / Polish"}},
        {"gridlines=on\nfullscreen=maybe\nsize=300%\n",
         {"settings line 2: fullscreen takes off / on", "settings line 3: size takes 100% / 150% / 200%"}},
        {"this is not a setting\ngridlines=on\n", {"settings line 1: not a setting"}},
        {std::string("language=Pol\0ish\ngridlines=on\n", 30), {"settings line 1: not a setting"}},
        {"\x1b]0;pwned\x07=1\ngridlines=on\n", {"settings line 1: ?]0;pwned? is not a setting"}},
        {"gridlines=on\npupil=<script>\n", {"settings line 2: pupil takes letters, digits, spaces and - (at most 40)"}},
        {"gridlines=on\nclass-folder=class/7b\n", {"settings line 2: class-folder must begin with /: class/7b"}},
        {std::string(5000, '#'), {"settings: cannot be read"}},  // larger than any settings file
    };
    for (const auto& [text, said] : files) {
        write(text);
        CPU cpu;
        std::string err;
        withLocale({"", "", "C", ""}, [&] { err = restored(cpu); });
        EXPECT_EQ(cpu.getGridlines(), text.find("gridlines=on") != std::string::npos) << text;
        EXPECT_EQ(cpu.getClassFolder(), "") << text;
        std::vector<std::string> shown;
        for (const SettingsFault& fault : cpu.getSettingsFaults()) shown.push_back(describe(fault, *lang_file));
        EXPECT_EQ(shown, said) << text;
        EXPECT_EQ(std::size_t(std::count(err.begin(), err.end(), '\n')), said.size()) << err;
        for (const std::string& line : split(err, "\n"))
            if (!line.empty()) EXPECT_NE(line.find(file), std::string::npos) << line;
        EXPECT_EQ(err.find('\x1b'), std::string::npos) << "no escape sequence reaches the terminal";
    }
    // Unreadable: a folder or a FIFO where the file should be (never waited on).
    std::filesystem::remove(file);
    for (bool fifo : {false, true}) {
        ASSERT_EQ(fifo ? mkfifo(file.c_str(), 0600) : mkdir(file.c_str(), 0700), 0);
        CPU cpu;
        const std::string err = restored(cpu);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(cpu.getSettingsFaults().size(), 1u);
        std::filesystem::remove(file);
    }
}

TEST_F(Settings, AFailedSaveIsSaidOnceARun) {
    ASSERT_EQ(mkdir(file.substr(0, file.rfind('/')).c_str(), 0700), 0);
    ASSERT_EQ(mkdir(file.c_str(), 0700), 0);  // a folder where the file should go
    CPU cpu;
    std::ostringstream err;
    SettingsKeeper keeper(UserFile::at(file));
    keeper.restore(cpu, err);
    for (int i = 0; i < 3; ++i) {
        cpu.setGridlines(!cpu.getGridlines());
        keeper.keep(cpu, err);
    }
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;  // reading once, saving once
    EXPECT_NE(said.find("cannot save the settings file " + file), std::string::npos) << said;
}

TEST_F(Settings, AFileTheUserMayNotReadGivesTheDefaults) {
    if (geteuid() == 0) GTEST_SKIP() << "root may read it; CTest runs this again as nobody";
    std::filesystem::create_directories(folder.path() / "calcora");
    write("gridlines=on\n");
    ASSERT_EQ(chmod(file.c_str(), 0), 0);
    CPU cpu;
    const std::string err = restored(cpu);
    EXPECT_FALSE(cpu.getGridlines());
    EXPECT_NE(err.find("Permission denied"), std::string::npos) << err;
}

// An administrator's file is read first, the pupil's own lines win; the
// pupil's name and the class folder are settings too, the folder never
// written back to the pupil's file.
TEST_F(Settings, SystemWideSettingsComeFirstAndThePupilsOwnLinesWin) {
    const std::filesystem::path system = folder.path() / "etc" / "calcora";
    std::filesystem::create_directories(system);
    std::ofstream(system / "settings") << "language=Polish\nhigh-contrast=on\nclass-folder=/srv/class/7b\n";
    std::filesystem::create_directories(folder.path() / "calcora");
    write("high-contrast=off\npupil=\xC5\x81ucja \xC5\xBB" "ak-Nowak\n");
    const char* old = std::getenv("XDG_CONFIG_DIRS");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_DIRS", ("relative:" + (folder.path() / "none").string() + ":" + (folder.path() / "etc").string()).c_str(), 1);
    const std::vector<UserFile> files = systemSettingsFiles();
    old ? setenv("XDG_CONFIG_DIRS", saved.c_str(), 1) : unsetenv("XDG_CONFIG_DIRS");
    ASSERT_EQ(files.size(), 2u);
    CPU cpu;
    std::ostringstream err;
    SettingsKeeper keeper(UserFile::at(file), files);
    keeper.restore(cpu, err);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(language, "Polish");
    EXPECT_FALSE(cpu.getHighContrast());
    EXPECT_EQ(cpu.getPupilName(), "\xC5\x81ucja \xC5\xBB" "ak-Nowak");
    EXPECT_EQ(cpu.getClassFolder(), "/srv/class/7b");
    cpu.setGridlines(true);
    keeper.keep(cpu, err);
    EXPECT_NE(contents().find("\npupil=\xC5\x81ucja \xC5\xBB" "ak-Nowak\n"), std::string::npos) << contents();
    EXPECT_EQ(contents().find("class-folder"), std::string::npos);
    EXPECT_EQ(contents().find("language"), std::string::npos);  // the administrator's line stays theirs
}

// A lab's settings with typos still give its class folder, each typo shown
// on the start screen (and heard there); a pupil's own line cannot move the
// lab's class folder elsewhere, even while the lab's line is wrong.
TEST_F(Settings, ATypoInTheLabsSettingsLeavesTheClassFolderWorking) {
    const std::filesystem::path system = folder.path() / "etc" / "calcora";
    std::filesystem::create_directories(system);
    std::filesystem::create_directories(folder.path() / "calcora");
    std::vector<UserFile> files{UserFile::at((system / "settings").string())};
    const std::pair<std::string, std::string> labs[] = {
        {"language=Englsh\nclass-folder=/srv/class/7b\nthis is not a setting\n", "/srv/class/7b"},
        {"class-folder=class/7b\n", ""},
    };
    for (const auto& [lab, classFolder] : labs) {
        std::ofstream(system / "settings") << lab;
        write("gridlines=on\nclass-folder=/home/ola/mine\n");
        CPU cpu;
        std::ostringstream err;
        SettingsKeeper(UserFile::at(file), files).restore(cpu, err);
        EXPECT_EQ(cpu.getClassFolder(), classFolder) << lab;
        EXPECT_TRUE(cpu.getGridlines());
        std::vector<std::string> shown;
        for (const SettingsFault& fault : cpu.getSettingsFaults()) shown.push_back(describe(fault, *lang_file));
        EXPECT_EQ(shown.back(), "settings line 2: class-folder is set for the whole lab: passed over");
        EXPECT_EQ(split(err.str(), "\n").size(), shown.size() + 1) << err.str();
        if (!classFolder.empty()) {
            EXPECT_EQ(shown, (std::vector<std::string>{"system-wide settings line 1: language takes English / Polish",
                                                       "system-wide settings line 3: not a setting", shown.back()}));
            const std::vector<std::string> heard = readScreen(cpu).title;
            for (const std::string& fault : shown)
                EXPECT_NE(std::find(heard.begin(), heard.end(), fault), heard.end()) << fault;
        }
    }
    // The lab's own folder again in the pupil's file is no fault.
    write("class-folder=/srv/class/7b\n");
    std::ofstream(system / "settings") << "class-folder=/srv/class/7b\n";
    CPU cpu;
    std::ostringstream err;
    SettingsKeeper(UserFile::at(file), files).restore(cpu, err);
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(cpu.getSettingsFaults().empty());
}

// A file written on another system (a byte order mark, CRLF) is read as
// plain lines; a save changes only the lines of the choices changed here,
// keeping another window's and a later version's lines as they are.
TEST_F(Settings, AnotherSystemsFileIsReadAndAnotherWindowsChoicesKept) {
    std::filesystem::create_directories(folder.path() / "calcora");
    write("\xEF\xBB\xBFgridlines=on\r\nsize=150%\r\n");
    CPU cpu;
    SettingsKeeper keeper(UserFile::at(file));
    std::ostringstream err;
    withLocale({"", "", "C", ""}, [&] { keeper.restore(cpu, err); });
    EXPECT_TRUE(cpu.getGridlines());
    EXPECT_EQ(cpu.getSizePercent(), 150);
    write("language=Polish\nsize=150%\nzoom=2\n");  // another window since
    cpu.setHighContrast(true);
    keeper.keep(cpu, err);
    EXPECT_EQ(contents(), "language=Polish\nsize=150%\nzoom=2\nhigh-contrast=on\n");
    EXPECT_EQ(err.str(), "");
}
