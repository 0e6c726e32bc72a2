// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotPicture.h"

#include "gfx/SDLGraphics.h"

namespace shape {

PlotShape line(PointD from, PointD to, Color color) { return {PlotShape::Kind::line, from, to, color, {}, nullptr}; }
PlotShape box(PointD a, PointD b, Color color) { return {PlotShape::Kind::box, a, b, color, {}, nullptr}; }
PlotShape text(std::string s, int x, int y, const char* color) {
    return {PlotShape::Kind::text, {double(x), double(y)}, {}, {}, std::move(s), color};
}

}  // namespace shape

void drawPicture(SDLGraphics* g, const PlotPicture& picture) {
    SDL_Surface* s = g->getScreen();
    for (const PlotShape& shape : picture) {
        switch (shape.kind) {
        case PlotShape::Kind::line: drawClippedLine(s, shape.a, shape.b, shape.color); break;
        case PlotShape::Kind::box: drawClippedBox(s, shape.a, shape.b, shape.color); break;
        case PlotShape::Kind::text:
            g->drawText(shape.text, PLOT_TEXT_SIZE, int(shape.a.x), int(shape.a.y), shape.text_color);
            break;
        }
    }
}
