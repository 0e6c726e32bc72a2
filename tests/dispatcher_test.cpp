// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The key dispatcher as a pupil meets it: what a sequence of keys does to the
// store on every screen. Where the arrow keys lead is checked by walks
// written from the screens as they look, and by the layout (an arrow moves
// the marker its own way, every box is reached); Enter, Escape, Space, Delete,
// typing and the working screen's keys by what they change and leave alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "app/Settings.h"
#include "app/Screens.h"
#include "input/Input2.h"
#include "input/KeyTables.h"
#include "practice/Practice.h"
#include "screens/ExerciseScreen.h"
#include "screens/WorkingScreen.h"

namespace {

// Everything the dispatcher may change, by name.
using Snapshot = std::vector<std::pair<std::string, std::string>>;

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts) all += t + "|";
    return all;
}

// The window, the look, the results file's state, the workings' texts and
// the whole practice screen with the progress and the rows waiting.
void addTheRest(Snapshot& s, const CPU& cpu) {
    auto number = [](long long n) { return std::to_string(n); };
    const CPU::WorkingText w = cpu.getWorkingText();
    const CPU::PracticeShown p = cpu.getPractice();
    const Snapshot rest = {
        {"window", number(cpu.getWindowWidth()) + "x" + number(cpu.getWindowHeight())},
        {"size_percent", number(cpu.getSizePercent())},
        {"largest_size_percent", number(cpu.getLargestSizePercent())},
        {"high_contrast", number(cpu.getHighContrast())},
        {"results_not_saved", number(cpu.getResultsNotSaved())},
        {"results_failure_reported", number(cpu.getResultsFailureReported())},
        {"last_solved_inputs", joined(cpu.getLastSolvedInputs())},
        {"working_inputs", joined(cpu.getWorkingInputs())},
        {"working_text", joined(w.lines) + number(w.answer_lines) + "," + number(w.rows) + "," + w.language},
        {"practice_return_to", p.return_to},
        {"practice_problem", number(int(p.problem.exercise)) + "," + number(p.problem.level) + "," +
                                 number((long long)p.problem.seed) + "," + joined(p.problem.inputs)},
        {"practice_texts", p.name + "|" + p.statement + "|" + p.language},
        {"practice_fields", number((long long)p.fields.size()) + "," + joined(p.typed) + number(p.field)},
        {"practice_verdict", p.verdict ? p.verdict->text : "none"},
        {"practice_checked", joined(p.checked) + number(p.skipped) + "," + number(p.hints)},
        {"practice_hint_lines", joined(p.hint_lines)},
        {"practice_progress", practice::Progress(cpu.getPracticeProgress()).text()},
        {"practice_progress_changed", number(cpu.getPracticeProgressChanged())},
        {"practice_log", number((long long)CPU(cpu).takePracticeLog().size())},
    };
    s.insert(s.end(), rest.begin(), rest.end());
    for (Exercise e : practice::allExercises())
        s.emplace_back("practice_level_" + practice::id(e), number(cpu.getPracticeLevel(e)));
}

Snapshot snapshot(const CPU& cpu) {
    auto yesNo = [](bool b) { return std::string(b ? "yes" : "no"); };
    Snapshot s = {
        {"current_menu", cpu.getCurrentMenu()},
        {"solve_this_program", cpu.getSolveThisProgram()},
        {"solution", cpu.getSolution()},
        {"menu_item", cpu.getMenuItem()},
        {"options_item", cpu.getOptionsItem()},
        {"part1_item", cpu.getPart1Item()},
        {"part2_item", cpu.getPart2Item()},
        {"part3_item", cpu.getPart3Item()},
        {"part4_item", cpu.getPart4Item()},
        {"part4_program1_item", cpu.getPart4Program1Item()},
        {"part4_program2_item", cpu.getPart4Program2Item()},
        {"part4_program3_item", cpu.getPart4Program3Item()},
        {"running", yesNo(cpu.isGameRunning())},
        {"fullscreen", yesNo(cpu.getFullscreen())},
        {"changed_display_mode", yesNo(cpu.getChangedDisplayMode())},
        {"gridlines", yesNo(cpu.getGridlines())},
        {"speech", yesNo(cpu.getSpeech())},
        {"speech_unavailable", yesNo(cpu.getSpeechUnavailable())},
        {"pupil_name", cpu.getPupilName()},
        {"name_typing", yesNo(cpu.getNameTyping())},
        {"typed_name", cpu.getTypedName()},
        {"language", language},
        {"last_solved", cpu.getLastSolved()},
        {"working_exercise", cpu.getWorkingExercise()},
        {"working_scroll", std::to_string(cpu.getWorkingScroll())},
        {"working_return_to", cpu.getWorkingReturnTo()},
        {"working_save_requested", yesNo(cpu.getWorkingSaveRequested())},
        {"working_save", std::to_string(int(cpu.getWorkingSave()))},
    };
    for (int n = 1; n <= 5; ++n) s.emplace_back("solution_line" + std::to_string(n), cpu.getSolutionLine(n));
    for (int i = 0; i < FIELD_COUNT; ++i) s.emplace_back(fieldName(Field(i)), cpu.getField(Field(i)));
    addTheRest(s, cpu);
    return s;
}

void change(Snapshot& s, const std::string& name, const std::string& value) {
    for (auto& entry : s)
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    ADD_FAILURE() << "no " << name << " in the snapshot";
}

// The entries that differ, "" when none do.
std::string differences(const Snapshot& actual, const Snapshot& expected) {
    std::string out;
    for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i)
        if (actual[i] != expected[i])
            out += actual[i].first + " is \"" + actual[i].second + "\", expected \"" + expected[i].second + "\"; ";
    return out;
}

