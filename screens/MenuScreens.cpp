// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu-like screens' tables, and the one routine that draws them.
#include "MenuScreens.h"

#include <vector>

#include "DifferentScreens.h"
#include "PracticeScreen.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Settings.h"
#include "calc/LineCut.h"
#include "gfx/Layout.h"
#include "gfx/SDLGraphics.h"
#include "practice/ClassFile.h"

namespace {

using layout::MARKER_X;
using layout::menuRow;

const int ROW_SIZE = 20;   // menu rows and titles
const int SMALL_SIZE = 16; // the About screen's credits
const int LANGUAGE_Y = 30; // the start screen's language item, top right
const int HINT_SIZE = 14;  // the start screen's hint of an assignment, Options' hint while a name is typed
// Options' key table, from its heading in menu row 10, has its rows closer
// than the menus' so that all five fit above the window's bottom.
const int KEY_TABLE_ROW = 10;
const int KEY_TABLE_STEP = 25;
const char* const TYPING_CURSOR = "_";
// The start screen's settings lines passed over, in grey above its menu,
// clear of the picture on their right.
const int FIRST_FAULT_Y = 70;
const int FAULT_STEP = 18;
const int LAST_FAULT_Y = layout::menuRow(1) - 30;
const std::size_t FAULT_CHARACTERS = 52;
const int FAULT_INDENT = 16;  // a line's further rows

// A text in menu row `n` of the text column.
MenuRow row(const std::string& text, int n, int size = ROW_SIZE, const char* color = "text") {
    return {text, layout::TEXT_X, menuRow(n), size, color};
}

// Row `k` of Options' key table, its heading 0.
MenuRow keyTableRow(const std::string& text, int k, const char* color = "text") {
    return {text, layout::TEXT_X, menuRow(KEY_TABLE_ROW) + KEY_TABLE_STEP * k, ROW_SIZE, color};
}

// The marker of `item`, beside menu row `n`.
MenuMarker markerAt(const char* item, int n) { return {item, MARKER_X, menuRow(n)}; }

// The settings lines passed over, each on as many rows as it takes; "..."
// last when they do not all fit (stderr has each).
std::vector<MenuRow> settingsFaultRows(const CPU& cpu, const Language& t) {
    std::vector<MenuRow> rows;
    for (const SettingsFault& fault : cpu.getSettingsFaults()) {
        bool continues = false;
        for (std::string& text : calc::wrapAtBlanks(describe(fault, t), FAULT_CHARACTERS)) {
            rows.push_back({std::move(text), layout::TEXT_X + (continues ? FAULT_INDENT : 0),
                            FIRST_FAULT_Y + FAULT_STEP * int(rows.size()), HINT_SIZE, "hint", continues});
            continues = true;
        }
    }
    const std::size_t fit = std::size_t((LAST_FAULT_Y - FIRST_FAULT_Y) / FAULT_STEP + 1);
    if (rows.size() > fit) {
        rows.resize(fit);
        rows.back().text = "...";
    }
    return rows;
}

void drawMenu(SDLGraphics* g, const MenuLayout& menu, const std::string& item) {
    g->drawImage(menu.image, menu.image_x, menu.image_y);
    for (const MenuRow& r : menu.rows) g->drawText(r.text, r.size, r.x, r.y, r.color);
    for (const MenuMarker& spot : menu.markers)
        if (item == spot.item) g->drawMarker(layout::MENU_MARKER, spot.x, spot.y);
}

}  // namespace

MenuLayout startMenu(const CPU& cpu, const Language& t) {
    const int right = layout::WIDTH;
    MenuLayout menu{"images/math1.png", 420, 170,
                    {row(t.start_screen_line1, 1), row(t.start_screen_line2, 2), row(t.start_screen_line3, 3),
                     row(t.start_screen_line4, 4), row(t.start_screen_line5, 5), row(t.start_screen_line6, 6),
                     row(t.start_screen_line7, 7),
                     {t.start_screen_language1, right - 250, LANGUAGE_Y, ROW_SIZE, "text"},
                     {t.start_screen_language2, right - 150, LANGUAGE_Y, ROW_SIZE, "highlight"},
                     row(assignmentOffer(cpu), 9, HINT_SIZE, "hint"), row(assignmentNotice(cpu), 9, HINT_SIZE, "hint")},
                    {markerAt("1", 1), markerAt("2", 2), markerAt("3", 3), markerAt("4", 4), markerAt("5", 5),
                     markerAt("6", 6), markerAt("7", 7), {"8", right - 300, LANGUAGE_Y}}};
    for (MenuRow& fault : settingsFaultRows(cpu, t)) menu.rows.push_back(std::move(fault));
    return menu;
}

