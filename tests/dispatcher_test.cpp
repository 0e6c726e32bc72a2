// The key dispatcher, screen by screen: where every arrow key leads from
// every item, what Enter, Escape, Space and Delete do, and which characters
// each field accepts. The expected tables below are written out by hand.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Screens.h"
#include "input/Input2.h"
#include "input/KeyTables.h"

namespace {

const char* const STAY = nullptr;  // the key leaves the highlight where it is

struct Move {
    const char* item;
    const char* up;
    const char* down;
    const char* left;
    const char* right;
};

const std::vector<Move> START_SCREEN = {
    {"1", "7", "2", "1", "8"},
    {"2", "1", "3", "1", "8"},
    {"3", "2", "4", "1", "8"},
    {"4", "3", "5", "1", "8"},
    {"5", "4", "6", "1", "8"},
    {"6", "5", "7", "1", "8"},
    {"7", "6", "1", "1", "8"},
    {"8", STAY, STAY, "1", STAY},
};

const std::vector<Move> OPTIONS = {
    {"1", "3", "2", STAY, STAY},
    {"2", "1", "3", STAY, STAY},
    {"3", "2", "1", STAY, STAY},
};

const std::vector<Move> CHAPTER4_MENU = {
    {"1", "4", "2", STAY, STAY},
    {"2", "1", "3", STAY, STAY},
    {"3", "2", "4", STAY, STAY},
    {"4", "3", "1", STAY, STAY},
};

const std::vector<Move> SEVEN_ROW_PLOT = {
    {"1", "7", "2", STAY, STAY},
    {"2", "1", "3", STAY, STAY},
    {"3", "2", "4", STAY, STAY},
    {"4", "3", "5", STAY, STAY},
    {"5", "4", "6", STAY, STAY},
    {"6", "5", "7", STAY, STAY},
    {"7", "6", "1", STAY, STAY},
};

const std::vector<Move> FIVE_ROW_PLOT = {
    {"1", "5", "2", STAY, STAY},
    {"2", "1", "3", STAY, STAY},
    {"3", "2", "4", STAY, STAY},
    {"4", "3", "5", STAY, STAY},
    {"5", "4", "1", STAY, STAY},
};

const std::vector<Move> CHAPTER1 = {
    {"program1_n",      STAY,              "calculate1",      STAY,              "program1_k"},
    {"program1_k",      STAY,              "calculate1",      "program1_n",      "program2_from"},
    {"program2_from",   STAY,              "calculate2",      "program1_k",      "program2_to"},
    {"program2_to",     STAY,              "calculate2",      "program2_from",   STAY},
    {"calculate1",      "program1_k",      "program3_n",      STAY,              "calculate2"},
    {"calculate2",      "program2_to",     "program4_n",      "calculate1",      STAY},
    {"program3_n",      "calculate1",      "calculate3",      STAY,              "program4_n"},
    {"program4_n",      "calculate2",      "calculate4",      "program3_n",      STAY},
    {"calculate3",      "program3_n",      "program5and6_n1", STAY,              "calculate4"},
    {"calculate4",      "program4_n",      "program7_n",      "calculate3",      STAY},
    {"program5and6_n1", "calculate3",      "program5and6_n2", STAY,              "program7_n"},
    {"program5and6_n2", "program5and6_n1", "calculate5",      STAY,              "program7_n"},
    {"program7_n",      "calculate4",      "calculate7",      "program5and6_n1", STAY},
    {"calculate5",      "program5and6_n2", "back",            STAY,              "calculate6"},
    {"calculate6",      "program5and6_n2", "back",            "calculate5",      "calculate7"},
    {"calculate7",      "program7_n",      "back",            "calculate6",      STAY},
    {"back",            "calculate6",      STAY,              STAY,              STAY},
};

const std::vector<Move> CHAPTER2 = {
    {"program1_n1a", STAY,           "program1_n1b", STAY,           "program1_n2a"},
    {"program1_n1b", "program1_n1a", "calculate1",   STAY,           "program1_n2b"},
    {"program1_n2a", STAY,           "program1_n2b", "program1_n1a", "program2_n_a"},
    {"program1_n2b", "program1_n2a", "calculate1",   "program1_n1b", "program2_n_b"},
    {"program2_n_a", STAY,           "program2_n_b", "program1_n2a", STAY},
    {"program2_n_b", "program2_n_a", "calculate2",   "program1_n2b", STAY},
    {"calculate1",   "program1_n1b", "program3_n1a", STAY,           "calculate2"},
    {"calculate2",   "program2_n_b", "program4_n1a", "calculate1",   STAY},
    {"program3_n1a", "calculate1",   "program3_n1b", STAY,           "program3_n2a"},
    {"program3_n1b", "program3_n1a", "calculate3",   STAY,           "program3_n2b"},
    {"program3_n2a", "calculate1",   "program3_n2b", "program3_n1a", "program4_n1a"},
    {"program3_n2b", "program3_n2a", "calculate3",   "program3_n1b", "program4_n1b"},
    {"program4_n1a", "calculate2",   "program4_n1b", "program3_n2a", "program4_n2a"},
    {"program4_n1b", "program4_n1a", "calculate4",   "program3_n2b", "program4_n2b"},
    {"program4_n2a", "calculate2",   "program4_n2b", "program4_n1a", STAY},
    {"program4_n2b", "program4_n2a", "calculate4",   "program4_n1b", STAY},
    {"calculate3",   "program3_n1b", "program5_n1a", STAY,           "calculate4"},
    {"calculate4",   "program4_n1b", "program5_n4a", "calculate3",   STAY},
    {"program5_n1a", "calculate3",   "program5_n1b", STAY,           "program5_n2a"},
    {"program5_n1b", "program5_n1a", STAY,           STAY,           "program5_n2b"},
    {"program5_n2a", "calculate3",   "program5_n2b", "program5_n1a", "program5_n3a"},
    {"program5_n2b", "program5_n2a", STAY,           "program5_n1b", "program5_n3b"},
    {"program5_n3a", "calculate3",   "program5_n3b", "program5_n2a", "program5_n4a"},
    {"program5_n3b", "program5_n3a", "calculate5",   "program5_n2b", "program5_n4b"},
    {"program5_n4a", "calculate4",   "program5_n4b", "program5_n3a", "program5_n5a"},
    {"program5_n4b", "program5_n4a", STAY,           "program5_n3b", "program5_n5b"},
    {"program5_n5a", "calculate4",   "program5_n5b", "program5_n4a", "program5_n6a"},
    {"program5_n5b", "program5_n5a", STAY,           "program5_n4b", "program5_n6b"},
    {"program5_n6a", "calculate4",   "program5_n6b", "program5_n5a", STAY},
    {"program5_n6b", "program5_n6a", STAY,           "program5_n5b", STAY},
    {"calculate5",   "program5_n3b", "back",         STAY,           STAY},
    {"back",         "calculate5",   STAY,           STAY,           STAY},
};

const std::vector<Move> CHAPTER3 = {
    {"program1_n_a", STAY,           "program1_n_b", STAY,           "program2_n"},
    {"program1_n_b", "program1_n_a", "calculate1",   STAY,           "program2_n"},
    {"program2_n",   STAY,           "calculate2",   "program1_n_a", STAY},
    {"calculate1",   "program1_n_b", "program3_n1a", STAY,           "calculate2"},
    {"calculate2",   "program2_n",   "program4_n_a", "calculate1",   STAY},
    {"program3_n1a", "calculate1",   "program3_n1b", STAY,           "program3_n2a"},
    {"program3_n1b", "program3_n1a", "calculate3",   STAY,           "program3_n2b"},
    {"program3_n2a", "calculate1",   "program3_n2b", "program3_n1a", "program4_n_a"},
    {"program3_n2b", "program3_n2a", "calculate3",   "program3_n1b", "program4_n_b"},
    {"program4_n_a", "calculate2",   "program4_n_b", "program3_n2a", STAY},
    {"program4_n_b", "program4_n_a", "calculate4",   "program3_n2b", STAY},
    {"calculate3",   "program3_n1b", "back",         STAY,           "calculate4"},
    {"calculate4",   "program4_n_b", "back",         "calculate3",   STAY},
    {"back",         "calculate3",   STAY,           STAY,           STAY},
};

struct ScreenUnderTest {
    const char* name;
    std::string (CPU::*getItem)() const;
    void (CPU::*setItem)(std::string);
    const std::vector<Move>* moves;
    const char* accepts;                 // characters every field of the screen takes
    std::vector<Field> numberedFields;   // plot screens: the fields of items "1", "2", ...
};

const char* const DIGITS = "0123456789";
const char* const SIGNED_DECIMAL = "0123456789.-";

// Every screen with a highlight.
const std::vector<ScreenUnderTest>& screens() {
    static const std::vector<ScreenUnderTest> all = {
        {screenName(Screen::start_screen), &CPU::getMenuItem, &CPU::setMenuItem, &START_SCREEN, "", {}},
        {screenName(Screen::options_menu), &CPU::getOptionsItem, &CPU::setOptionsItem, &OPTIONS, "", {}},
        {screenName(Screen::part4), &CPU::getPart4Item, &CPU::setPart4Item, &CHAPTER4_MENU, "", {}},
        {screenName(Screen::part1), &CPU::getPart1Item, &CPU::setPart1Item, &CHAPTER1, DIGITS, {}},
        {screenName(Screen::part2), &CPU::getPart2Item, &CPU::setPart2Item, &CHAPTER2, DIGITS, {}},
        {screenName(Screen::part3), &CPU::getPart3Item, &CPU::setPart3Item, &CHAPTER3, DIGITS, {}},
        {screenName(Screen::part4_program1), &CPU::getPart4Program1Item, &CPU::setPart4Program1Item, &SEVEN_ROW_PLOT, SIGNED_DECIMAL,
         {Field::part4_program1_a1, Field::part4_program1_b1, Field::part4_program1_a2, Field::part4_program1_b2,
          Field::part4_program1_a3, Field::part4_program1_b3}},
        {screenName(Screen::part4_program2), &CPU::getPart4Program2Item, &CPU::setPart4Program2Item, &FIVE_ROW_PLOT, SIGNED_DECIMAL,
         {Field::part4_program2_x1, Field::part4_program2_y1, Field::part4_program2_x2, Field::part4_program2_y2}},
        {screenName(Screen::part4_program3), &CPU::getPart4Program3Item, &CPU::setPart4Program3Item, &SEVEN_ROW_PLOT, SIGNED_DECIMAL,
         {Field::part4_program3_x1, Field::part4_program3_y1, Field::part4_program3_x2, Field::part4_program3_y2,
          Field::part4_program3_multiply_by1, Field::part4_program3_multiply_by2}},
    };
    return all;
}

const ScreenUnderTest& underTest(const std::string& name) {
    for (const ScreenUnderTest& s : screens())
        if (name == s.name) return s;
    throw std::invalid_argument(name);
}

bool isChapter(const ScreenUnderTest& s) { return s.numberedFields.empty() && *s.accepts; }

// The field an item of a screen names, if any.
std::optional<Field> fieldOf(const ScreenUnderTest& s, const std::string& item) {
    if (isChapter(s)) return fieldNamed(std::string(s.name) + "_" + item);
    for (std::size_t i = 0; i < s.numberedFields.size(); ++i)
        if (item == std::to_string(i + 1)) return s.numberedFields[i];
    return std::nullopt;
}

// Whether a character typed on that item goes into its field.
bool accepted(const ScreenUnderTest& s, const std::string& item, char c) {
    if (std::string(s.name) == screenName(Screen::part3) && item == "program2_n" && std::string(".[]").find(c) != std::string::npos)
        return true;
    return std::string(s.accepts).find(c) != std::string::npos;
}

struct TypingKey {
    SDLKey key;
    char character;
};

const std::vector<TypingKey> TYPING_KEYS = {
    {SDLK_0, '0'}, {SDLK_1, '1'}, {SDLK_2, '2'}, {SDLK_3, '3'}, {SDLK_4, '4'}, {SDLK_5, '5'},
    {SDLK_6, '6'}, {SDLK_7, '7'}, {SDLK_8, '8'}, {SDLK_9, '9'}, {SDLK_PERIOD, '.'}, {SDLK_COMMA, '.'},
    {SDLK_MINUS, '-'}, {SDLK_LEFTBRACKET, '['}, {SDLK_RIGHTBRACKET, ']'},
};

// Every key the dispatcher acts on somewhere.
bool recognised(SDLKey key) {
    static const std::set<SDLKey> keys = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN,
                                          SDLK_ESCAPE, SDLK_SPACE, SDLK_DELETE};
    if (keys.count(key)) return true;
    for (const TypingKey& t : TYPING_KEYS)
        if (t.key == key) return true;
    return false;
}