// A screen with a highlight: its name in the store and its highlight's accessors.
struct Highlighted {
    Screen screen;
    const char* item_name;
    std::string (CPU::*get)() const;
    void (CPU::*set)(std::string);
};

const Highlighted HIGHLIGHTED[] = {
    {Screen::start_screen, "menu_item", &CPU::getMenuItem, &CPU::setMenuItem},
    {Screen::options_menu, "options_item", &CPU::getOptionsItem, &CPU::setOptionsItem},
    {Screen::part4, "part4_item", &CPU::getPart4Item, &CPU::setPart4Item},
    {Screen::part1, "part1_item", &CPU::getPart1Item, &CPU::setPart1Item},
    {Screen::part2, "part2_item", &CPU::getPart2Item, &CPU::setPart2Item},
    {Screen::part3, "part3_item", &CPU::getPart3Item, &CPU::setPart3Item},
    {Screen::part4_program1, "part4_program1_item", &CPU::getPart4Program1Item, &CPU::setPart4Program1Item},
    {Screen::part4_program2, "part4_program2_item", &CPU::getPart4Program2Item, &CPU::setPart4Program2Item},
    {Screen::part4_program3, "part4_program3_item", &CPU::getPart4Program3Item, &CPU::setPart4Program3Item},
};

const Highlighted& highlighted(Screen screen) {
    return *std::find_if(std::begin(HIGHLIGHTED), std::end(HIGHLIGHTED),
                         [&](const Highlighted& h) { return h.screen == screen; });
}

const SDLKey ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

SDLKey arrow(char name) { return name == 'U' ? SDLK_UP : name == 'D' ? SDLK_DOWN : name == 'L' ? SDLK_LEFT : SDLK_RIGHT; }

// One arrow key ('U', 'D', 'L', 'R') and the item highlighted after it.
struct Step {
    char key;
    const char* item;
};

// The characters each key types, the numpad's as its twins on the main keys.
struct Typing {
    SDLKey key;
    char character;
};

const Typing TYPING[] = {
    {SDLK_0, '0'}, {SDLK_5, '5'}, {SDLK_9, '9'}, {SDLK_KP0, '0'}, {SDLK_KP7, '7'}, {SDLK_PERIOD, '.'},
    {SDLK_COMMA, '.'}, {SDLK_KP_PERIOD, '.'}, {SDLK_MINUS, '-'}, {SDLK_KP_MINUS, '-'},
    {SDLK_LEFTBRACKET, '['}, {SDLK_RIGHTBRACKET, ']'},
};

// What a field takes, as the screens' prompts say: digits everywhere, the
// recurring decimal also "." and brackets, the plots signed decimals.
bool takes(Screen screen, const std::string& item, char c) {
    if (std::isdigit(static_cast<unsigned char>(c))) return true;
    if (screen == Screen::part3 && item == "program2_n") return std::string(".[]").find(c) != std::string::npos;
    return !plotFields(screen).empty() && (c == '.' || c == '-');
}

class Dispatcher : public ::testing::Test {
protected:
    void SetUp() override { testsupport::useEnglish(); }
    void TearDown() override { testsupport::useEnglish(); }

    void press(SDLKey key) { input2.readInputForPressingAKey(key, &cpu, nullptr); }
    void press(std::initializer_list<SDLKey> keys) {
        for (SDLKey key : keys) press(key);
    }
    void show(Screen screen, const std::string& item = "") {
        cpu.setCurrentMenu(screenName(screen));
        if (!item.empty()) (cpu.*highlighted(screen).set)(item);
    }
    std::string item(Screen screen) const { return (cpu.*highlighted(screen).get)(); }

    // Presses the steps' keys from `from`, checking the highlight after each.
    template <std::size_t N>
    void walk(Screen screen, const char* from, const Step (&steps)[N]) {
        show(screen, from);
        std::string at = from;
        for (const Step& step : steps) {
            press(arrow(step.key));
            ASSERT_EQ(item(screen), step.item) << screenName(screen) << ": " << step.key << " from " << at;
            at = item(screen);
        }
    }

    // Every item the arrow keys reach from the screen's start item; each
    // move is checked to change the highlight and nothing else.
    std::set<std::string> reachable(Screen screen) {
        const Highlighted& h = highlighted(screen);
        std::set<std::string> seen{(CPU().*h.get)()};
        std::vector<std::string> waiting(seen.begin(), seen.end());
        while (!waiting.empty()) {
            const std::string from = waiting.back();
            waiting.pop_back();
            for (SDLKey key : ARROWS) {
                cpu = CPU();
                fillStore();
                show(screen, from);
                Snapshot expected = snapshot(cpu);
                press(key);
                const std::string to = item(screen);
                change(expected, h.item_name, to);
                EXPECT_EQ(differences(snapshot(cpu), expected), "") << screenName(screen) << " from " << from;
                if (seen.insert(to).second) waiting.push_back(to);
            }
        }
        return seen;
    }

    // Some text in every field and in the solution, so that a stray change shows.
    void fillStore() {
        for (int i = 0; i < FIELD_COUNT; ++i) cpu.setField(Field(i), "4");
        cpu.setSolution("earlier answer");
        cpu.setSolutionLine(3, "earlier line");
    }

    CPU cpu;
    Input2 input2;
};

const ChapterLayout& layoutOf(Screen screen) {
    return screen == Screen::part1 ? chapter1Layout() : screen == Screen::part2 ? chapter2Layout() : chapter3Layout();
}

