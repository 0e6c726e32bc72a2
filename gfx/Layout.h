// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers every screen is laid out by, named once, and the one rectangle type.
#include <cstddef>

// Corners of a filled box or frame, both included, as SDL_gfx takes them.
struct Rect {
    int x1, y1, x2, y2;
};

namespace layout {

// The sizes the whole program can be drawn at, in percent of the window's
// 1000 by 700; the pupil steps through those the display holds, round again
// after the largest.
constexpr int SIZES[] = {100, 150, 200};
constexpr int nextSize(int percent, int largest) {
    for (int size : SIZES)
        if (size > percent && size <= largest) return size;
    return SIZES[0];
}

// Screens are laid out on 1024 by 768, the full-screen size, whatever the window's size.
constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;

// The highlight marker of the menus and plot panels, and of the exercise screens.
constexpr const char* MENU_MARKER = "images/select.png";
constexpr const char* EXERCISE_MARKER = "images/select2.png";
constexpr int MARKER_X = 27;  // menus and plot panels draw it at this x

// Menus and plot panels start their texts here.
constexpr int TEXT_X = WIDTH / 2 - 450;  // 62

// Menu rows: the first at y = 264, each next one 30 pixels lower.
constexpr int MENU_FIRST_ROW = HEIGHT / 2 - 120;
constexpr int MENU_ROW_STEP = 30;
constexpr int menuRow(int row) { return MENU_FIRST_ROW + MENU_ROW_STEP * (row - 1); }

// The working screen's page shows this many rows of steps and answer at once;
// scrolled to its end, a working of `rows` rows shows this row first.
constexpr int WORKING_PAGE_LINES = 22;
// Characters of a row at the rows' size (digits are 8 pixels wide: 880 of the
// page's 900); a longer single term is drawn smaller to fit.
constexpr std::size_t WORKING_ROW_CHARACTERS = 110;
constexpr int lastWorkingScroll(int rows) { return rows > WORKING_PAGE_LINES ? rows - WORKING_PAGE_LINES : 0; }

}  // namespace layout