// Everything the dispatcher may change, by name.
using Snapshot = std::vector<std::pair<std::string, std::string>>;

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
        {"language", language},
        {"start_screen_language2", lang_file->start_screen_language2},
    };
    for (int n = 1; n <= 5; ++n) s.emplace_back("solution_line" + std::to_string(n), cpu.getSolutionLine(n));
    for (int i = 0; i < FIELD_COUNT; ++i) s.emplace_back(fieldName(Field(i)), cpu.getField(Field(i)));
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

std::string itemName(const ScreenUnderTest& s) {
    const std::string name = s.name;
    if (name == screenName(Screen::start_screen)) return "menu_item";
    if (name == screenName(Screen::options_menu)) return "options_item";
    if (name == screenName(Screen::part4)) return "part4_item";
    if (name.rfind("part4 ", 0) == 0) return "part4_" + name.substr(6) + "_item";
    return name + "_item";
}

std::string keyName(SDLKey key) {
    switch (key) {
    case SDLK_UP: return "Up";
    case SDLK_DOWN: return "Down";
    case SDLK_LEFT: return "Left";
    case SDLK_RIGHT: return "Right";
    default: return "key " + std::to_string(key);
    }
}

// The entries that differ, "" when none do.
std::string differences(const Snapshot& actual, const Snapshot& expected) {
    std::string out;
    for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i)
        if (actual[i] != expected[i])
            out += actual[i].first + " is \"" + actual[i].second + "\", expected \"" + expected[i].second + "\"; ";
    return out;
}