// The items a chapter screen draws a box for, and "back" on its hint line.
std::set<std::string> boxedItems(const ChapterLayout& layout) {
    std::set<std::string> items{"back"};
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const auto* boxes : {&exercise.buttons, &exercise.fields})
            for (const ItemBox& box : *boxes) items.insert(box.item);
    return items;
}

const Screen CHAPTERS[] = {Screen::part1, Screen::part2, Screen::part3};

}  // namespace

// --- Moving the highlight ---------------------------------------------------

// Chapter 1: exercises 1, 3, 5 and 6 on the left, 2, 4 and 7 on the right,
// each cell's fields above its buttons, "back" below both columns.
TEST_F(Dispatcher, ChapterOneWalks) {
    const Step downTheLeft[] = {
        {'D', "calculate1"}, {'D', "program3_n"}, {'D', "calculate3"}, {'D', "program5and6_n1"},
        {'D', "program5and6_n2"}, {'D', "calculate5"}, {'D', "back"}, {'D', "back"}, {'L', "back"},
        {'R', "back"}, {'U', "calculate6"}, {'D', "back"}, {'U', "calculate6"}, {'L', "calculate5"},
        {'L', "calculate5"}, {'U', "program5and6_n2"}, {'R', "program7_n"}, {'L', "program5and6_n1"},
        {'L', "program5and6_n1"}, {'R', "program7_n"}, {'D', "calculate7"}, {'R', "calculate7"},
        {'L', "calculate6"}, {'R', "calculate7"}, {'D', "back"},
    };
    walk(Screen::part1, "program1_n", downTheLeft);
    const Step acrossTheTop[] = {
        {'U', "program1_n"}, {'L', "program1_n"}, {'R', "program1_k"}, {'R', "program2_from"}, {'R', "program2_to"},
        {'R', "program2_to"}, {'U', "program2_to"}, {'D', "calculate2"}, {'U', "program2_to"}, {'L', "program2_from"},
        {'D', "calculate2"}, {'L', "calculate1"}, {'U', "program1_k"}, {'L', "program1_n"}, {'D', "calculate1"},
        {'R', "calculate2"}, {'R', "calculate2"}, {'D', "program4_n"}, {'L', "program3_n"}, {'L', "program3_n"},
        {'R', "program4_n"}, {'R', "program4_n"}, {'U', "calculate2"}, {'D', "program4_n"}, {'D', "calculate4"},
        {'L', "calculate3"}, {'U', "program3_n"}, {'U', "calculate1"}, {'D', "program3_n"}, {'D', "calculate3"},
        {'R', "calculate4"}, {'R', "calculate4"}, {'U', "program4_n"}, {'D', "calculate4"}, {'D', "program7_n"},
        {'R', "program7_n"}, {'U', "calculate4"}, {'D', "program7_n"}, {'D', "calculate7"}, {'U', "program7_n"},
    };
    walk(Screen::part1, "program1_n", acrossTheTop);
    const Step fromTheMiddle[] = {
        {'U', "calculate3"}, {'L', "calculate3"}, {'D', "program5and6_n1"}, {'D', "program5and6_n2"},
        {'U', "program5and6_n1"}, {'D', "program5and6_n2"}, {'L', "program5and6_n2"}, {'D', "calculate5"},
        {'R', "calculate6"}, {'U', "program5and6_n2"}, {'D', "calculate5"}, {'R', "calculate6"}, {'R', "calculate7"},
        {'U', "program7_n"}, {'L', "program5and6_n1"},
    };
    walk(Screen::part1, "program5and6_n1", fromTheMiddle);
    const Step alongTheFields[] = {{'R', "program2_from"}, {'L', "program1_k"}, {'D', "calculate1"}, {'U', "program1_k"},
                                   {'U', "program1_k"}, {'L', "program1_n"}};
    walk(Screen::part1, "program1_k", alongTheFields);
}

