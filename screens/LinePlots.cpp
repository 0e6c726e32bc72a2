// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The two straight-line screens: up to three lines y = ax + b, and the line
// through two typed points (worked out exactly, drawn in doubles). Both
// redraw from the typed fields every frame.
#include <algorithm>
#include <cmath>
#include <string>

#include "CoordinatePlane.h"
#include "DifferentScreens.h"
#include "PlotPanel.h"
#include "PlotPicture.h"
#include "app/CPU.h"
#include "app/ItemFields.h"
#include "calc/PlaneDrawing.h"
#include "calc/Terms.h"

namespace {

using namespace plane;

using namespace shape;

// Each line and its equation in the line's own colour.
struct LineColor {
    Color Palette::*line;
    const char* text;
};

const LineColor LINE_COLORS[] = {
    {&Palette::plot_line1, "plot_line1"}, {&Palette::plot_line2, "plot_line2"}, {&Palette::plot_line3, "plot_line3"}};
const int MARKER_HALF = 2;  // a 5 by 5 square centred on the point
const int TEXT_X = LEFT + 10;
const int TEXT_ROW = 30;  // the equations stack down the plane's top-left corner
const int EDGE_RISE = UNIT * REACH;  // pixels between the y axis and either side edge, per unit of slope

// Told apart without colour, line k also has the k-th pattern and its number.
const Pattern LINE_PATTERNS[] = {Pattern::solid, Pattern::dashed, Pattern::dotted};
const Rect PLANE{LEFT, TOP, LEFT + SIZE, TOP + SIZE};
const int NUMBER_WIDTH = 12, NUMBER_HEIGHT = 18;  // room for one digit at the plot's text size

// "y = 2x - 1", "y = x", "y = 3": as a teacher writes it.
std::string equation(double a, double b) { return "y = " + calc::sumText({calc::termOf(a, "x"), calc::termOf(b, "")}); }

// The line's number beside the right-hand end of its part inside the plane;
// none when the line misses the plane.
void addNumberAtEnd(PlotPicture& picture, PointD left, PointD right, int k, const char* color) {
    const auto visible = clipSegment({left, right}, PLANE);
    if (!visible) return;
    const PointD end = visible->to.x >= visible->from.x ? visible->to : visible->from;
    const int x = std::clamp(int(end.x) + 4, LEFT + 2, LEFT + SIZE - NUMBER_WIDTH);
    const int y = std::clamp(int(end.y) - NUMBER_HEIGHT - 2, TOP + 2, TOP + SIZE - NUMBER_HEIGHT);
    picture.push_back(text(std::to_string(k), x, y, color));
}

// Line k is drawn from its intercept on the y axis out to x = 10 and x = -10,
// however far above or below the plane those ends lie.
void addStraightLine(PlotPicture& picture, Coefficients c, int k) {
    const PointD intercept{double(ORIGIN_X), std::trunc(ORIGIN_Y - UNIT * c.b)};
    const PointD right{double(LEFT + SIZE), std::trunc(ORIGIN_Y - UNIT * c.b - EDGE_RISE * c.a)};
    const PointD left{double(LEFT), std::trunc(ORIGIN_Y - UNIT * c.b + EDGE_RISE * c.a)};
    const LineColor& color = LINE_COLORS[k - 1];
    const bool apart = palette::current().lines_told_apart_without_colour;
    const Pattern pattern = apart ? LINE_PATTERNS[k - 1] : Pattern::solid;
    picture.push_back(line(intercept, right, palette::current().*color.line, pattern));
    picture.push_back(line(intercept, left, palette::current().*color.line, pattern));
    const std::string number = apart ? std::to_string(k) + ":  " : "";
    picture.push_back(text(number + equation(c.a, c.b), TEXT_X, TOP + TEXT_ROW * k, color.text));
    if (apart) addNumberAtEnd(picture, left, right, k, color.text);
}

PointD pointPixel(double x, double y) {
    return {LEFT + std::trunc(UNIT * x + HALF), TOP + std::trunc(HALF - UNIT * y)};
}

void addMarker(PlotPicture& picture, double x, double y) {
    const PointD p = pointPixel(x, y);
    picture.push_back(box({p.x - MARKER_HALF, p.y - MARKER_HALF}, {p.x + MARKER_HALF, p.y + MARKER_HALF}, palette::current().plot_point));
}

}  // namespace

PlotPicture straightLinesPicture(const CPU&, const std::array<Coefficients, 3>& lines) {
    PlotPicture picture;
    for (int k = 1; k <= 3; ++k) addStraightLine(picture, lines[k - 1], k);
    return picture;
}

PlotPicture twoPointsPicture(const CPU& cpu, const std::vector<std::string>& typed) {
    const std::vector<std::string> t = plotTexts(Screen::part4_program2, typed);
    const std::vector<double> v = plotValues(cpu, Screen::part4_program2, t);
    const calc::LineToDraw through = calc::lineToDraw(t[0], t[1], t[2], t[3]);
    PlotPicture picture;
    const Color lineColor = palette::current().plot_line1;
    if (through.kind == calc::LineKind::sloped) {
        const double a = through.slope, b = through.intercept;
        const PointD intercept{double(ORIGIN_X), TOP + std::trunc(HALF - UNIT * b)};
        picture.push_back(line(intercept, {double(LEFT + SIZE), TOP + std::trunc(HALF - UNIT * b - EDGE_RISE * a)}, lineColor));
        picture.push_back(line(intercept, {double(LEFT), TOP + std::trunc(HALF - UNIT * b + EDGE_RISE * a)}, lineColor));
        picture.push_back(text(equation(a, b), TEXT_X, TOP + 20, "plot_line1"));
    } else {  // vertical, or one point twice: no y = ax + b exists, so the equation is not shown
        const PointD first = pointPixel(v[0], v[1]);
        picture.push_back(line(first, {first.x, double(TOP)}, lineColor));
        picture.push_back(line(first, {first.x, double(TOP + SIZE)}, lineColor));
    }
    addMarker(picture, v[0], v[1]);
    addMarker(picture, v[2], v[3]);
    return picture;
}

void DifferentScreens::part4_program1(SDLGraphics* g, CPU* cpu) {
    drawGridlines(g, cpu);
    drawStartingLines(g, cpu);
    drawPlotPanel(g, *cpu, straightLinesPanel(), cpu->getPart4Program1Item());
    drawStraightLines(g, cpu, fieldTexts(*cpu, plotFields(Screen::part4_program1)));
}

void DifferentScreens::drawStraightLines(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed) {
    const std::vector<double> v = plotValues(*cpu, Screen::part4_program1, typed);
    drawPicture(g, straightLinesPicture(*cpu, {{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}}}));
}

void DifferentScreens::part4_program2(SDLGraphics* g, CPU* cpu) {
    drawGridlines(g, cpu);
    drawStartingLines(g, cpu);
    drawPlotPanel(g, *cpu, twoPointsPanel(), cpu->getPart4Program2Item());
    drawTwoPointsLine(g, cpu, fieldTexts(*cpu, plotFields(Screen::part4_program2)));
}

void DifferentScreens::drawTwoPointsLine(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed) {
    drawPicture(g, twoPointsPicture(*cpu, typed));
}
