// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu-like screens (start screen, Options, About, the chapter 4 menu):
// each a picture, a column of text rows and a marker beside the highlighted
// row, described by one table. The screen routines draw the table built with
// the drawn texts; a screen reader reads the same table built with the
// spoken ones (a row beside a marker is that item's, the others are fixed).
#include <string>
#include <vector>

class CPU;
class Language;

struct MenuRow {
    std::string text;
    int x, y, size;
    const char* color;
    bool continues = false;  // the rest of the fixed line above, wrapped: heard with it
};

// Where the marker of `item` is drawn; the rows at its height are the item's.
struct MenuMarker {
    const char* item;
    int x, y;
};

struct MenuLayout {
    const char* image;
    int image_x, image_y;
    std::vector<MenuRow> rows;
    std::vector<MenuMarker> markers;
};

// Each menu-like screen's table, in the words of `t`, with the settings in `cpu`.
MenuLayout startMenu(const CPU& cpu, const Language& t);
MenuLayout optionsMenu(const CPU& cpu, const Language& t);
MenuLayout aboutMenu(const Language& t);
MenuLayout chapter4Menu(const CPU& cpu, const Language& t);
