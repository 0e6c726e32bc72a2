// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The vector screen: factor·w1 from the origin, factor·w2 from its tip, their
// sum, a text line for each and an arrowhead on both vectors.
#include <algorithm>
#include <cmath>
#include <string>

#include "CoordinatePlane.h"
#include "DifferentScreens.h"
#include "PlotPanel.h"
#include "PlotPicture.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "calc/Terms.h"
#include "gfx/SDLGraphics.h"

namespace {

using namespace plane;

using namespace shape;

const PointD ORIGIN{double(ORIGIN_X), double(ORIGIN_Y)};
const int TEXT_X = LEFT + 10;

// Far enough that a tip held there, with its 10-pixel strokes, stays outside
// any window; near enough that the int arithmetic on it cannot overflow.
const double FAR_AWAY = 1 << 20;

int sign(double v) { return (v > 0) - (v < 0); }

// The head is a right-angled pair of strokes chosen by the direction of the
// drawn vector on screen (y grows downward), whatever its exact angle.
struct Arrowhead {
    int right, up;   // direction of mb·[x, y] in the plane: -1, 0 or 1 each
    int dx1, dy1;    // start of the first stroke, relative to the tip
    int dx2, dy2;    // start of the second stroke
};

const Arrowhead ARROWHEADS[] = {
    {1, 1, -10, 0, 0, 10},      // right and up
    {-1, -1, 0, -10, 10, 0},    // left and down
    {1, -1, 0, -10, -10, 0},    // right and down
    {-1, 1, 10, 0, 0, 10},      // left and up
    {0, 1, -10, 10, 10, 10},    // straight up
    {1, 0, -10, 10, -10, -10},  // straight right
    {0, -1, -10, -10, 10, -10}, // straight down
    {-1, 0, 10, 10, 10, -10},   // straight left
};

PlotShape textLine(std::string s, int y, const char* color) { return text(std::move(s), TEXT_X, y, color); }

PointD atOffset(double dx, double dy) { return {LEFT + dx, TOP + dy}; }

}  // namespace

VectorEnds vectorEnds(const VectorValues& v) {
    // End 2 comes from the unrounded sums, not from the rounded end 1.
    return {std::trunc(HALF + UNIT * v.x1 * v.m1), std::trunc(HALF - UNIT * v.y1 * v.m1),
            std::trunc(HALF + UNIT * v.x1 * v.m1 + UNIT * v.x2 * v.m2),
            std::trunc(HALF - UNIT * v.y1 * v.m1 - UNIT * v.y2 * v.m2)};
}

namespace {

// "2w1 = [6 , 8]", "w2 = [1 , 0]": the scaled vector's name and its components.
std::string scaledText(const CPU& cpu, double factor, const char* name, double x, double y) {
    return calc::termText(calc::termOf(factor, name)) + cpu.StringDoubleStringDoubleString(" = [", x * factor, " , ", y * factor, "]");
}

}  // namespace

PlotPicture vectorsPicture(const CPU& cpu, const VectorValues& v) {
    const VectorEnds e = vectorEnds(v);
    const PointD end1 = atOffset(e.x1, e.y1), end2 = atOffset(e.x2, e.y2);
    const Palette& colors = palette::current();
    const std::string sum = calc::sumText({calc::termOf(v.m1, "w1"), calc::termOf(v.m2, "w2")});
    // A vector with a zero component is a vector too: both are drawn, and their sum, as the working adds them.
    return {line(ORIGIN, end2, colors.plot_line3),
            textLine(lang_file->part4_program3_sum + sum, TOP + 90, "plot_line3"),
            line(ORIGIN, end1, colors.plot_line1),
            textLine(scaledText(cpu, v.m1, "w1", v.x1, v.y1), TOP + 30, "plot_line1"),
            line(end1, end2, colors.plot_line2),
            textLine(scaledText(cpu, v.m2, "w2", v.x2, v.y2), TOP + 60, "plot_line2")};
}

std::vector<SegmentD> arrowheadStrokes(double x, double y, double mb, PointD tip) {
    const int right = sign(x) * sign(mb), up = sign(y) * sign(mb);
    for (const Arrowhead& head : ARROWHEADS)
        if (head.right == right && head.up == up)
            return {{{tip.x + head.dx1, tip.y + head.dy1}, tip}, {{tip.x + head.dx2, tip.y + head.dy2}, tip}};
    return {};
}

int tipOffset(double offset) { return static_cast<int>(std::clamp(offset, -FAR_AWAY, FAR_AWAY)); }

void DifferentScreens::drawVectorArrows(SDLGraphics* g, CPU*, double x, double y, double mb, int vecX, int vecY,
                                        std::string color) {
    const Color rgba = g->color(color);
    for (const SegmentD& stroke : arrowheadStrokes(x, y, mb, atOffset(vecX, vecY)))
        drawClippedLine(g->getScreen(), stroke.from, stroke.to, rgba);
}

void DifferentScreens::part4_program3(SDLGraphics* g, CPU* cpu) {
    drawGridlines(g, cpu);
    drawStartingLines(g, cpu);
    drawPlotPanel(g, *cpu, vectorsPanel(), cpu->getPart4Program3Item());
    drawVectors(g, cpu);
}

void DifferentScreens::drawVectors(SDLGraphics* g, CPU* cpu) {
    const auto value = [cpu](const std::string& typed) { return cpu->string_to_double(typed); };
    const VectorValues v{value(cpu->getPart4Program3_x1()), value(cpu->getPart4Program3_y1()),
                         value(cpu->getPart4Program3_multiply_by1()), value(cpu->getPart4Program3_x2()),
                         value(cpu->getPart4Program3_y2()), value(cpu->getPart4Program3_multiply_by2())};
    drawPicture(g, vectorsPicture(*cpu, v));
    const VectorEnds e = vectorEnds(v);
    drawVectorArrows(g, cpu, v.x2, v.y2, v.m2, tipOffset(e.x2), tipOffset(e.y2), "plot_line2");
    drawVectorArrows(g, cpu, v.x1, v.y1, v.m1, tipOffset(e.x1), tipOffset(e.y1), "plot_line1");
}