class Dispatcher : public ::testing::Test {
protected:
    void SetUp() override { setUpLanguage(); }
    void TearDown() override { setUpLanguage(); }

    void press(SDLKey key) { input2.readInputForPressingAKey(key, &cpu, nullptr); }
    void press(std::initializer_list<SDLKey> keys) {
        for (SDLKey key : keys) press(key);
    }
    void show(const ScreenUnderTest& s, const std::string& item) {
        cpu.setCurrentMenu(s.name);
        (cpu.*s.setItem)(item);
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

}  // namespace

// --- Moving the highlight ---------------------------------------------------

// The program's own tables: each item once, every move to an item of the
// same screen, the start-up highlight among them.
TEST_F(Dispatcher, EachTableNamesEveryItemOfItsScreenOnce) {
    const std::pair<Screen, std::size_t> counts[] = {
        {Screen::start_screen, 8}, {Screen::options_menu, 3}, {Screen::part4, 4}, {Screen::part1, 17},
        {Screen::part2, 32}, {Screen::part3, 14}, {Screen::part4_program1, 7}, {Screen::part4_program2, 5},
        {Screen::part4_program3, 7}, {Screen::about_menu, 0},
    };
    for (const auto& [screen, count] : counts) {
        const ScreenKeys& keys = screenKeysFor(screen);
        const char* name = screenName(screen);
        std::set<std::string> items;
        for (const NavRow& m : keys.moves) EXPECT_TRUE(items.insert(m.item).second) << name << " " << m.item;
        EXPECT_EQ(items.size(), count) << name;
        for (const NavRow& m : keys.moves)
            for (const char* to : {m.up, m.down, m.left, m.right})
                EXPECT_TRUE(!to || items.count(to)) << name << ": " << m.item << " leads to unknown " << to;
        if (keys.get_item) {
            EXPECT_TRUE(items.count((CPU().*keys.get_item)())) << name << " starts on an item it does not have";
        }
    }
}

TEST_F(Dispatcher, EveryArrowKeyFromEveryItemLeadsWhereTheLayoutSays) {
    const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (const ScreenUnderTest& s : screens())
        for (const Move& m : *s.moves) {
            const char* targets[] = {m.up, m.down, m.left, m.right};
            for (int k = 0; k < 4; ++k) {
                cpu = CPU();
                fillStore();
                show(s, m.item);
                Snapshot expected = snapshot(cpu);
                if (targets[k]) change(expected, itemName(s), targets[k]);
                press(arrows[k]);
                EXPECT_EQ(differences(snapshot(cpu), expected), "") << s.name << ": " << keyName(arrows[k]) << " on " << m.item;
            }
        }
}

TEST_F(Dispatcher, ArrowKeysChangeNothingOnTheAboutScreen) {
    fillStore();
    cpu.setCurrentMenu(screenName(Screen::about_menu));
    const Snapshot before = snapshot(cpu);
    press({SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(differences(snapshot(cpu), before), "");
}

TEST_F(Dispatcher, LongWalksFollowTheRings) {
    for (int i = 0; i < 7; ++i) press(SDLK_DOWN);
    EXPECT_EQ(cpu.getMenuItem(), "1");
    press(SDLK_UP);
    EXPECT_EQ(cpu.getMenuItem(), "7");

    cpu.setMenuItem("5");
    press(SDLK_RIGHT);
    EXPECT_EQ(cpu.getMenuItem(), "8");
    press(SDLK_LEFT);
    EXPECT_EQ(cpu.getMenuItem(), "1");  // not back to "5"

    cpu.setCurrentMenu(screenName(Screen::part4_program2));
    for (int i = 0; i < 5; ++i) press(SDLK_DOWN);
    EXPECT_EQ(cpu.getPart4Program2Item(), "1");

    cpu.setCurrentMenu(screenName(Screen::part1));
    press({SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT});
    EXPECT_EQ(cpu.getPart1Item(), "program2_to");
    press(SDLK_RIGHT);
    EXPECT_EQ(cpu.getPart1Item(), "program2_to");
}

TEST_F(Dispatcher, HighlightsAndValuesSurviveLeavingAScreen) {
    press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});  // chapter 4
    ASSERT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4));
    press({SDLK_DOWN, SDLK_RETURN});
    ASSERT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4_program2));
    press({SDLK_DOWN, SDLK_3});
    press(SDLK_ESCAPE);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4));
    EXPECT_EQ(cpu.getPart4Item(), "2");
    press(SDLK_ESCAPE);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getMenuItem(), "4");
    press({SDLK_RETURN, SDLK_RETURN});
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4_program2));
    EXPECT_EQ(cpu.getPart4Program2Item(), "2");
    EXPECT_EQ(cpu.getPart4Program2_y1(), "3");

    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("back");
    press(SDLK_RETURN);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    cpu.setCurrentMenu(screenName(Screen::part1));
    EXPECT_EQ(cpu.getPart1Item(), "back");
}

