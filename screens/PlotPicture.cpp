// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotPicture.h"

#include "app/CPU.h"
#include "app/ItemFields.h"
#include "gfx/SDLGraphics.h"

namespace shape {

PlotShape line(PointD from, PointD to, Color color, Pattern pattern) {
    return {PlotShape::Kind::line, from, to, color, {}, nullptr, pattern};
}
PlotShape box(PointD a, PointD b, Color color) { return {PlotShape::Kind::box, a, b, color, {}, nullptr}; }
PlotShape text(std::string s, int x, int y, const char* color) {
    return {PlotShape::Kind::text, {double(x), double(y)}, {}, {}, std::move(s), color};
}

}  // namespace shape

std::vector<std::string> plotTexts(Screen plot, std::vector<std::string> typed) {
    typed.resize(plotFields(plot).size());
    return typed;
}

std::vector<double> plotValues(const CPU& cpu, Screen plot, const std::vector<std::string>& typed) {
    std::vector<double> values;
    for (const std::string& text : plotTexts(plot, typed)) values.push_back(cpu.string_to_double(text));
    return values;
}

void drawPicture(SDLGraphics* g, const PlotPicture& picture) {
    SDL_Surface* s = g->getScreen();
    const Palette& colors = palette::current();
    // Told apart without colour, lines are two pixels wide, so that dashes and dots show.
    const int width = colors.lines_told_apart_without_colour ? 2 : 1;
    // Texts on a backing go over every line, so that no line drawn later crosses them.
    const bool textsLast = colors.plot_text_backing.a != 0;
    const auto draw = [&](const PlotShape& shape) {
        switch (shape.kind) {
        case PlotShape::Kind::line: drawClippedLine(s, shape.a, shape.b, shape.color, shape.pattern, width); break;
        case PlotShape::Kind::box: drawClippedBox(s, shape.a, shape.b, shape.color); break;
        case PlotShape::Kind::text:
            g->drawTextOver(shape.text, PLOT_TEXT_SIZE, int(shape.a.x), int(shape.a.y), shape.text_color,
                            colors.plot_text_backing);
            break;
        }
    };
    for (const PlotShape& shape : picture)
        if (!textsLast || shape.kind != PlotShape::Kind::text) draw(shape);
    if (textsLast)
        for (const PlotShape& shape : picture)
            if (shape.kind == PlotShape::Kind::text) draw(shape);
}