// Chapter 2: exercises 1 and 2 on top, 3 and 4 below them, exercise 5's six
// fractions across the bottom with "calculate5" under the third.
TEST_F(Dispatcher, ChapterTwoWalks) {
    const Step topRow[] = {
        {'U', "program1_n1a"}, {'L', "program1_n1a"}, {'D', "program1_n1b"}, {'L', "program1_n1b"},
        {'R', "program1_n2b"}, {'R', "program2_n_b"}, {'R', "program2_n_b"}, {'U', "program2_n_a"},
        {'U', "program2_n_a"}, {'L', "program1_n2a"}, {'D', "program1_n2b"}, {'D', "calculate1"},
        {'U', "program1_n1b"}, {'U', "program1_n1a"}, {'R', "program1_n2a"}, {'R', "program2_n_a"},
        {'R', "program2_n_a"}, {'D', "program2_n_b"}, {'L', "program1_n2b"}, {'U', "program1_n2a"},
        {'U', "program1_n2a"}, {'L', "program1_n1a"}, {'D', "program1_n1b"}, {'D', "calculate1"},
        {'L', "calculate1"}, {'R', "calculate2"}, {'R', "calculate2"}, {'U', "program2_n_b"}, {'D', "calculate2"},
        {'L', "calculate1"},
    };
    walk(Screen::part2, "program1_n1a", topRow);
    const Step middleRow[] = {
        {'D', "program3_n1a"}, {'U', "calculate1"}, {'D', "program3_n1a"}, {'L', "program3_n1a"},
        {'R', "program3_n2a"}, {'U', "calculate1"}, {'D', "program3_n1a"}, {'R', "program3_n2a"},
        {'R', "program4_n1a"}, {'L', "program3_n2a"}, {'R', "program4_n1a"}, {'U', "calculate2"},
        {'D', "program4_n1a"}, {'R', "program4_n2a"}, {'R', "program4_n2a"}, {'U', "calculate2"},
        {'D', "program4_n1a"}, {'R', "program4_n2a"}, {'D', "program4_n2b"}, {'R', "program4_n2b"},
        {'L', "program4_n1b"}, {'L', "program3_n2b"}, {'L', "program3_n1b"}, {'L', "program3_n1b"},
        {'R', "program3_n2b"}, {'U', "program3_n2a"}, {'D', "program3_n2b"}, {'D', "calculate3"},
        {'U', "program3_n1b"}, {'D', "calculate3"}, {'L', "calculate3"}, {'R', "calculate4"}, {'R', "calculate4"},
        {'U', "program4_n1b"}, {'U', "program4_n1a"}, {'D', "program4_n1b"}, {'R', "program4_n2b"},
        {'D', "calculate4"}, {'L', "calculate3"},
    };
    walk(Screen::part2, "calculate1", middleRow);
    const Step bottomRow[] = {
        {'D', "program5_n1a"}, {'L', "program5_n1a"}, {'U', "calculate3"}, {'D', "program5_n1a"},
        {'D', "program5_n1b"}, {'D', "program5_n1b"}, {'L', "program5_n1b"}, {'R', "program5_n2b"},
        {'D', "program5_n2b"}, {'U', "program5_n2a"}, {'U', "calculate3"}, {'D', "program5_n1a"},
        {'R', "program5_n2a"}, {'R', "program5_n3a"}, {'U', "calculate3"}, {'D', "program5_n1a"},
        {'R', "program5_n2a"}, {'R', "program5_n3a"}, {'D', "program5_n3b"}, {'D', "calculate5"},
        {'L', "calculate5"}, {'R', "calculate5"}, {'U', "program5_n3b"}, {'R', "program5_n4b"},
        {'D', "program5_n4b"}, {'R', "program5_n5b"}, {'D', "program5_n5b"}, {'R', "program5_n6b"},
        {'D', "program5_n6b"}, {'R', "program5_n6b"}, {'U', "program5_n6a"}, {'U', "calculate4"},
        {'D', "program5_n4a"}, {'U', "calculate4"}, {'L', "calculate3"}, {'R', "calculate4"},
        {'D', "program5_n4a"}, {'R', "program5_n5a"}, {'U', "calculate4"}, {'D', "program5_n4a"},
        {'L', "program5_n3a"}, {'L', "program5_n2a"}, {'R', "program5_n3a"}, {'R', "program5_n4a"},
        {'R', "program5_n5a"}, {'D', "program5_n5b"}, {'L', "program5_n4b"}, {'U', "program5_n4a"},
        {'D', "program5_n4b"}, {'L', "program5_n3b"}, {'L', "program5_n2b"}, {'L', "program5_n1b"},
        {'U', "program5_n1a"}, {'R', "program5_n2a"}, {'D', "program5_n2b"}, {'R', "program5_n3b"},
        {'D', "calculate5"}, {'D', "back"}, {'D', "back"}, {'L', "back"}, {'R', "back"}, {'U', "calculate5"},
    };
    walk(Screen::part2, "calculate3", bottomRow);
    const Step lastFraction[] = {{'R', "program5_n6a"}, {'R', "program5_n6a"}, {'L', "program5_n5a"}};
    walk(Screen::part2, "program5_n5a", lastFraction);
}

// Chapter 3: exercises 1 and 2 on top (2 has one field), 3 and 4 below, "back" under both.
TEST_F(Dispatcher, ChapterThreeWalks) {
    const Step walk1[] = {
        {'U', "program1_n_a"}, {'L', "program1_n_a"}, {'R', "program2_n"}, {'R', "program2_n"}, {'U', "program2_n"},
        {'L', "program1_n_a"}, {'D', "program1_n_b"}, {'L', "program1_n_b"}, {'R', "program2_n"},
        {'D', "calculate2"}, {'R', "calculate2"}, {'U', "program2_n"}, {'D', "calculate2"}, {'L', "calculate1"},
        {'L', "calculate1"}, {'U', "program1_n_b"}, {'D', "calculate1"}, {'R', "calculate2"}, {'D', "program4_n_a"},
        {'R', "program4_n_a"}, {'U', "calculate2"}, {'D', "program4_n_a"}, {'L', "program3_n2a"},
        {'U', "calculate1"}, {'D', "program3_n1a"}, {'L', "program3_n1a"}, {'U', "calculate1"},
        {'D', "program3_n1a"}, {'D', "program3_n1b"}, {'L', "program3_n1b"}, {'R', "program3_n2b"},
        {'R', "program4_n_b"}, {'R', "program4_n_b"}, {'U', "program4_n_a"}, {'D', "program4_n_b"},
        {'L', "program3_n2b"}, {'U', "program3_n2a"}, {'R', "program4_n_a"}, {'L', "program3_n2a"},
        {'L', "program3_n1a"}, {'R', "program3_n2a"}, {'D', "program3_n2b"}, {'D', "calculate3"},
        {'L', "calculate3"}, {'U', "program3_n1b"}, {'D', "calculate3"}, {'R', "calculate4"},
        {'R', "calculate4"}, {'U', "program4_n_b"}, {'D', "calculate4"}, {'D', "back"}, {'D', "back"},
        {'L', "back"}, {'R', "back"}, {'U', "calculate3"}, {'D', "back"},
    };
    walk(Screen::part3, "program1_n_a", walk1);
}