// --- Escape and Space ---------------------------------------------------------

TEST_F(Dispatcher, EscapeGoesUpOneLevel) {
    const std::pair<const char*, const char*> escapes[] = {
        {screenName(Screen::start_screen), screenName(Screen::start_screen)}, {screenName(Screen::options_menu), screenName(Screen::start_screen)}, {screenName(Screen::about_menu), screenName(Screen::start_screen)},
        {screenName(Screen::part1), screenName(Screen::start_screen)},        {screenName(Screen::part2), screenName(Screen::start_screen)},        {screenName(Screen::part3), screenName(Screen::start_screen)},
        {screenName(Screen::part4), screenName(Screen::start_screen)},        {screenName(Screen::part4_program1), screenName(Screen::part4)},      {screenName(Screen::part4_program2), screenName(Screen::part4)},
        {screenName(Screen::part4_program3), screenName(Screen::part4)},      {"no such screen", "no such screen"},
    };
    for (const auto& [from, to] : escapes) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(from);
        Snapshot expected = snapshot(cpu);
        change(expected, "current_menu", to);
        press(SDLK_ESCAPE);
        EXPECT_EQ(differences(snapshot(cpu), expected), "") << from;
        EXPECT_TRUE(cpu.isGameRunning()) << from;
    }
}

