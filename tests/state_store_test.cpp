// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The state store: its start values, the append rule of the input fields,
// the clearers, and the number reading and text building helpers.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/Screens.h"

namespace {

// Every input field by name, screen by screen, from the field list itself:
// a field added there is checked here without another line.
#define FIELD_NAME(accessor, name, start) #name,
const std::vector<std::string> ALL_FIELD_NAMES = {CALCORA_INPUT_FIELDS(FIELD_NAME)};
#undef FIELD_NAME

Field field(const std::string& name) {
    auto f = fieldNamed(name);
    EXPECT_TRUE(f.has_value()) << name;
    return f.value_or(Field::part1_program1_n);
}

}  // namespace

TEST(StateStore, FreshStoreHoldsTheStartValues) {
    const CPU cpu;
    EXPECT_EQ(cpu.getWindowWidth(), 1000);
    EXPECT_EQ(cpu.getWindowHeight(), 700);
    EXPECT_TRUE(cpu.isGameRunning());
    EXPECT_FALSE(cpu.getFullscreen());
    EXPECT_FALSE(cpu.getGridlines());
    EXPECT_FALSE(cpu.getChangedDisplayMode());
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getSolveThisProgram(), "");
    EXPECT_EQ(cpu.getSolution(), "");
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(cpu.getSolutionLine(n), "") << n;

    EXPECT_EQ(cpu.getMenuItem(), "1");
    EXPECT_EQ(cpu.getOptionsItem(), "1");
    EXPECT_EQ(cpu.getPart1Item(), "program1_n");
    EXPECT_EQ(cpu.getPart2Item(), "program1_n1a");
    EXPECT_EQ(cpu.getPart3Item(), "program1_n_a");
    EXPECT_EQ(cpu.getPart4Item(), "1");
    EXPECT_EQ(cpu.getPart4Program1Item(), "1");
    EXPECT_EQ(cpu.getPart4Program2Item(), "1");
    EXPECT_EQ(cpu.getPart4Program3Item(), "1");

    for (const std::string& name : ALL_FIELD_NAMES) {
        const bool factor = name == "part4_program3_multiply_by1" || name == "part4_program3_multiply_by2";
        EXPECT_EQ(cpu.getField(field(name)), factor ? "1" : "") << name;
    }
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "1");
    EXPECT_EQ(cpu.getPart4Program3_multiply_by2(), "1");
}

TEST(StateStore, EveryFieldIsFoundByItsNameAndNamesItself) {
    EXPECT_EQ(FIELD_COUNT, 60);
    EXPECT_EQ(ALL_FIELD_NAMES.size(), 60u);
    std::set<Field> seen;
    for (const std::string& name : ALL_FIELD_NAMES) {
        const Field f = field(name);
        EXPECT_EQ(fieldName(f), name);
        EXPECT_TRUE(seen.insert(f).second) << name << " shares its field with another name";
    }
    for (int i = 0; i < FIELD_COUNT; ++i) {
        const Field f = static_cast<Field>(i);
        EXPECT_EQ(fieldNamed(fieldName(f)), f) << i;
    }
    EXPECT_FALSE(fieldNamed("").has_value());
    EXPECT_FALSE(fieldNamed("calculate1").has_value());
    EXPECT_FALSE(fieldNamed("part1_calculate1").has_value());
    EXPECT_FALSE(fieldNamed("PART1_PROGRAM1_N").has_value());
    EXPECT_FALSE(fieldNamed("part1_program1_n ").has_value());
}

TEST(StateStore, NamedAccessorsReachTheirOwnField) {
    CPU cpu;
    cpu.setPart1Program5and6_n1("4");
    cpu.setPart2Program5_n3b("7");
    cpu.setPart3Program2_n("0");
    cpu.setPart4Program2_y2("-");
    EXPECT_EQ(cpu.getField(Field::part1_program5and6_n1), "4");
    EXPECT_EQ(cpu.getField(Field::part2_program5_n3b), "7");
    EXPECT_EQ(cpu.getField(Field::part3_program2_n), "0");
    EXPECT_EQ(cpu.getField(Field::part4_program2_y2), "-");
    EXPECT_EQ(cpu.getField(Field::part1_program5and6_n2), "");
    EXPECT_EQ(cpu.getField(Field::part2_program5_n3a), "");

    cpu.clearPart2Program5_n3b();
    EXPECT_EQ(cpu.getPart2Program5_n3b(), "");
    EXPECT_EQ(cpu.getPart1Program5and6_n1(), "4");
}