// The menus and plot panels are columns that wrap around; the start screen's
// language item sits apart, top right.
TEST_F(Dispatcher, MenusAndPlotPanelsWrapAround) {
    const Step start[] = {
        {'D', "2"}, {'D', "3"}, {'D', "4"}, {'D', "5"}, {'R', "8"}, {'U', "8"}, {'D', "8"}, {'R', "8"},
        {'L', "1"}, {'U', "7"}, {'D', "1"}, {'D', "2"}, {'D', "3"}, {'D', "4"}, {'D', "5"}, {'D', "6"},
        {'D', "7"}, {'D', "1"}, {'L', "1"}, {'D', "2"}, {'L', "1"}, {'D', "2"}, {'D', "3"}, {'R', "8"},
    };
    walk(Screen::start_screen, "1", start);
    const Step options[] = {{'D', "2"}, {'D', "3"}, {'D', "4"}, {'D', "5"}, {'D', "6"}, {'D', "7"}, {'D', "1"},
                            {'U', "7"}, {'U', "6"}, {'L', "6"}, {'R', "6"}};
    walk(Screen::options_menu, "1", options);
    const Step chapter4[] = {{'U', "4"}, {'U', "3"}, {'D', "4"}, {'D', "1"}, {'L', "1"}, {'R', "1"}};
    walk(Screen::part4, "1", chapter4);
    const Step lines[] = {{'U', "7"}, {'D', "1"}, {'D', "2"}, {'R', "2"}, {'L', "2"}};
    walk(Screen::part4_program1, "1", lines);
    const Step twoPoints[] = {{'U', "5"}, {'D', "1"}, {'D', "2"}, {'D', "3"}, {'D', "4"}, {'D', "5"}, {'D', "1"}};
    walk(Screen::part4_program2, "1", twoPoints);
    const Step vectors[] = {{'U', "7"}, {'U', "6"}, {'D', "7"}, {'D', "1"}};
    walk(Screen::part4_program3, "1", vectors);
}

// On every chapter screen each box is reachable, each move changes only the
// highlight, and each arrow moves the marker its own way on the screen.
TEST_F(Dispatcher, ArrowsFollowTheLayout) {
    for (Screen screen : CHAPTERS) {
        const ChapterLayout& layout = layoutOf(screen);
        EXPECT_EQ(reachable(screen), boxedItems(layout)) << screenName(screen);
        for (const std::string& from : boxedItems(layout))
            for (SDLKey key : ARROWS) {
                show(screen, from);
                press(key);
                const auto a = markerPosition(layout, from), b = markerPosition(layout, item(screen));
                ASSERT_TRUE(a && b);
                const int dx = b->first - a->first, dy = b->second - a->second;
                const bool stays = item(screen) == from;
                const bool ownWay = key == SDLK_UP ? dy < 0 : key == SDLK_DOWN ? dy > 0 : key == SDLK_LEFT ? dx < 0 : dx > 0;
                EXPECT_TRUE(stays || ownWay) << screenName(screen) << ": key " << key << " from " << from << " to "
                                             << item(screen);
            }
    }
}

TEST_F(Dispatcher, ArrowKeysChangeNothingOnTheAboutScreen) {
    fillStore();
    show(Screen::about_menu);
    const Snapshot before = snapshot(cpu);
    press({SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(differences(snapshot(cpu), before), "");
}

TEST_F(Dispatcher, HighlightsAndValuesSurviveLeavingAScreen) {
    press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});  // chapter 4
    ASSERT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4));
    press({SDLK_DOWN, SDLK_RETURN});
    ASSERT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4_program2));
    press({SDLK_DOWN, SDLK_3, SDLK_ESCAPE});
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4));
    EXPECT_EQ(cpu.getPart4Item(), "2");
    press(SDLK_ESCAPE);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getMenuItem(), "4");
    press({SDLK_RETURN, SDLK_RETURN});
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4_program2));
    EXPECT_EQ(cpu.getPart4Program2Item(), "2");
    EXPECT_EQ(cpu.getPart4Program2_y1(), "3");

    show(Screen::part1, "back");
    press(SDLK_RETURN);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getPart1Item(), "back");
}

// --- Escape and Space ---------------------------------------------------------

TEST_F(Dispatcher, EscapeGoesUpOneLevel) {
    const std::pair<const char*, const char*> escapes[] = {
        {"start screen", "start screen"}, {"options menu", "start screen"}, {"about menu", "start screen"},
        {"part1", "start screen"},        {"part2", "start screen"},        {"part3", "start screen"},
        {"part4", "start screen"},        {"part4 program1", "part4"},      {"part4 program2", "part4"},
        {"part4 program3", "part4"},      {"no such screen", "no such screen"},
    };
    for (const auto& [from, to] : escapes) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(from);
        Snapshot expected = snapshot(cpu);
        change(expected, "current_menu", to);
        press(SDLK_ESCAPE);
        EXPECT_EQ(differences(snapshot(cpu), expected), "") << from;
    }
}

TEST_F(Dispatcher, SpaceSwitchesTheLanguageOnEveryScreenAndNothingElse) {
    for (int s = 0; s <= SCREEN_COUNT; ++s) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(s < SCREEN_COUNT ? screenName(screenAt(s)) : "no such screen");
        const Snapshot before = snapshot(cpu);
        Snapshot polish = before;
        change(polish, "language", "Polish");
        press(SDLK_SPACE);
        EXPECT_EQ(differences(snapshot(cpu), polish), "") << cpu.getCurrentMenu();
        EXPECT_EQ(lang_file->start_screen_line7, "Wyjscie");
        press(SDLK_SPACE);
        EXPECT_EQ(differences(snapshot(cpu), before), "") << cpu.getCurrentMenu();
    }
}

