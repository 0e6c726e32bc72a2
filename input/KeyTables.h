#pragma once
// What each key does on each screen, as data: the arrow-key moves, what Enter
// does on each item, which item names which input field, which characters a
// field accepts and where Escape leads. The dispatcher (Input2) reads these.
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/Screens.h"

// One highlightable item and the item each arrow key moves to (null: stays).
struct NavRow {
    const char* item;
    const char* up;
    const char* down;
    const char* left;
    const char* right;
};

enum class EnterAction { go_to, solve, exit, switch_language, toggle_fullscreen, toggle_gridlines };

// Enter on `item` (null: on any item) does `action`: go_to shows `screen`,
// solve sets the solve request `request`.
struct EnterRow {
    const char* item;
    EnterAction action;
    Screen screen = Screen::start_screen;
    std::string request = {};
};

// The characters a field accepts; `item` null: every field of the screen.
// The first rule naming the highlighted item (or null) applies.
struct TypingRule {
    const char* item;
    const char* characters;
};

// The keys of one screen. Which field an item names is in app/ItemFields.h.
struct ScreenKeys {
    Screen screen;
    std::string (CPU::*get_item)() const;     // its highlight; null: no highlight
    void (CPU::*set_item)(std::string);
    std::optional<Screen> escape_to;          // none: Escape does nothing
    std::vector<NavRow> moves;
    std::vector<EnterRow> enter;
    std::vector<TypingRule> typing;           // none: nothing can be typed
};

// The keys of every screen, indexed by `Screen`.
const std::vector<ScreenKeys>& allScreenKeys();
const ScreenKeys& screenKeysFor(Screen screen);
