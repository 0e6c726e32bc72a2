// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a sighted pupil reads on the screen shown, gathered from the store and
// the text table (and the screens' layout tables, which say which label sits
// beside which box) for a screen reader: the web page speaks it through a
// live region. Pure: nothing here draws or needs SDL.
#include <string>
#include <vector>

#include "app/CPU.h"
#include "gfx/Layout.h"

struct ScreenReading {
    std::string screen;                 // `current_menu`
    std::string language;               // "English" or "Polish"
    std::vector<std::string> title;     // the screen's title and fixed lines, read when it opens
    std::string group;                  // the heading of the highlighted item's exercise or group
    std::string item;                   // the highlighted item's label
    std::string value;                  // the highlighted field's typed text
    std::vector<std::string> answer;    // the solution panel's lines, empty ones left out
    std::vector<std::string> messages;  // a failed save, a saved working; practice verdicts belong here too
    std::vector<std::string> page;      // the working's title and the lines from the first one shown
    // For a magnifier, in layout pixels: the highlighted item's exercise with
    // the answer panel, its plot panel or its menu, and the item itself
    // within it. Empty on the screens read as a whole page.
    Rect where{0, 0, 0, 0};
    Rect spot{0, 0, 0, 0};
};

// What the screen shows now, in the language shown now.
ScreenReading readScreen(const CPU& cpu);

// What to say after the screen went from `before` to `now`, in reading order:
// everything on a new screen or in a new language; otherwise a new group,
// item, value, answer, message or working page.
std::vector<std::string> newlyRead(const ScreenReading& before, const ScreenReading& now);