// --- Enter --------------------------------------------------------------------

TEST_F(Dispatcher, EnterOnTheMenusOpensTheChosenScreen) {
    const std::pair<const char*, const char*> startScreen[] = {
        {"1", "part1"}, {"2", "part2"}, {"3", "part3"}, {"4", "part4"}, {"5", "options menu"}, {"6", "about menu"},
    };
    for (const auto& [item, screen] : startScreen) {
        cpu = CPU();
        cpu.setMenuItem(item);
        Snapshot expected = snapshot(cpu);
        change(expected, "current_menu", screen);
        press(SDLK_RETURN);
        EXPECT_EQ(differences(snapshot(cpu), expected), "") << item;
    }
    const std::pair<const char*, const char*> chapter4[] = {
        {"1", "part4 program1"}, {"2", "part4 program2"}, {"3", "part4 program3"}, {"4", "start screen"}};
    for (const auto& [item, screen] : chapter4) {
        show(Screen::part4, item);
        press(SDLK_RETURN);
        EXPECT_EQ(cpu.getCurrentMenu(), screen) << item;
    }
    fillStore();
    show(Screen::about_menu);
    Snapshot expected = snapshot(cpu);
    change(expected, "current_menu", "start screen");
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
}

TEST_F(Dispatcher, EnterOnExitClearsTheRunningFlagOnly) {
    cpu.setMenuItem("7");
    Snapshot expected = snapshot(cpu);
    change(expected, "running", "no");
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
}

TEST_F(Dispatcher, EnterOnTheLanguageItemSwitchesLikeSpace) {
    press({SDLK_RIGHT, SDLK_RETURN});
    EXPECT_EQ(language, "Polish");
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getMenuItem(), "8");
    press(SDLK_KP_ENTER);
    EXPECT_EQ(language, "English");
}

