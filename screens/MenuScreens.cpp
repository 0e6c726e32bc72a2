// The menu-like screens: start screen, Options, About and the chapter 4 menu.
// Each is a picture, a column of text rows and a marker beside the
// highlighted row, described by one table and drawn by one routine.
#include <vector>

#include "DifferentScreens.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "gfx/SDLGraphics.h"

namespace {

const char* const MENU_MARKER = "images/select.png";
const int MARKER_X = 27;

struct TextRow {
    std::string text;
    int x, y, size;
    const char* color;
};

struct MarkerSpot {
    const char* item;
    int x, y;
};

struct MenuLayout {
    const char* image;
    int imageX, imageY;
    std::vector<TextRow> rows;
    std::vector<MarkerSpot> markers;
};

void drawMenu(SDLGraphics* g, const MenuLayout& layout, const std::string& item) {
    g->drawImage(layout.image, layout.imageX, layout.imageY);
    for (const TextRow& row : layout.rows) g->drawText(row.text, row.size, row.x, row.y, row.color);
    for (const MarkerSpot& spot : layout.markers)
        if (item == spot.item) g->drawImage(MENU_MARKER, spot.x, spot.y);
}

}  // namespace

void DifferentScreens::start_screen(SDLGraphics* g, CPU* cpu) {
    const int x = B_WIDTH / 2 - 450, middle = B_HEIGHT / 2;
    const MenuLayout layout{
        "images/math1.png", 420, 170,
        {{lang_file->start_screen_line1, x, middle - 120, 20, "black"},
         {lang_file->start_screen_line2, x, middle - 90, 20, "black"},
         {lang_file->start_screen_line3, x, middle - 60, 20, "black"},
         {lang_file->start_screen_line4, x, middle - 30, 20, "black"},
         {lang_file->start_screen_line5, x, middle, 20, "black"},
         {lang_file->start_screen_line6, x, middle + 30, 20, "black"},
         {lang_file->start_screen_line7, x, middle + 60, 20, "black"},
         {lang_file->start_screen_language1, B_WIDTH - 250, 30, 20, "black"},
         {lang_file->start_screen_language2, B_WIDTH - 150, 30, 20, "blue"}},
        // The rows' marker spots are fixed numbers; only the language item's follows B_WIDTH.
        {{"1", MARKER_X, 264}, {"2", MARKER_X, 294}, {"3", MARKER_X, 324}, {"4", MARKER_X, 354},
         {"5", MARKER_X, 384}, {"6", MARKER_X, 414}, {"7", MARKER_X, 444}, {"8", B_WIDTH - 300, 30}}};
    drawMenu(g, layout, cpu->getMenuItem());
}

void DifferentScreens::options(SDLGraphics* g, CPU* cpu) {
    const int x = B_WIDTH / 2 - 450, middle = B_HEIGHT / 2;
    const std::string fullscreenLine = cpu->StringString(
        lang_file->options_line2, cpu->getFullscreen() ? lang_file->options_fullscreen_on : lang_file->options_fullscreen_off);
    const std::string gridLine = cpu->StringString(
        lang_file->options_line3, cpu->getGridlines() ? lang_file->options_gridlines_on : lang_file->options_gridlines_off);
    const MenuLayout layout{
        "images/math3.png", 400, 80,
        {{lang_file->options_line1, x, middle - 120, 20, "black"},
         {fullscreenLine, x, middle - 60, 20, "black"},
         {gridLine, x, middle - 30, 20, "black"},
         {lang_file->options_line4, x, middle + 30, 20, "black"},
         {lang_file->options_controls, x, middle + 90, 20, "blue"},
         {lang_file->options_key1, x, middle + 120, 20, "black"},
         {lang_file->options_key2, x, middle + 150, 20, "black"},
         {lang_file->options_key3, x, middle + 180, 20, "black"},
         {lang_file->options_key4, x, middle + 210, 20, "black"},
         {lang_file->options_key5, x, middle + 240, 20, "black"}},
        {{"1", MARKER_X, 324}, {"2", MARKER_X, 354}, {"3", MARKER_X, 414}}};
    drawMenu(g, layout, cpu->getOptionsItem());
}

void DifferentScreens::about(SDLGraphics* g) {
    const int x = B_WIDTH / 2 - 450, middle = B_HEIGHT / 2;
    const MenuLayout layout{"images/math2.png", 400, 100,
                            {{lang_file->about_line1, x, middle - 120, 20, "black"},
                             {lang_file->about_line2, x, middle - 60, 16, "black"},
                             {lang_file->about_line3, x, middle - 30, 16, "black"},
                             {lang_file->about_line4, x, middle, 16, "black"},
                             {lang_file->about_line5, x, middle + 30, 16, "black"},
                             {lang_file->about_line6, x, middle + 60, 16, "black"},
                             {lang_file->about_line7, x, middle + 90, 16, "black"}},
                            {}};
    drawMenu(g, layout, "");
}

void DifferentScreens::part4(SDLGraphics* g, CPU* cpu) {
    const int x = B_WIDTH / 2 - 450;
    const MenuLayout layout{"images/math4.png", 410, 120,
                            {{lang_file->part4_line1, x, 264, 20, "black"},
                             {lang_file->part4_line2, x, 324, 20, "black"},
                             {lang_file->part4_line3, x, 354, 20, "black"},
                             {lang_file->part4_line4, x, 384, 20, "black"},
                             {lang_file->part4_line5, x, 444, 20, "black"}},
                            {{"1", MARKER_X, 324}, {"2", MARKER_X, 354}, {"3", MARKER_X, 384}, {"4", MARKER_X, 444}}};
    drawMenu(g, layout, cpu->getPart4Item());
}
