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
#include "app/ItemFields.h"
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

// A vector's number just past its tip, in the direction (dx, dy) it points;
// none for a tip outside the plane or a vector of no length.
void addNumberAtTip(PlotPicture& picture, PointD tip, double dx, double dy, const char* number, const char* color) {
    const double length = std::hypot(dx, dy);
    if (length == 0 || tip.x < LEFT || tip.x > LEFT + SIZE || tip.y < TOP || tip.y > TOP + SIZE) return;
    const int x = std::clamp(int(tip.x + 14 * dx / length) - 4, LEFT + 2, LEFT + SIZE - 12);
    const int y = std::clamp(int(tip.y + 14 * dy / length) - 9, TOP + 2, TOP + SIZE - 18);
    picture.push_back(text(number, x, y, color));
}

}  // namespace

VectorEnds vectorEnds(const calc::VectorsToDraw& scaled) {
    // End 2 comes from the exact sum, not from the rounded end 1.
    return {std::trunc(HALF + UNIT * scaled.x1), std::trunc(HALF - UNIT * scaled.y1), std::trunc(HALF + UNIT * scaled.sum_x),
            std::trunc(HALF - UNIT * scaled.sum_y)};
}

namespace {

// The vectors scaled exactly from the typed texts, in the fields' order.
calc::VectorsToDraw scaledVectors(const std::vector<std::string>& typed) {
    const std::vector<std::string> t = plotTexts(Screen::part4_program3, typed);
    return calc::vectorsToDraw(t[0], t[1], t[2], t[3], t[4], t[5]);
}

// "2w1 = [6 , 8]", "w2 = [1 , 0]": the vector's name with its factor, and its scaled components.
std::string scaledText(const CPU& cpu, double factor, const char* name, double x, double y) {
    return calc::termText(calc::termOf(factor, name)) + cpu.StringDoubleStringDoubleString(" = [", x, " , ", y, "]");
}

// The picture from the typed values and the vectors scaled from them.
PlotPicture pictureOf(const CPU& cpu, const std::vector<double>& v, const calc::VectorsToDraw& scaled) {
    const double m1 = v[4], m2 = v[5];
    const VectorEnds e = vectorEnds(scaled);
    const PointD end1 = atOffset(e.x1, e.y1), end2 = atOffset(e.x2, e.y2);
    const Palette& colors = palette::current();
    const std::string sum = calc::sumText({calc::termOf(m1, "w1"), calc::termOf(m2, "w2")});
    // Told apart without colour: vector 1 solid, vector 2 dashed, the sum dotted, each vector's number at its tip.
    const bool apart = colors.lines_told_apart_without_colour;
    // A vector with a zero component is a vector too: both are drawn, and their sum, as the working adds them.
    PlotPicture picture{
        line(ORIGIN, end2, colors.plot_line3, apart ? Pattern::dotted : Pattern::solid),
        textLine(lang_file->part4_program3_sum + sum, TOP + 90, "plot_line3"),
        line(ORIGIN, end1, colors.plot_line1),
        textLine(scaledText(cpu, m1, "w1", scaled.x1, scaled.y1), TOP + 30, "plot_line1"),
        line(end1, end2, colors.plot_line2, apart ? Pattern::dashed : Pattern::solid),
        textLine(scaledText(cpu, m2, "w2", scaled.x2, scaled.y2), TOP + 60, "plot_line2")};
    if (apart) {
        addNumberAtTip(picture, end1, end1.x - ORIGIN.x, end1.y - ORIGIN.y, "1", "plot_line1");
        addNumberAtTip(picture, end2, end2.x - end1.x, end2.y - end1.y, "2", "plot_line2");
    }
    return picture;
}

}  // namespace

PlotPicture vectorsPicture(const CPU& cpu, const std::vector<std::string>& typed) {
    return pictureOf(cpu, plotValues(cpu, Screen::part4_program3, typed), scaledVectors(typed));
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
    const int width = palette::current().lines_told_apart_without_colour ? 2 : 1;  // as wide as its vector
    for (const SegmentD& stroke : arrowheadStrokes(x, y, mb, atOffset(vecX, vecY)))
        drawClippedLine(g->getScreen(), stroke.from, stroke.to, rgba, Pattern::solid, width);
}

void DifferentScreens::part4_program3(SDLGraphics* g, CPU* cpu) {
    drawGridlines(g, cpu);
    drawStartingLines(g, cpu);
    drawPlotPanel(g, *cpu, vectorsPanel(), cpu->getPart4Program3Item());
    drawVectors(g, cpu, fieldTexts(*cpu, plotFields(Screen::part4_program3)));
}

void DifferentScreens::drawVectors(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed) {
    const std::vector<double> v = plotValues(*cpu, Screen::part4_program3, typed);
    const calc::VectorsToDraw scaled = scaledVectors(typed);  // once a frame: the picture and the arrowheads
    drawPicture(g, pictureOf(*cpu, v, scaled));
    const VectorEnds e = vectorEnds(scaled);
    drawVectorArrows(g, cpu, v[2], v[3], v[5], tipOffset(e.x2), tipOffset(e.y2), "plot_line2");
    drawVectorArrows(g, cpu, v[0], v[1], v[4], tipOffset(e.x1), tipOffset(e.y1), "plot_line1");
}
