// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each key does on each screen, as data. The key list says which key
// asks for which action, on every screen or on one screen before that; the
// screen tables say what an action does there: the arrow-key moves, what
// Enter does on each item, which characters a field accepts and where Escape
// leads. The dispatcher (Input2) reads these; --help prints the key list, and
// the manual page and the README are checked against it.
#include <SDL/SDL.h>

#include <optional>
#include <ostream>
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

enum class EnterAction { go_to, solve, exit, switch_language, toggle_fullscreen, toggle_gridlines,
                         next_size, toggle_high_contrast, toggle_speech, type_name };

// Enter on `item` (null: on any item) does `action`: go_to shows `screen`,
// solve sets the solve request `request`, type_name starts typing the pupil's name.
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

// What a key asks for. The screen tables above say what the first five do on
// each screen; the others act alike wherever their key is listed.
enum class KeyAction {
    move_up, move_down, move_left, move_right,  // the highlight
    enter,                                      // Enter on the highlighted item
    back,                                       // Escape's way back
    clear_field,                                // empty the highlighted field
    type,                                       // append the character `value` to it
    switch_language,                            // English to Polish and back
    open_working,                               // the working of the answer shown or of the plot
    scroll_working,                             // move the working's first row by `value` rows
    close_working,                              // back to the screen the working was opened on
    save_working,                               // write the working to working.txt
    open_practice,                              // practice of the highlighted exercise or of the plot
    type_answer,                                // the character `value` into the highlighted answer field
    clear_answer,                               // empty it (`value` 1: take back its last character)
    move_answer_field,                          // `value` answer fields on
    check_answer,                               // check, or after a right answer or a skip the next problem
    take_hint,                                  // the next hint
    skip_problem,                               // skip it: it comes back
    change_level,                               // `value` levels up, on an empty answer
    practice_language,                          // English to Polish and back, the verdict said again
    close_practice,                             // back to the screen practice was opened on
    open_assignment,                            // the class's assignment, at its first problem not done
    type_name_character,                        // the character the key types, into the name being typed
    erase_name_character,                       // take back its last character
    keep_name,                                  // the typed name becomes the pupil's, remembered
    leave_name,                                 // the name stays as it was
    count
};

// One key symbol and what it asks for; `value` is the character typed or the
// rows scrolled. A `shifted` binding is for the key pressed with Shift ("*"
// on Shift and 8); with Shift held, a key without one acts as without Shift.
// A binding of ANY_CHARACTER stands for every other key of its section that
// types a character (a name takes letters of any keyboard layout).
constexpr SDLKey ANY_CHARACTER = SDLK_UNKNOWN;
struct KeyBinding {
    SDLKey key;
    KeyAction action;
    int value = 0;
    bool shifted = false;
};

// A row of the key list: keys doing one thing, named and explained as the
// help, the manual page and the README show them.
struct KeyRow {
    const char* keys;  // "Page Up / Page Down"
    const char* what;  // "scroll by a page"
    std::vector<KeyBinding> bindings;
};

// The keys of every screen (`only_on` none, `where` empty), or of one screen,
// which it looks up before those of every screen (`where`: "on the working screen").
// The keys `while_typing` a name on their screen are the only ones that act then.
struct KeySection {
    std::optional<Screen> only_on;
    const char* where;
    std::vector<KeyRow> rows;
    bool while_typing = false;
};

// Every key the program knows, section by section.
const std::vector<KeySection>& keyList();

// A key going down: its symbol, whether Shift was held, and the character it
// types in the keyboard's layout (0: none, as for the arrows).
struct KeyDown {
    SDLKey key;
    bool shift = false;
    char32_t character = 0;
};
// What `down` asks for on `screen` (none: a screen the program does not
// have), while a name is typed there or not; null for nothing.
const KeyBinding* keyBinding(const KeyDown& down, std::optional<Screen> screen, bool typing = false);
// The key list as --help shows it: "Keys:", then "Keys on the working screen:" and the like.
void printKeyList(std::ostream& out);
