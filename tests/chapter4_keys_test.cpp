// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/Screens.h"
#include "input/Input2.h"

namespace {

struct PlotScreen {
    const char* name;
    std::string (CPU::*item)() const;
    void (CPU::*setItem)(std::string);
    int items;  // the last one is Back
};

const PlotScreen PLOT_SCREENS[] = {
    {screenName(Screen::part4_program1), &CPU::getPart4Program1Item, &CPU::setPart4Program1Item, 7},
    {screenName(Screen::part4_program2), &CPU::getPart4Program2Item, &CPU::setPart4Program2Item, 5},
    {screenName(Screen::part4_program3), &CPU::getPart4Program3Item, &CPU::setPart4Program3Item, 7},
};

class Chapter4Keys : public ::testing::Test {
protected:
    void SetUp() override { testsupport::useEnglish(); }
    void press(std::initializer_list<SDLKey> keys) {
        for (SDLKey k : keys) input.readInputForPressingAKey(k, &cpu, nullptr);
    }
    void show(const PlotScreen& s, int item) {
        cpu.setCurrentMenu(s.name);
        (cpu.*s.setItem)(std::to_string(item));
    }
    CPU cpu;
    Input2 input;
};

}  // namespace

TEST_F(Chapter4Keys, RingsOfItemsEscapeUpOneLevelBackToTheStart) {
    for (const PlotScreen& s : PLOT_SCREENS) {
        show(s, 1);
        for (int step = 1; step <= s.items; ++step) press({SDLK_DOWN});
        EXPECT_EQ((cpu.*s.item)(), "1") << s.name;
        press({SDLK_UP, SDLK_LEFT, SDLK_RIGHT});
        EXPECT_EQ((cpu.*s.item)(), std::to_string(s.items)) << s.name;
        show(s, 3);
        press({SDLK_RETURN});  // on a field: nothing
        EXPECT_EQ(cpu.getCurrentMenu(), s.name);
        cpu.setPart4Item("2");
        press({SDLK_ESCAPE});
        EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4));
        EXPECT_EQ(cpu.getPart4Item(), "2");
        show(s, s.items);
        press({SDLK_RETURN});
        EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
        EXPECT_EQ((cpu.*s.item)(), std::to_string(s.items));  // kept for the next visit
    }
    cpu.setCurrentMenu(screenName(Screen::part4));
    press({SDLK_1, SDLK_DELETE, SDLK_UP, SDLK_RETURN});  // the menu types nothing
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::part4_program1));
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "1");
}

TEST_F(Chapter4Keys, TypingSignedDecimalsAndDelete) {
    show(PLOT_SCREENS[0], 1);
    press({SDLK_KP_MINUS, SDLK_0, SDLK_COMMA, SDLK_KP5, SDLK_LEFTBRACKET, SDLK_RIGHTBRACKET, SDLK_KP_DIVIDE});
    EXPECT_EQ(cpu.getPart4Program1_a1(), "-0.5");
    press({SDLK_DOWN, SDLK_3, SDLK_MINUS, SDLK_PERIOD});
    EXPECT_EQ(cpu.getPart4Program1_b1(), "3-.");
    show(PLOT_SCREENS[1], 4);
    for (int i = 0; i < 11; ++i) press({SDLK_9});
    press({SDLK_DOWN, SDLK_7, SDLK_DELETE});  // Back names no field
    EXPECT_EQ(cpu.getPart4Program2_y2(), "9999999999");
    show(PLOT_SCREENS[2], 5);
    press({SDLK_2});  // the factor starts as "1"
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "12");
    press({SDLK_DELETE});
    EXPECT_EQ(cpu.getPart4Program3_multiply_by1(), "");
    EXPECT_EQ(cpu.getPart4Program3_multiply_by2(), "1");
}
