// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate plane under every chapter 4 plot: the optional grid, then
// the axes with their arrowheads, a tick and a label at every whole unit.
#include "CoordinatePlane.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <string>

#include "DifferentScreens.h"
#include "app/CPU.h"
#include "gfx/SDLGraphics.h"

namespace {

using namespace plane;

const int LABEL_SIZE = 14;
const int TICK_HALF = 5;

// A line between two points given relative to the plane's corner.
void planeLine(SDL_Surface* s, int x0, int y0, int x1, int y1, Color c) {
    drawClippedLine(s, {double(LEFT + x0), double(TOP + y0)}, {double(LEFT + x1), double(TOP + y1)}, c);
}

void planeBox(SDL_Surface* s, int x0, int y0, int x1, int y1, Color c) {
    drawClippedBox(s, {double(LEFT + x0), double(TOP + y0)}, {double(LEFT + x1), double(TOP + y1)}, c);
}

struct Stroke {
    int x0, y0, x1, y1;
};

// Two 10-pixel strokes at each end of both axes: top, right, bottom, left.
const Stroke AXIS_ARROWHEADS[] = {
    {HALF, 0, HALF - 10, 10},       {HALF, 0, HALF + 10, 10},
    {SIZE, HALF, SIZE - 10, HALF - 10}, {SIZE, HALF, SIZE - 10, HALF + 10},
    {HALF, SIZE, HALF - 10, SIZE - 10}, {HALF, SIZE, HALF + 10, SIZE - 10},
    {0, HALF, 10, HALF - 10},       {0, HALF, 10, HALF + 10},
};

// One half-axis: unit k's tick is centred at the origin + k·step; its label
// (the number sign·k) has its top-left corner at labelAt + k·step.
struct HalfAxis {
    int step_x, step_y;
    bool vertical;  // a vertical axis gets horizontal ticks
    int label_x, label_y;
    int sign;
};

const HalfAxis HALF_AXES[] = {
    {0, -UNIT, true, HALF + 10, HALF - 7, 1},   // positive y
    {UNIT, 0, false, HALF - 3, HALF - 21, 1},   // positive x
    {0, UNIT, true, HALF - 19, HALF - 7, -1},   // negative y
    {-UNIT, 0, false, HALF - 7, HALF + 10, -1}, // negative x
};

void drawHalfAxis(SDLGraphics* g, const HalfAxis& axis) {
    SDL_Surface* s = g->getScreen();
    for (int k = 1; k <= REACH; ++k) {
        const int x = HALF + k * axis.step_x, y = HALF + k * axis.step_y;
        if (axis.vertical)
            planeLine(s, x - TICK_HALF, y, x + TICK_HALF, y, palette::current().axis);
        else
            planeLine(s, x, y - TICK_HALF, x, y + TICK_HALF, palette::current().axis);
    }
    for (int k = 1; k <= REACH; ++k)
        g->drawTextOver(std::to_string(axis.sign * k), LABEL_SIZE, LEFT + axis.label_x + k * axis.step_x,
                        TOP + axis.label_y + k * axis.step_y, "axis", palette::current().plot_text_backing);
}

}  // namespace

void DifferentScreens::drawGridlines(SDLGraphics* g, CPU* cpu) {
    if (!cpu->getGridlines()) return;
    SDL_Surface* s = g->getScreen();
    for (int i = 0; i <= 2 * REACH; ++i) {
        planeLine(s, UNIT * i, 0, UNIT * i, SIZE, palette::current().grid);
        planeLine(s, 0, UNIT * i, SIZE, UNIT * i, palette::current().grid_rows);
    }
}

void DifferentScreens::drawStartingLines(SDLGraphics* g, CPU* cpu) {
    SDL_Surface* s = g->getScreen();
    const Color axis = palette::current().axis;
    if (cpu->getGridlines()) {  // three pixels thick, to stand out from the grid
        planeBox(s, HALF - 1, 0, HALF + 1, SIZE, axis);
        planeBox(s, 0, HALF - 1, SIZE, HALF + 1, axis);
    } else {
        planeLine(s, HALF, 0, HALF, SIZE, axis);
        planeLine(s, 0, HALF, SIZE, HALF, axis);
    }
    for (const Stroke& st : AXIS_ARROWHEADS) planeLine(s, st.x0, st.y0, st.x1, st.y1, axis);
    g->drawTextOver("0", LABEL_SIZE, LEFT + HALF + 5, TOP + HALF - 15, "axis", palette::current().plot_text_backing);
    for (const HalfAxis& axis : HALF_AXES) drawHalfAxis(g, axis);
}