TEST_F(Dispatcher, SpaceSwitchesTheLanguageOnEveryScreenAndNothingElse) {
    const char* const names[] = {screenName(Screen::start_screen), screenName(Screen::options_menu), screenName(Screen::about_menu), screenName(Screen::part1), screenName(Screen::part2), screenName(Screen::part3), screenName(Screen::part4),
                                 screenName(Screen::part4_program1), screenName(Screen::part4_program2), screenName(Screen::part4_program3), "no such screen"};
    for (const char* name : names) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(name);
        const Snapshot before = snapshot(cpu);
        Snapshot polish = before;
        change(polish, "language", "Polish");
        change(polish, "start_screen_language2", "ENGLISH");
        press(SDLK_SPACE);
        EXPECT_EQ(differences(snapshot(cpu), polish), "") << name;
        press(SDLK_SPACE);
        EXPECT_EQ(differences(snapshot(cpu), before), "") << name;
    }
}

// --- Enter --------------------------------------------------------------------

TEST_F(Dispatcher, EnterOnTheStartScreenOpensTheChosenScreen) {
    const std::pair<const char*, const char*> entries[] = {
        {"1", screenName(Screen::part1)}, {"2", screenName(Screen::part2)}, {"3", screenName(Screen::part3)}, {"4", screenName(Screen::part4)}, {"5", screenName(Screen::options_menu)}, {"6", screenName(Screen::about_menu)},
    };
    for (const auto& [item, screen] : entries) {
        cpu = CPU();
        cpu.setMenuItem(item);
        Snapshot expected = snapshot(cpu);
        change(expected, "current_menu", screen);
        press(SDLK_RETURN);
        EXPECT_EQ(differences(snapshot(cpu), expected), "") << item;
    }
}

