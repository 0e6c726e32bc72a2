// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a chapter 4 plot draws over the plane, worked out from the typed values
// before anything is drawn: lines, filled boxes and texts in drawing order,
// positions in window pixels as unclipped floating-point numbers.
#include <array>
#include <string>
#include <vector>

#include "app/Screens.h"
#include "calc/PlaneDrawing.h"
#include "gfx/LineClip.h"

class CPU;
class SDLGraphics;

struct PlotShape {
    enum class Kind { line, box, text };
    Kind kind;
    PointD a, b;             // line ends or box corners; a text's top-left corner is `a`
    Color color;             // lines and boxes
    std::string text;        // texts, in the named colour `text_color`
    const char* text_color;
    Pattern pattern = Pattern::solid;  // lines
};

using PlotPicture = std::vector<PlotShape>;

// The three kinds of shape.
namespace shape {
PlotShape line(PointD from, PointD to, Color color, Pattern pattern = Pattern::solid);
PlotShape box(PointD a, PointD b, Color color);
PlotShape text(std::string s, int x, int y, const char* color);
}  // namespace shape

// Lines and boxes are cut to the window; texts are drawn as they are.
void drawPicture(SDLGraphics* g, const PlotPicture& picture);

// The texts of a plot's fields, in their order, always as many as the plot
// has fields ("" for any not given), and their values as the plot reads
// them (a text that is no number is 0).
std::vector<std::string> plotTexts(Screen plot, std::vector<std::string> typed);
std::vector<double> plotValues(const CPU& cpu, Screen plot, const std::vector<std::string>& typed);

const int PLOT_TEXT_SIZE = 16;

// y = a·x + b for the three lines of the first plot screen, in order.
struct Coefficients {
    double a, b;
};
PlotPicture straightLinesPicture(const CPU& cpu, const std::array<Coefficients, 3>& lines);

// The line through the typed points (x1, y1) and (x2, y2), exact, with both points marked.
PlotPicture twoPointsPicture(const CPU& cpu, const std::vector<std::string>& typed);

// The tips of factor·w1 and of factor·w1 + factor·w2, as offsets from the
// plane's corner truncated toward zero; vector 2 is drawn from the tip of vector 1.
struct VectorEnds {
    double x1, y1, x2, y2;
};
VectorEnds vectorEnds(const calc::VectorsToDraw& scaled);
// The sum, vector 1 and vector 2 with their texts, from the typed texts of
// the vector screen's fields (x1, y1, x2, y2, factor 1, factor 2); arrowheads come separately.
PlotPicture vectorsPicture(const CPU& cpu, const std::vector<std::string>& typed);

// The two 10-pixel strokes of the arrowhead of mb·[x, y] whose tip is at
// `tip`, each running from its start to the tip; none when mb·[x, y] is zero.
std::vector<SegmentD> arrowheadStrokes(double x, double y, double mb, PointD tip);

// A tip offset as the int the arrowhead routine takes: far-away tips are held
// at a distance where they and their strokes stay well outside any window.
int tipOffset(double offset);