TEST_F(Dispatcher, OptionsToggleTheirOwnFlags) {
    show(Screen::options_menu);
    press(SDLK_RETURN);
    EXPECT_TRUE(cpu.getFullscreen());
    EXPECT_TRUE(cpu.getChangedDisplayMode());
    press(SDLK_RETURN);
    EXPECT_FALSE(cpu.getFullscreen());
    EXPECT_TRUE(cpu.getChangedDisplayMode());

    cpu.setChangedDisplayMode(false);  // as the frame loop does
    press(SDLK_DOWN);
    Snapshot expected = snapshot(cpu);
    change(expected, "gridlines", "yes");
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
    press({SDLK_RETURN, SDLK_DOWN});
    EXPECT_FALSE(cpu.getGridlines());
    EXPECT_FALSE(cpu.getChangedDisplayMode());

    // Size steps through what the display holds, round again; each step re-opens the window.
    cpu.setLargestSizePercent(150);
    for (int expected : {150, 100, 150}) {
        cpu.setChangedDisplayMode(false);
        press(SDLK_RETURN);
        EXPECT_EQ(cpu.getSizePercent(), expected);
        EXPECT_TRUE(cpu.getChangedDisplayMode());
    }
    cpu.setLargestSizePercent(200);
    press(SDLK_RETURN);
    EXPECT_EQ(cpu.getSizePercent(), 200);

    press({SDLK_DOWN, SDLK_RETURN});
    EXPECT_TRUE(cpu.getHighContrast());
    press(SDLK_RETURN);
    EXPECT_FALSE(cpu.getHighContrast());

    // Switched on again, speech asks the service again.
    cpu.setSpeechUnavailable(true);
    press({SDLK_DOWN, SDLK_RETURN});
    EXPECT_TRUE(cpu.getSpeech());
    EXPECT_FALSE(cpu.getSpeechUnavailable());
    press({SDLK_RETURN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    EXPECT_FALSE(cpu.getSpeech());
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
}

// Enter on Name types a name of letters (Polish ones too), digits, blanks
// and hyphens, up to 40 characters; while typing, Space, W or P are
// characters and nothing else changes; Enter keeps the name, to be saved,
// Escape leaves the name chosen before.
TEST_F(Dispatcher, ANameIsTypedKeptOrLeft) {
    auto typeText = [&](const std::u32string& text) {
        for (char32_t c : text) input2.readInputForPressingAKey(c < 0x80 ? SDLKey(std::tolower(int(c))) : SDLK_UNKNOWN,
                                                                &cpu, nullptr, c < 0x80 && std::isupper(int(c)), c);
    };
    fillStore();
    show(Screen::options_menu, "6");
    Snapshot expected = snapshot(cpu);
    press(SDLK_RETURN);
    change(expected, "name_typing", "yes");
    EXPECT_EQ(differences(snapshot(cpu), expected), "");

    typeText(U"\u0141ucja \u017B\u00F3\u0142w-2 <=/\t\u00D7\u20AC");  // Łucja Żółw-2, then characters refused
    change(expected, "typed_name", "\xC5\x81ucja \xC5\xBB\xC3\xB3\xC5\x82w-2 ");
    EXPECT_EQ(differences(snapshot(cpu), expected), "") << "Space typed a blank, the language stayed";
    press({SDLK_BACKSPACE, SDLK_BACKSPACE, SDLK_BACKSPACE, SDLK_BACKSPACE, SDLK_BACKSPACE, SDLK_DOWN, SDLK_DELETE});
    change(expected, "typed_name", "\xC5\x81ucja \xC5\xBB\xC3\xB3");  // "ł" went whole, two bytes
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
    typeText(U"  ");
    press(SDLK_KP_ENTER);
    change(expected, "typed_name", "");
    change(expected, "name_typing", "no");
    change(expected, "pupil_name", "\xC5\x81ucja \xC5\xBB\xC3\xB3");  // the blanks around it dropped
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
    EXPECT_NE(settingsText(cpu).find("\npupil=\xC5\x81ucja \xC5\xBB\xC3\xB3\n"), std::string::npos) << "to be saved";

    // Typing starts from the chosen name; 40 characters at most; Escape leaves it.
    press(SDLK_RETURN);
    EXPECT_EQ(cpu.getTypedName(), cpu.getPupilName());
    typeText(std::u32string(40, U'\u0105'));
    EXPECT_EQ(cpu.getTypedName().size(), cpu.getPupilName().size() + 2 * (40 - 8));
    press(SDLK_ESCAPE);
    EXPECT_EQ(differences(snapshot(cpu), expected), "") << "Escape left the name and the screen as they were";

    // Only blanks: no name chosen, the account's own name again.
    press(SDLK_RETURN);
    for (int i = 0; i < 8; ++i) press(SDLK_BACKSPACE);
    typeText(U"   ");
    press(SDLK_RETURN);
    change(expected, "pupil_name", "");
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
}

// Chapters 1 to 3: a button asks for its exercise, "back" leaves, a field
// does nothing; plot screens: the last item leaves for the start screen.
TEST_F(Dispatcher, EnterOnEveryItemOfTheExerciseScreens) {
    for (Screen screen : CHAPTERS) {
        const std::string chapter = screenName(screen);
        for (const std::string& item : boxedItems(layoutOf(screen))) {
            cpu = CPU();
            fillStore();
            show(screen, item);
            Snapshot expected = snapshot(cpu);
            if (item.rfind("calculate", 0) == 0) change(expected, "solve_this_program", chapter + "_program" + item.substr(9));
            if (item == "back") change(expected, "current_menu", "start screen");
            press(SDLK_RETURN);
            EXPECT_EQ(differences(snapshot(cpu), expected), "") << chapter << " " << item;
        }
    }
    const std::pair<Screen, int> plots[] = {{Screen::part4_program1, 7}, {Screen::part4_program2, 5}, {Screen::part4_program3, 7}};
    for (const auto& [screen, back] : plots)
        for (int n = 1; n <= back; ++n) {
            cpu = CPU();
            show(screen, std::to_string(n));
            press(SDLK_KP_ENTER);
            EXPECT_EQ(cpu.getCurrentMenu(), n == back ? "start screen" : screenName(screen)) << screenName(screen) << " " << n;
        }
}

// --- Typing and Delete ----------------------------------------------------------

TEST_F(Dispatcher, EachFieldTakesOnlyItsOwnCharacters) {
    for (const Highlighted& h : HIGHLIGHTED)
        for (const std::string& item : reachable(h.screen))
            for (const Typing& t : TYPING) {
                cpu = CPU();
                show(h.screen, item);
                Snapshot expected = snapshot(cpu);
                const auto field = fieldOfItem(h.screen, item);
                if (field && takes(h.screen, item, t.character))
                    change(expected, fieldName(*field), cpu.getField(*field) + t.character);
                press(t.key);
                EXPECT_EQ(differences(snapshot(cpu), expected), "") << screenName(h.screen) << ": key " << t.key << " on " << item;
            }
}

// The numpad's digits, point, minus and Enter act as their twins on the main keys.
TEST_F(Dispatcher, TheNumpadTypesAndConfirmsLikeTheMainKeys) {
    show(Screen::part3, "program2_n");
    press({SDLK_KP0, SDLK_KP_PERIOD, SDLK_KP1, SDLK_LEFTBRACKET, SDLK_KP3, SDLK_RIGHTBRACKET, SDLK_KP_MINUS});
    EXPECT_EQ(cpu.getPart3Program2_n(), "0.1[3]");
    press({SDLK_DOWN, SDLK_KP_ENTER});
    EXPECT_EQ(cpu.getSolveThisProgram(), "part3_program2");

    show(Screen::part4_program1, "1");
    press({SDLK_KP_MINUS, SDLK_KP2, SDLK_KP_PERIOD, SDLK_KP5, SDLK_KP_PLUS, SDLK_KP_DIVIDE, SDLK_KP_MULTIPLY});
    EXPECT_EQ(cpu.getPart4Program1_a1(), "-2.5");
}

TEST_F(Dispatcher, TypedTextsKeepTheirOrder) {
    show(Screen::part3, "program2_n");
    press({SDLK_0, SDLK_COMMA, SDLK_3, SDLK_LEFTBRACKET, SDLK_6, SDLK_RIGHTBRACKET});
    EXPECT_EQ(cpu.getPart3Program2_n(), "0.3[6]");
    press(SDLK_DELETE);
    press({SDLK_0, SDLK_PERIOD, SDLK_1, SDLK_2, SDLK_LEFTBRACKET, SDLK_8, SDLK_5, SDLK_7, SDLK_RIGHTBRACKET});
    EXPECT_EQ(cpu.getPart3Program2_n(), "0.12[857]");

    show(Screen::part4_program2, "4");
    press({SDLK_3, SDLK_MINUS});
    EXPECT_EQ(cpu.getPart4Program2_y2(), "3-");
    show(Screen::part4_program3, "5");
    press(SDLK_2);
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "12");
    press({SDLK_DELETE, SDLK_2});
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "2");
}

TEST_F(Dispatcher, TheEleventhCharacterIsDropped) {
    show(Screen::part1, "program1_n");
    press({SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_9, SDLK_0, SDLK_5});
    EXPECT_EQ(cpu.getPart1Program1_n(), "1234567890");
    show(Screen::part4_program2, "1");
    for (int i = 0; i < 12; ++i) press(SDLK_MINUS);
    EXPECT_EQ(cpu.getPart4Program2_x1(), "----------");
}