TEST_F(Dispatcher, EnterOnExitClearsTheRunningFlagOnly) {
    cpu.setMenuItem("7");
    Snapshot expected = snapshot(cpu);
    change(expected, "running", "no");
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
}

TEST_F(Dispatcher, EnterOnTheLanguageItemSwitchesLikeSpace) {
    press(SDLK_RIGHT);
    press(SDLK_RETURN);
    EXPECT_EQ(language, "Polish");
    EXPECT_EQ(lang_file->start_screen_line7, "Wyjscie");
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getMenuItem(), "8");
    press({SDLK_UP, SDLK_DOWN});
    EXPECT_EQ(cpu.getMenuItem(), "8");
    press(SDLK_RETURN);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(lang_file->start_screen_line7, "Exit");
}

TEST_F(Dispatcher, OptionsToggleTheirOwnFlags) {
    cpu.setCurrentMenu(screenName(Screen::options_menu));
    press(SDLK_RETURN);
    EXPECT_TRUE(cpu.getFullscreen());
    EXPECT_TRUE(cpu.getChangedDisplayMode());
    press(SDLK_RETURN);
    EXPECT_FALSE(cpu.getFullscreen());
    EXPECT_TRUE(cpu.getChangedDisplayMode());
    EXPECT_FALSE(cpu.getGridlines());

    cpu.setChangedDisplayMode(false);  // as the frame loop does
    press(SDLK_DOWN);
    Snapshot expected = snapshot(cpu);
    change(expected, "gridlines", "yes");
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
    press(SDLK_RETURN);
    EXPECT_FALSE(cpu.getGridlines());
    EXPECT_FALSE(cpu.getChangedDisplayMode());

    press(SDLK_DOWN);
    press(SDLK_RETURN);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
}

TEST_F(Dispatcher, EnterOnAboutReturnsToTheStartScreen) {
    fillStore();
    cpu.setCurrentMenu(screenName(Screen::about_menu));
    Snapshot expected = snapshot(cpu);
    change(expected, "current_menu", screenName(Screen::start_screen));
    press(SDLK_RETURN);
    EXPECT_EQ(differences(snapshot(cpu), expected), "");
}

TEST_F(Dispatcher, EnterOnTheChapterFourMenuOpensAPlotOrGoesBack) {
    const std::pair<const char*, const char*> entries[] = {
        {"1", screenName(Screen::part4_program1)}, {"2", screenName(Screen::part4_program2)}, {"3", screenName(Screen::part4_program3)}, {"4", screenName(Screen::start_screen)},
    };
    for (const auto& [item, screen] : entries) {
        cpu = CPU();
        cpu.setCurrentMenu(screenName(Screen::part4));
        cpu.setPart4Item(item);
        press(SDLK_RETURN);
        EXPECT_EQ(cpu.getCurrentMenu(), screen) << item;
    }
}

