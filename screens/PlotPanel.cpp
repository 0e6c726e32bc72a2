// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotPanel.h"

#include "PracticeScreen.h"
#include "WorkingScreen.h"
#include "app/ItemFields.h"
#include "gfx/Draw.h"
#include "gfx/Layout.h"
#include "gfx/SDLGraphics.h"

namespace {

using layout::TEXT_X;

const int BOX_LEFT = 105, BOX_RIGHT = 205, BOX_HEIGHT = 20;
const int VALUE_X = 110;
const int TEXT_SIZE = 16, TITLE_SIZE = 20;
const int WORKING_HINT_Y = 660;  // below every panel's last row
const int PRACTICE_OFFER_Y = 678;

PanelRow title(std::string Language::*text, int y) { return {text, TEXT_X, y, TITLE_SIZE, "text", nullptr, 0}; }
PanelRow text(std::string Language::*t, int y) { return {t, TEXT_X, y, TEXT_SIZE, "text", nullptr, 0}; }
PanelRow field(const char* item, std::string Language::*label, int y, int row) {
    return {label, TEXT_X, y, TEXT_SIZE, "text", item, row};
}
PanelRow field(const char* item, std::string Language::*label, int y) { return field(item, label, y, y); }
PanelRow back(const char* item, int y) { return {&Language::_back, TEXT_X, y, TEXT_SIZE, "text", item, y}; }
PanelRow deleteHint(int y) { return {&Language::_delete, 240, y, TEXT_SIZE, "message", nullptr, 0}; }

std::optional<Field> fieldOf(const PlotPanel& panel, const PanelRow& r) {
    return r.item ? fieldOfItem(panel.screen, r.item) : std::nullopt;
}

}  // namespace

void drawPlotPanel(SDLGraphics* g, const CPU& cpu, const PlotPanel& panel, const std::string& item) {
    SDL_Surface* s = g->getScreen();
    draw::box(s, PLOT_PANEL_COLUMN, palette::current().panel);
    for (const PanelRow& r : panel.rows)
        if (fieldOf(panel, r)) draw::box(s, {BOX_LEFT, r.row, BOX_RIGHT, r.row + BOX_HEIGHT}, palette::current().button);
    for (const PanelRow& r : panel.rows) {
        g->drawText(lang_file->*r.label, r.size, r.x, r.y, r.color);
        if (const auto f = fieldOf(panel, r)) g->drawText(cpu.getField(*f), TEXT_SIZE, VALUE_X, r.row, "text");
    }
    for (const PanelRow& r : panel.rows)
        if (r.item && item == r.item) g->drawMarker(layout::MENU_MARKER, layout::MARKER_X, r.row);
    drawWorkingHint(g, TEXT_X, WORKING_HINT_Y);
    drawPracticeOffer(g, TEXT_X, PRACTICE_OFFER_Y);
}

const PlotPanel& straightLinesPanel() {
    using L = Language;
    static const PlotPanel panel{Screen::part4_program1,
                                 {
                                     title(&L::part4_line2, 100),
                                     text(&L::part4_program1_line1, 160),
                                     field("1", &L::part4_program1_a, 190),
                                     field("2", &L::part4_program1_b, 220),
                                     text(&L::part4_program1_line2, 250),
                                     field("3", &L::part4_program1_a, 280),
                                     field("4", &L::part4_program1_b, 310),
                                     text(&L::part4_program1_line3, 340),
                                     field("5", &L::part4_program1_a, 370),
                                     field("6", &L::part4_program1_b, 400),
                                     back("7", 460),
                                     text(&L::to_remove_data_press, 520),
                                     deleteHint(520),
                                 }};
    return panel;
}

const PlotPanel& twoPointsPanel() {
    using L = Language;
    static const PlotPanel panel{Screen::part4_program2,
                                 {
                                     title(&L::part4_program2_line1, 100),
                                     title(&L::part4_program2_line2, 130),
                                     text(&L::part4_program2_point1, 190),
                                     field("1", &L::part4_program2_x, 220),
                                     field("2", &L::part4_program2_y, 250),
                                     text(&L::part4_program2_point2, 280),
                                     field("3", &L::part4_program2_x, 310),
                                     field("4", &L::part4_program2_y, 340),
                                     back("5", 400),
                                     text(&L::to_remove_data_press, 460),
                                     deleteHint(460),
                                 }};
    return panel;
}

// The factor labels are long, so their boxes sit on the row below them.
const PlotPanel& vectorsPanel() {
    using L = Language;
    static const PlotPanel panel{Screen::part4_program3,
                                 {
                                     title(&L::part4_program3_line1, 100),
                                     title(&L::part4_program3_line2, 130),
                                     text(&L::part4_program3_vector1, 190),
                                     field("1", &L::part4_program3_x, 220),
                                     field("2", &L::part4_program3_y, 250),
                                     text(&L::part4_program3_vector2, 280),
                                     field("3", &L::part4_program3_x, 310),
                                     field("4", &L::part4_program3_y, 340),
                                     field("5", &L::part4_program3_m_vector1_by, 400, 430),
                                     field("6", &L::part4_program3_m_vector2_by, 460, 490),
                                     back("7", 550),
                                     text(&L::to_remove_data_press, 610),
                                     deleteHint(610),
                                 }};
    return panel;
}
