// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// What the web page's live region says: the screen read as a sighted pupil
// reads it, and only what changed after each key.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>

#include "TestSupport.h"
#include "app/GlobalVariables.h"
#include "app/OutputToTextFile.h"
#include "app/Screens.h"
#include "input/Input2.h"
#include "screens/ExerciseScreen.h"
#include "screens/ScreenReading.h"
#include "screens/WorkingScreen.h"

namespace {

using testsupport::useLanguage;

struct Highlight {
    Screen screen;
    std::string (CPU::*get)() const;
};

const Highlight HIGHLIGHTS[] = {
    {Screen::start_screen, &CPU::getMenuItem},           {Screen::options_menu, &CPU::getOptionsItem},
    {Screen::part1, &CPU::getPart1Item},                 {Screen::part2, &CPU::getPart2Item},
    {Screen::part3, &CPU::getPart3Item},                 {Screen::part4, &CPU::getPart4Item},
    {Screen::part4_program1, &CPU::getPart4Program1Item}, {Screen::part4_program2, &CPU::getPart4Program2Item},
    {Screen::part4_program3, &CPU::getPart4Program3Item},
};

std::string heard(const ScreenReading& r) { return r.group + " / " + r.item; }

class Reading : public ::testing::Test {
protected:
    void TearDown() override { useLanguage("English"); }

    // Presses the keys and returns what the page would say after them.
    std::vector<std::string> after(std::initializer_list<SDLKey> keys) {
        for (SDLKey key : keys) input.readInputForPressingAKey(key, &cpu, nullptr);
        const ScreenReading now = readScreen(cpu);
        std::vector<std::string> said = newlyRead(last, now);
        last = now;
        return said;
    }
    bool says(const std::vector<std::string>& said, const std::string& text) {
        return std::find(said.begin(), said.end(), text) != said.end();
    }

    CPU cpu;
    Input2 input;
    ScreenReading last;
};

}  // namespace

// Every item the arrows reach has a name, and no two items of a screen sound
// the same (a label taken from the wrong box would), in both languages.
TEST_F(Reading, EveryItemTheArrowsReachIsNamedAndTellsItselfApart) {
    for (const char* name : {"English", "Polish"}) {
        useLanguage(name);
        for (const Highlight& h : HIGHLIGHTS) {
            CPU start;
            start.setCurrentMenu(screenName(h.screen));
            std::map<std::string, std::string> items;  // item -> what is heard
            std::vector<CPU> todo{start};
            while (!todo.empty()) {
                CPU at = todo.back();
                todo.pop_back();
                if (items.count((at.*h.get)())) continue;
                const ScreenReading r = readScreen(at);
                items[(at.*h.get)()] = heard(r);
                EXPECT_FALSE(r.item.empty()) << name << ", " << screenName(h.screen) << ": " << (at.*h.get)();
                for (SDLKey key : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT}) {
                    CPU next = at;
                    input.readInputForPressingAKey(key, &next, nullptr);
                    if (next.getCurrentMenu() == start.getCurrentMenu()) todo.push_back(next);
                }
            }
            std::set<std::string> distinct;
            for (const auto& item : items) distinct.insert(item.second);
            EXPECT_EQ(distinct.size(), items.size()) << name << ", " << screenName(h.screen);
        }
    }
}

// A pupil's way through one exercise, as heard.
TEST_F(Reading, SaysTheScreenTheItemTheTypedValueTheAnswerAndTheWorking) {
    testsupport::PrivateRunFolder folder("reading");
    useLanguage("English");
    after({});
    const auto chapter = after({SDLK_RETURN});
    EXPECT_TRUE(says(chapter, "1. Natural numbers and integers"));
    EXPECT_TRUE(says(chapter, "1. Calculate the rest r by dividing n by k"));
    EXPECT_TRUE(says(chapter, "n ="));

    EXPECT_EQ(after({SDLK_1}), std::vector<std::string>{"1"});
    EXPECT_EQ(after({SDLK_7}), std::vector<std::string>{"17"});
    EXPECT_EQ(after({SDLK_RIGHT}), (std::vector<std::string>{"k ="}));
    EXPECT_EQ(after({SDLK_DELETE, SDLK_5}), std::vector<std::string>{"5"});
    EXPECT_EQ(after({SDLK_DOWN}), std::vector<std::string>{"calculate1"});

    input.readInputForPressingAKey(SDLK_RETURN, &cpu, nullptr);
    OutputToTextFile results;
    runSolveStep(cpu, Screen::part1, results);
    EXPECT_EQ(after({}), std::vector<std::string>{"17 = 5 * 3 + 2"});
    EXPECT_TRUE(after({}).empty()) << "nothing changed, nothing said";

    input.readInputForPressingAKey(SDLK_w, &cpu, nullptr);
    makeWorkingText(cpu);  // as the working screen's frame does
    const auto working = after({});
    ASSERT_GE(working.size(), 2u);
    EXPECT_EQ(working[0], "Remainder of 17 by 5");
    EXPECT_EQ(working[1], "17 : 5 = 3 remainder 2");

    input.readInputForPressingAKey(SDLK_SPACE, &cpu, nullptr);
    makeWorkingText(cpu);
    const auto polish = after({});
    ASSERT_FALSE(polish.empty());
    EXPECT_EQ(polish[0], "Reszta z dzielenia 17 przez 5");
}