// Chapters 1 to 3: a button requests its exercise, "back" leaves, a field does
// nothing; plot screens: the last item leaves for the start screen.
TEST_F(Dispatcher, EnterOnEveryItemOfTheExerciseScreens) {
    const std::pair<const char*, int> buttons[] = {{screenName(Screen::part1), 7}, {screenName(Screen::part2), 5}, {screenName(Screen::part3), 4}};
    for (const auto& [name, count] : buttons) {
        int seen = 0;
        for (const Move& m : *underTest(name).moves) {
            cpu = CPU();
            fillStore();
            show(underTest(name), m.item);
            Snapshot expected = snapshot(cpu);
            const std::string item = m.item;
            if (item.rfind("calculate", 0) == 0) {
                change(expected, "solve_this_program", std::string(name) + "_program" + item.substr(9));
                ++seen;
            } else if (item == "back") {
                change(expected, "current_menu", screenName(Screen::start_screen));
            }
            press(SDLK_RETURN);
            EXPECT_EQ(differences(snapshot(cpu), expected), "") << name << " " << item;
        }
        EXPECT_EQ(seen, count) << name;
    }
    const std::pair<const char*, const char*> backItems[] = {
        {screenName(Screen::part4_program1), "7"}, {screenName(Screen::part4_program2), "5"}, {screenName(Screen::part4_program3), "7"}};
    for (const auto& [name, back] : backItems)
        for (const Move& m : *underTest(name).moves) {
            cpu = CPU();
            fillStore();
            show(underTest(name), m.item);
            Snapshot expected = snapshot(cpu);
            if (std::string(m.item) == back) change(expected, "current_menu", screenName(Screen::start_screen));
            press(SDLK_RETURN);
            EXPECT_EQ(differences(snapshot(cpu), expected), "") << name << " " << m.item;
        }
}

// --- Typing and Delete ----------------------------------------------------------

TEST_F(Dispatcher, EachFieldTakesOnlyItsOwnCharacters) {
    for (const ScreenUnderTest& s : screens())
        for (const Move& m : *s.moves)
            for (const TypingKey& t : TYPING_KEYS) {
                cpu = CPU();
                show(s, m.item);
                Snapshot expected = snapshot(cpu);
                const auto field = fieldOf(s, m.item);
                if (field && accepted(s, m.item, t.character))
                    change(expected, fieldName(*field), cpu.getField(*field) + t.character);
                press(t.key);
                EXPECT_EQ(differences(snapshot(cpu), expected), "") << s.name << ": " << keyName(t.key) << " on " << m.item;
            }
}

TEST_F(Dispatcher, KeysOutsideTheKeyListDoNothingAnywhere) {
    std::vector<std::pair<const char*, std::string>> places = {{screenName(Screen::about_menu), ""}, {"no such screen", ""}};
    for (const ScreenUnderTest& s : screens())
        for (const Move& m : *s.moves) places.emplace_back(s.name, m.item);
    for (const auto& [name, item] : places) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(name);
        if (!item.empty()) (cpu.*underTest(name).setItem)(item);
        const Snapshot before = snapshot(cpu);
        for (int k = 0; k < SDLK_LAST; ++k) {
            const SDLKey key = static_cast<SDLKey>(k);
            if (recognised(key)) continue;
            press(key);
            ASSERT_EQ(differences(snapshot(cpu), before), "") << name << " " << item << ": key " << k << " " << keyName(key);
        }
    }
}

TEST_F(Dispatcher, RecognisedKeysDoNothingOnAnUnknownScreenButSpace) {
    fillStore();
    cpu.setCurrentMenu("no such screen");
    const Snapshot before = snapshot(cpu);
    for (int k = 0; k < SDLK_LAST; ++k)
        if (k != SDLK_SPACE) press(static_cast<SDLKey>(k));
    EXPECT_EQ(differences(snapshot(cpu), before), "");
}