TEST(StateStore, SettingAFieldAppendsUntilItHoldsTenCharacters) {
    CPU cpu;
    cpu.setPart1Program1_n("123456789");
    EXPECT_EQ(cpu.getPart1Program1_n(), "123456789");
    cpu.setPart1Program1_n("0");  // 9 characters: appended
    EXPECT_EQ(cpu.getPart1Program1_n(), "1234567890");
    cpu.setPart1Program1_n("5");  // 10 characters: dropped
    EXPECT_EQ(cpu.getPart1Program1_n(), "1234567890");

    // A longer text goes in as far as it fits.
    cpu.setPart1Program1_k("123456789");
    cpu.setPart1Program1_k("abc");
    EXPECT_EQ(cpu.getPart1Program1_k(), "123456789a");

    cpu.setPart2Program1_n1a("");
    EXPECT_EQ(cpu.getPart2Program1_n1a(), "");

    // The vector factors start as "1", so a typed digit follows it.
    cpu.setPart4Program3_multiply_by1("2");
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "12");
}

// Whatever texts reach a field, it holds its start value and what was set
// since, or what was set since it was last cleared, cut to ten characters.
TEST(StateStore, NoSequenceOfSettersGrowsAFieldPastTenCharacters) {
    std::mt19937 random(17);
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    CPU cpu;
    std::vector<std::string> sinceCleared;  // start values included
    for (int f = 0; f < FIELD_COUNT; ++f) sinceCleared.push_back(cpu.getField(Field(f)));
    for (int step = 0; step < 20000; ++step) {
        const int f = upTo(FIELD_COUNT - 1);
        if (upTo(9) == 0) {
            cpu.clearField(Field(f));
            sinceCleared[f].clear();
        } else {
            const std::string text(upTo(12), char('a' + upTo(25)));
            cpu.setField(Field(f), text);
            sinceCleared[f] += text;
        }
        ASSERT_EQ(cpu.getField(Field(f)), sinceCleared[f].substr(0, FIELD_MAX_LENGTH)) << fieldName(Field(f));
    }
}

TEST(StateStore, ClearersEmptyOnlyTheirOwnText) {
    CPU cpu;
    for (const std::string& name : ALL_FIELD_NAMES) cpu.setField(field(name), "42");
    for (const std::string& name : ALL_FIELD_NAMES) {
        cpu.clearField(field(name));
        EXPECT_EQ(cpu.getField(field(name)), "") << name;
    }
    cpu.clearField(Field::part1_program1_n);  // clearing an empty field is harmless
    EXPECT_EQ(cpu.getPart1Program1_n(), "");

    cpu.setSolution("whole text");
    for (int n = 1; n <= 5; ++n) cpu.setSolutionLine(n, "line " + std::to_string(n));
    EXPECT_EQ(cpu.getSolutionLine1(), "line 1");
    EXPECT_EQ(cpu.getSolutionLine5(), "line 5");
    cpu.clearSolutionLines1to5();
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(cpu.getSolutionLine(n), "") << n;
    EXPECT_EQ(cpu.getSolution(), "whole text");
}

TEST(StateStore, StringToDoubleReadsTheNumberAtTheStart) {
    const CPU cpu;
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0.0},     {"-", 0.0},    {".", 0.0},     {"abc", 0.0},         {"-2", -2.0},
        {"3.5", 3.5},  {".5", 0.5},   {"12abc", 12.0}, {"0.12[857]", 0.12}, {" 5", 5.0},
        {"3-", 3.0},   {"-.5", -0.5}, {"1..2", 1.0},  {"--1", 0.0},         {"-0", 0.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(cpu.string_to_double(c.text), c.value) << '"' << c.text << '"';
}

TEST(StateStore, BuildersWriteDoublesInTheStreamsDefaultFormat) {
    const CPU cpu;
    EXPECT_EQ(cpu.StringDoubleStringDouble("", 3, "", -2.5), "3-2.5");
    EXPECT_EQ(cpu.StringDoubleStringDouble("", 1.0 / 3, "|", 1234567), "0.333333|1.23457e+06");
    EXPECT_EQ(cpu.StringDoubleStringDouble("", 0.00001, "|", 0.0001), "1e-05|0.0001");
    EXPECT_EQ(cpu.StringDoubleStringDouble("", 123456, "|", -0.0), "123456|-0");
    EXPECT_EQ(cpu.StringDoubleStringDouble("(", 1.5, ", ", -2), "(1.5, -2");
    EXPECT_EQ(cpu.StringDoubleStringDoubleString("(", 1.5, ", ", -2, ")"), "(1.5, -2)");
    EXPECT_EQ(cpu.DoubleStringDoubleStringDoubleString(2, "x + ", 0.5, "y = ", -1, ""), "2x + 0.5y = -1");
    EXPECT_EQ(cpu.StringString("Fullscreen: ", "off"), "Fullscreen: off");
    EXPECT_EQ(cpu.StringString("", ""), "");
}
