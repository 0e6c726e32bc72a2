#include "PlotPanel.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "WorkingScreen.h"
#include "gfx/SDLGraphics.h"

namespace {

const char* const MARKER = "images/select.png";
const int MARKER_X = 27;
const int TEXT_X = 62;
const int BOX_LEFT = 105, BOX_RIGHT = 205, BOX_HEIGHT = 20;
const int VALUE_X = 110;
const int PANEL_RIGHT = 320, PANEL_BOTTOM = 768;
const int TEXT_SIZE = 16, TITLE_SIZE = 20;
const int WORKING_HINT_Y = 660;  // below every panel's last row

PanelRow title(std::string Language::*text, int y) { return {text, TEXT_X, y, TITLE_SIZE, "black", nullptr, {}, 0}; }
PanelRow text(std::string Language::*t, int y) { return {t, TEXT_X, y, TEXT_SIZE, "black", nullptr, {}, 0}; }
PanelRow field(const char* item, std::string Language::*label, int y, Field f, int row) {
    return {label, TEXT_X, y, TEXT_SIZE, "black", item, f, row};
}
PanelRow back(const char* item, int y) { return {&Language::_back, TEXT_X, y, TEXT_SIZE, "black", item, {}, y}; }
PanelRow deleteHint(int y) { return {&Language::_delete, 240, y, TEXT_SIZE, "red", nullptr, {}, 0}; }

}  // namespace

void drawPlotPanel(SDLGraphics* g, const CPU& cpu, const std::vector<PanelRow>& rows, const std::string& item) {
    SDL_Surface* s = g->getScreen();
    boxRGBA(s, 0, 0, PANEL_RIGHT, PANEL_BOTTOM, 192, 192, 192, 255);
    for (const PanelRow& r : rows)
        if (r.field) boxRGBA(s, BOX_LEFT, r.row, BOX_RIGHT, r.row + BOX_HEIGHT, 128, 128, 128, 255);
    for (const PanelRow& r : rows) {
        g->drawText(lang_file->*r.label, r.size, r.x, r.y, r.color);
        if (r.field) g->drawText(cpu.getField(*r.field), TEXT_SIZE, VALUE_X, r.row, "black");
    }
    if (const auto y = markerRow(rows, item)) g->drawImage(MARKER, MARKER_X, *y);
    drawWorkingHint(g, TEXT_X, WORKING_HINT_Y);
}

std::optional<int> markerRow(const std::vector<PanelRow>& rows, const std::string& item) {
    for (const PanelRow& r : rows)
        if (r.item && item == r.item) return r.row;
    return std::nullopt;
}

const std::vector<PanelRow>& straightLinesPanel() {
    using L = Language;
    static const std::vector<PanelRow> rows = {
        title(&L::part4_line2, 100),
        text(&L::part4_program1_line1, 160),
        field("1", &L::part4_program1_a, 190, Field::part4_program1_a1, 190),
        field("2", &L::part4_program1_b, 220, Field::part4_program1_b1, 220),
        text(&L::part4_program1_line2, 250),
        field("3", &L::part4_program1_a, 280, Field::part4_program1_a2, 280),
        field("4", &L::part4_program1_b, 310, Field::part4_program1_b2, 310),
        text(&L::part4_program1_line3, 340),
        field("5", &L::part4_program1_a, 370, Field::part4_program1_a3, 370),
        field("6", &L::part4_program1_b, 400, Field::part4_program1_b3, 400),
        back("7", 460),
        text(&L::to_remove_data_press, 520),
        deleteHint(520),
    };
    return rows;
}

const std::vector<PanelRow>& twoPointsPanel() {
    using L = Language;
    static const std::vector<PanelRow> rows = {
        title(&L::part4_program2_line1, 100),
        title(&L::part4_program2_line2, 130),
        text(&L::part4_program2_point1, 190),
        field("1", &L::part4_program2_x, 220, Field::part4_program2_x1, 220),
        field("2", &L::part4_program2_y, 250, Field::part4_program2_y1, 250),
        text(&L::part4_program2_point2, 280),
        field("3", &L::part4_program2_x, 310, Field::part4_program2_x2, 310),
        field("4", &L::part4_program2_y, 340, Field::part4_program2_y2, 340),
        back("5", 400),
        text(&L::to_remove_data_press, 460),
        deleteHint(460),
    };
    return rows;
}

// The factor labels are long, so their boxes sit on the row below them.
const std::vector<PanelRow>& vectorsPanel() {
    using L = Language;
    static const std::vector<PanelRow> rows = {
        title(&L::part4_program3_line1, 100),
        title(&L::part4_program3_line2, 130),
        text(&L::part4_program3_vector1, 190),
        field("1", &L::part4_program3_x, 220, Field::part4_program3_x1, 220),
        field("2", &L::part4_program3_y, 250, Field::part4_program3_y1, 250),
        text(&L::part4_program3_vector2, 280),
        field("3", &L::part4_program3_x, 310, Field::part4_program3_x2, 310),
        field("4", &L::part4_program3_y, 340, Field::part4_program3_y2, 340),
        field("5", &L::part4_program3_m_vector1_by, 400, Field::part4_program3_multiply_by1, 430),
        field("6", &L::part4_program3_m_vector2_by, 460, Field::part4_program3_multiply_by2, 490),
        back("7", 550),
        text(&L::to_remove_data_press, 610),
        deleteHint(610),
    };
    return rows;
}