TEST_F(Dispatcher, TypedTextsKeepTheirOrder) {
    show(underTest(screenName(Screen::part3)), "program2_n");
    press({SDLK_0, SDLK_COMMA, SDLK_3, SDLK_LEFTBRACKET, SDLK_6, SDLK_RIGHTBRACKET});
    EXPECT_EQ(cpu.getPart3Program2_n(), "0.3[6]");
    press(SDLK_DELETE);
    press({SDLK_0, SDLK_PERIOD, SDLK_1, SDLK_2, SDLK_LEFTBRACKET, SDLK_8, SDLK_5, SDLK_7, SDLK_RIGHTBRACKET});
    EXPECT_EQ(cpu.getPart3Program2_n(), "0.12[857]");

    show(underTest(screenName(Screen::part4_program1)), "1");
    press({SDLK_MINUS, SDLK_0, SDLK_COMMA, SDLK_5});
    EXPECT_EQ(cpu.getPart4Program1_a1(), "-0.5");
    show(underTest(screenName(Screen::part4_program2)), "4");
    press({SDLK_3, SDLK_MINUS});
    EXPECT_EQ(cpu.getPart4Program2_y2(), "3-");

    show(underTest(screenName(Screen::part4_program3)), "5");
    press(SDLK_2);
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "12");
    press({SDLK_DELETE, SDLK_2});
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "2");
}

TEST_F(Dispatcher, TheEleventhCharacterIsDropped) {
    show(underTest(screenName(Screen::part1)), "program1_n");
    press({SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_9, SDLK_0, SDLK_5});
    EXPECT_EQ(cpu.getPart1Program1_n(), "1234567890");
    show(underTest(screenName(Screen::part4_program2)), "1");
    for (int i = 0; i < 12; ++i) press(SDLK_MINUS);
    EXPECT_EQ(cpu.getPart4Program2_x1(), "----------");
}

TEST_F(Dispatcher, DeleteEmptiesOnlyTheHighlightedField) {
    std::vector<std::pair<const char*, std::string>> places = {{screenName(Screen::about_menu), ""}, {"no such screen", ""}};
    for (const ScreenUnderTest& s : screens())
        for (const Move& m : *s.moves) places.emplace_back(s.name, m.item);
    for (const auto& [name, item] : places) {
        cpu = CPU();
        fillStore();
        cpu.setCurrentMenu(name);
        Snapshot expected = snapshot(cpu);
        if (!item.empty()) {
            const ScreenUnderTest& s = underTest(name);
            (cpu.*s.setItem)(item);
            expected = snapshot(cpu);
            if (auto field = fieldOf(s, item)) change(expected, fieldName(*field), "");
        }
        press(SDLK_DELETE);
        EXPECT_EQ(differences(snapshot(cpu), expected), "") << name << " " << item;
    }
}

// The value-entry operations append whatever they are given to the field the
// screen's highlight names, whichever screen is shown.
TEST_F(Dispatcher, ValueEntryOperationsAppendToTheNamedField) {
    using Operation = void (Input2::*)(CPU*, std::string);
    const std::pair<const char*, Operation> operations[] = {
        {screenName(Screen::part1), &Input2::part1_enter_value},
        {screenName(Screen::part2), &Input2::part2_enter_value},
        {screenName(Screen::part3), &Input2::part3_enter_value},
        {screenName(Screen::part4_program1), &Input2::part4_program1_enter_value},
        {screenName(Screen::part4_program2), &Input2::part4_program2_enter_value},
        {screenName(Screen::part4_program3), &Input2::part4_program3_enter_value},
    };
    for (const auto& [name, operation] : operations) {
        const ScreenUnderTest& s = underTest(name);
        for (const Move& m : *s.moves) {
            cpu = CPU();
            (cpu.*s.setItem)(m.item);  // the start screen stays shown
            Snapshot expected = snapshot(cpu);
            if (auto field = fieldOf(s, m.item)) change(expected, fieldName(*field), cpu.getField(*field) + ".");
            (input2.*operation)(&cpu, ".");
            EXPECT_EQ(differences(snapshot(cpu), expected), "") << name << " " << m.item;
        }
    }
}
