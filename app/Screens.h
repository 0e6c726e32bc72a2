// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every screen of the program, once: its enumerator and the name the store's
// `current_menu` holds while it is shown. The frame loop's draw routines and
// the key tables are tables indexed by `Screen`, in this order.
#include <optional>
#include <string>

#define CALCORA_SCREENS(X)                  \
    X(start_screen, "start screen")         \
    X(part1, "part1")                       \
    X(part2, "part2")                       \
    X(part3, "part3")                       \
    X(part4, "part4")                       \
    X(part4_program1, "part4 program1")     \
    X(part4_program2, "part4 program2")     \
    X(part4_program3, "part4 program3")     \
    X(options_menu, "options menu")         \
    X(about_menu, "about menu")             \
    X(working, "working")                   \
    X(practice, "practice")

enum class Screen {
#define CALCORA_SCREEN_ENUM(id, name) id,
    CALCORA_SCREENS(CALCORA_SCREEN_ENUM)
#undef CALCORA_SCREEN_ENUM
    count
};

constexpr int SCREEN_COUNT = static_cast<int>(Screen::count);

// The name `current_menu` holds for the screen ("start screen").
const char* screenName(Screen s);
// The screen a `current_menu` text names, if any.
std::optional<Screen> screenNamed(const std::string& name);
// Every screen, in the order of the list above (for tables and tests).
Screen screenAt(int index);