TEST_F(Dispatcher, DeleteEmptiesOnlyTheHighlightedField) {
    for (const Highlighted& h : HIGHLIGHTED)
        for (const std::string& item : reachable(h.screen)) {
            cpu = CPU();
            fillStore();
            show(h.screen, item);
            Snapshot expected = snapshot(cpu);
            if (auto field = fieldOfItem(h.screen, item)) change(expected, fieldName(*field), "");
            press(SDLK_DELETE);
            EXPECT_EQ(differences(snapshot(cpu), expected), "") << screenName(h.screen) << " " << item;
        }
}

// A key the key list does not name does nothing, wherever it is pressed;
// on a screen the program does not have, only Space acts.
TEST_F(Dispatcher, KeysOutsideTheKeyListDoNothing) {
    std::set<int> listed;
    for (const KeySection& section : keyList())
        for (const KeyRow& row : section.rows)
            for (const KeyBinding& binding : row.bindings) listed.insert(binding.key);
    for (int s = 0; s <= SCREEN_COUNT; ++s) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(s < SCREEN_COUNT ? screenName(screenAt(s)) : "no such screen");
        const Snapshot before = snapshot(cpu);
        for (int k = 0; k < SDLK_LAST; ++k) {
            if (listed.count(k) && (s < SCREEN_COUNT || k == SDLK_SPACE)) continue;
            press(SDLKey(k));
            ASSERT_EQ(differences(snapshot(cpu), before), "") << cpu.getCurrentMenu() << ": key " << k;
        }
    }
}

// --- The working screen ---------------------------------------------------------

// W is ignored until an answer of the screen's own exercises is in the panel,
// then opens that working; the working screen's keys scroll within the
// working the screen stored, and Escape or W bring back the exercise screen
// exactly as it was.
TEST_F(Dispatcher, WOpensTheWorkingOfTheLastSolveAndLeavesTheScreenAsItWas) {
    testsupport::PrivateRunFolder folder("dispatcher");  // the prime listing writes results.txt
    for (const char* menu : {"start screen", "options menu", "about menu", "part4", "part1"}) {
        cpu.setCurrentMenu(menu);
        const Snapshot before = snapshot(cpu);
        press(SDLK_w);
        EXPECT_EQ(differences(snapshot(cpu), before), "") << menu;
    }
    cpu.setField(Field::part1_program2_from, "1");
    cpu.setField(Field::part1_program2_to, "1000000");
    cpu.setPart1Item("program2_to");
    cpu.setSolveThisProgram("part1_program2");
    OutputToTextFile results;
    runSolveStep(cpu, Screen::part1, results);  // what the frame after Enter on "calculate2" does
    const Snapshot solved = snapshot(cpu);

    press(SDLK_w);
    ASSERT_EQ(cpu.getCurrentMenu(), "working");
    EXPECT_EQ(cpu.getWorkingInputs(), (std::vector<std::string>{"1", "1000000"}));
    press(SDLK_DOWN);
    EXPECT_EQ(cpu.getWorkingScroll(), 0) << "scrolled before the screen made the working";
    makeWorkingText(cpu);  // what the working screen's frame does
    press({SDLK_UP, SDLK_DOWN, SDLK_PAGEDOWN});
    EXPECT_EQ(cpu.getWorkingScroll(), 1 + layout::WORKING_PAGE_LINES);
    press(SDLK_END);
    EXPECT_EQ(cpu.getWorkingScroll(), cpu.getWorkingText().rows - layout::WORKING_PAGE_LINES);
    EXPECT_GT(cpu.getWorkingScroll(), 100);
    const int last = cpu.getWorkingScroll();
    press({SDLK_PAGEDOWN, SDLK_DOWN});
    EXPECT_EQ(cpu.getWorkingScroll(), last);
    press({SDLK_PAGEUP, SDLK_HOME});
    EXPECT_EQ(cpu.getWorkingScroll(), 0);
    press({SDLK_1, SDLK_DELETE, SDLK_LEFT, SDLK_KP_ENTER});  // typing and Delete do nothing here
    EXPECT_TRUE(cpu.getWorkingSaveRequested());
    EXPECT_EQ(cpu.getField(Field::part1_program2_to), "1000000");

    // Everything but the working screen's own state.
    const auto screenState = [](Snapshot s) {
        s.erase(std::remove_if(s.begin(), s.end(), [](const auto& e) { return e.first.rfind("working", 0) == 0; }), s.end());
        return s;
    };
    for (SDLKey back : {SDLK_ESCAPE, SDLK_w}) {
        press(back);
        EXPECT_EQ(differences(screenState(snapshot(cpu)), screenState(solved)), "") << back;
        press(SDLK_w);
        EXPECT_EQ(cpu.getCurrentMenu(), "working");
        EXPECT_EQ(cpu.getWorkingScroll(), 0);
        EXPECT_TRUE(cpu.getWorkingText().lines.empty()) << "a new working is made afresh";
    }

    // A plot's working is of its values when W is pressed, whatever the highlight.
    show(Screen::part4_program2, "5");
    cpu.setField(Field::part4_program2_x1, "0.5");
    press(SDLK_w);
    EXPECT_EQ(cpu.getWorkingExercise(), "part4 program2");
    EXPECT_EQ(cpu.getWorkingInputs()[0], "0.5");
    press(SDLK_ESCAPE);
    EXPECT_EQ(cpu.getCurrentMenu(), "part4 program2");
}