// Menus read each row as it stands: a value only where the row shows one,
// and Polish with its letters, the answers built from drawn words too.
TEST_F(Reading, MenusAsTheyStandAndPolishWithItsLetters) {
    useLanguage("English");
    after({});
    EXPECT_EQ(last.item, "1. Natural numbers and integers");
    cpu.setMenuItem("5");
    EXPECT_EQ(after({SDLK_RETURN}), (std::vector<std::string>{"Options", "controls:", "arrow keys - move around the program",
                                                              "enter - validate", "delete - remove entered data",
                                                              "space key - change language",
                                                              "escape - back to previous screen", "Fullscreen: off"}));
    EXPECT_EQ(after({SDLK_DOWN, SDLK_RETURN}), std::vector<std::string>{"Grid on the chart: on"});
    cpu.setCurrentMenu(screenName(Screen::part4));
    cpu.setPart4Item("4");
    EXPECT_EQ(after({}), (std::vector<std::string>{"Linear functions and vectors", "Back"}));

    cpu.setCurrentMenu(screenName(Screen::start_screen));
    cpu.setMenuItem("7");
    const auto polish = after({SDLK_SPACE});
    EXPECT_EQ(polish, std::vector<std::string>{"Wyjście"});
    cpu.setMenuItem("2");
    EXPECT_EQ(after({}), std::vector<std::string>{"2. Ułamki i liczby wymierne - część 1"});

    testsupport::PrivateRunFolder folder("reading-polish");
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("calculate5");
    cpu.setField(Field::part1_program5and6_n1, "12");
    cpu.setField(Field::part1_program5and6_n2, "18");
    after({});
    input.readInputForPressingAKey(SDLK_RETURN, &cpu, nullptr);
    OutputToTextFile results;
    runSolveStep(cpu, Screen::part1, results);
    ASSERT_EQ(cpu.getSolution(), "Najwiekszy wspolny dzielnik liczb 12 i 18 wynosi: 6") << "drawn as before";
    EXPECT_EQ(after({}), std::vector<std::string>{"Największy wspólny dzielnik liczb 12 i 18 wynosi: 6"});
}

// The Name row is read with its value; typing, the hint and then what was
// typed; in Polish with its letters.
TEST_F(Reading, TypingANameIsHeard) {
    useLanguage("Polish");
    cpu.setCurrentMenu(screenName(Screen::options_menu));
    cpu.setOptionsItem("6");
    cpu.setAccountName("anowak");
    after({});
    EXPECT_EQ(last.item, "Imię: anowak");
    EXPECT_EQ(after({SDLK_RETURN}),
              std::vector<std::string>{"Wpisz swoje imię i wciśnij Enter; Escape zostawia je bez zmian"});
    input.readInputForPressingAKey(SDLK_UNKNOWN, &cpu, nullptr, true, U'\u0141');
    EXPECT_EQ(after({SDLK_o}), std::vector<std::string>{"\xC5\x81"});  // "o" without its character types nothing
    input.readInputForPressingAKey(SDLK_a, &cpu, nullptr, false, U'a');
    EXPECT_EQ(after({SDLK_RETURN}), std::vector<std::string>{"Imię: \xC5\x81" "a"});
}

// Each new practice problem is heard whole: after P, after Enter on the next
// one, after a skip and Enter, after a change of level.
TEST_F(Reading, EveryPracticeProblemIsHeardWhole) {
    testsupport::PrivateRunFolder folder("reading-practice");
    useLanguage("English");
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("program5and6_n1");
    after({});
    const auto heardWhole = [&](const std::vector<std::string>& said) {
        const CPU::PracticeShown shown = cpu.getPractice();
        return said.size() >= 3 && said[0] == "GCD - greatest common divisor, level " + std::to_string(shown.problem.level) &&
               said[1] == shown.statement && said[2] == "GCD = takes digits";
    };
    EXPECT_TRUE(heardWhole(after({SDLK_p}))) << "P";
    const auto p = cpu.getPractice().problem;
    const std::string gcd = std::to_string(std::gcd(std::stoll(p.inputs[0]), std::stoll(p.inputs[1])));
    for (char digit : gcd) input.readInputForPressingAKey(SDLKey(SDLK_0 + (digit - '0')), &cpu, nullptr);
    EXPECT_TRUE(says(after({SDLK_RETURN}), "Enter: the next problem"));
    EXPECT_TRUE(heardWhole(after({SDLK_RETURN}))) << "Enter on the next problem";
    EXPECT_TRUE(says(after({SDLK_s}), "Skipped: it comes back soon"));
    EXPECT_TRUE(heardWhole(after({SDLK_RETURN}))) << "S and Enter";
    EXPECT_TRUE(heardWhole(after({SDLK_RIGHT}))) << "a level higher";
}
