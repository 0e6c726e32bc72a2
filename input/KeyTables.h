#pragma once
// What each key does on each screen, as data: the arrow-key moves, what Enter
// does on each item, which item names which input field, which characters a
// field accepts and where Escape leads. The dispatcher (Input2) reads these.
#include <string>
#include <vector>

#include "app/CPU.h"

// One highlightable item and the item each arrow key moves to (null: stays).
struct NavRow {
    const char* item;
    const char* up;
    const char* down;
    const char* left;
    const char* right;
};

enum class EnterAction { GoTo, Solve, Exit, SwitchLanguage, ToggleFullscreen, ToggleGridlines, SaveWorking };

// Enter on `item` (null: on any item) does `action`; `target` is the screen
// of GoTo or the request text of Solve.
struct EnterRow {
    const char* item;
    EnterAction action;
    const char* target;
};

// The characters a field accepts; `item` null: every field of the screen.
// The first rule naming the highlighted item (or null) applies.
struct TypingRule {
    const char* item;
    const char* characters;
};

struct ScreenKeys {
    const char* screen;                       // the screen's name in `current_menu`
    std::string (CPU::*getItem)() const;      // its highlight; null: no highlight
    void (CPU::*setItem)(std::string);
    const char* escapeTo;                     // null: Escape does nothing
    std::vector<NavRow> moves;
    std::vector<EnterRow> enter;
    const char* fieldPrefix;                  // chapter screens: item "x" names field prefix + "x"
    std::vector<Field> numberedFields;        // plot screens: item "1" names the first
    std::vector<TypingRule> typing;
    bool working = false;                     // the working screen: the arrow and page keys scroll,
                                              // Escape and W go back to where it was opened
};

// The key description of a screen, or null for a name that is no screen.
const ScreenKeys* screenKeysFor(const std::string& screen);
const std::vector<ScreenKeys>& allScreenKeys();

// The input field that `item` names on that screen, if any.
std::optional<Field> fieldOfItem(const ScreenKeys& keys, const std::string& item);