MenuLayout optionsMenu(const CPU& cpu, const Language& t) {
    const std::string fullscreenLine =
        cpu.StringString(t.options_line2, cpu.getFullscreen() ? t.options_fullscreen_on : t.options_fullscreen_off);
    const std::string gridLine =
        cpu.StringString(t.options_line3, cpu.getGridlines() ? t.options_gridlines_on : t.options_gridlines_off);
    const std::string sizeLine = t.options_size + std::to_string(cpu.getSizePercent()) + "%";
    const std::string contrastLine = cpu.StringString(
        t.options_high_contrast, cpu.getHighContrast() ? t.options_high_contrast_on : t.options_high_contrast_off);
    const std::string speechWord = !cpu.getSpeech()            ? t.options_speech_off
                                   : cpu.getSpeechUnavailable() ? t.options_speech_unavailable
                                                                : t.options_speech_on;
    // While a name is typed, its row shows it with a cursor and the hint above the entries says how.
    const bool typing = cpu.getNameTyping();
    const MenuRow nameRow =
        typing ? row(t.options_name + cpu.getTypedName() + TYPING_CURSOR, 8, ROW_SIZE, "highlight")
               : row(t.options_name + practice::pupilName(cpu.getPupilName(), cpu.getAccountName(), ""), 8);
    return {"images/math3.png", 400, 80,
            {row(t.options_line1, 1), row(typing ? t.options_name_typing : "", 2, HINT_SIZE, "hint"),
             row(fullscreenLine, 3), row(gridLine, 4), row(sizeLine, 5), row(contrastLine, 6),
             row(cpu.StringString(t.options_speech, speechWord), 7), nameRow, row(t.options_line4, 9),
             keyTableRow(t.options_controls, 0, "title"), keyTableRow(t.options_key1, 1), keyTableRow(t.options_key2, 2),
             keyTableRow(t.options_key3, 3), keyTableRow(t.options_key4, 4), keyTableRow(t.options_key5, 5)},
            {markerAt("1", 3), markerAt("2", 4), markerAt("3", 5), markerAt("4", 6), markerAt("5", 7), markerAt("6", 8),
             markerAt("7", 9)}};
}

MenuLayout aboutMenu(const Language& t) {
    return {"images/math2.png", 400, 100,
            {row(t.about_line1, 1), row(t.about_line2, 3, SMALL_SIZE), row(t.about_line3, 4, SMALL_SIZE),
             row(t.about_line4, 5, SMALL_SIZE), row(t.about_line5, 6, SMALL_SIZE), row(t.about_line6, 7, SMALL_SIZE),
             row(t.about_line7, 8, SMALL_SIZE)},
            {}};
}

MenuLayout chapter4Menu(const CPU&, const Language& t) {
    return {"images/math4.png", 410, 120,
            {row(t.part4_line1, 1), row(t.part4_line2, 3), row(t.part4_line3, 4), row(t.part4_line4, 5),
             row(t.part4_line5, 7)},
            {markerAt("1", 3), markerAt("2", 4), markerAt("3", 5), markerAt("4", 7)}};
}

void DifferentScreens::start_screen(SDLGraphics* g, CPU* cpu) {
    drawMenu(g, startMenu(*cpu, *lang_file), cpu->getMenuItem());
}

void DifferentScreens::options(SDLGraphics* g, CPU* cpu) {
    drawMenu(g, optionsMenu(*cpu, *lang_file), cpu->getOptionsItem());
}

void DifferentScreens::about(SDLGraphics* g) { drawMenu(g, aboutMenu(*lang_file), ""); }

void DifferentScreens::part4(SDLGraphics* g, CPU* cpu) {
    drawMenu(g, chapter4Menu(*cpu, *lang_file), cpu->getPart4Item());
}
