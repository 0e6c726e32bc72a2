// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plots' calculations, exact: a typed decimal is a fraction. Where lines
// cross the axes and each other, the line through two points, and vectors
// scaled and added. The plot workings are written from these, and the plots
// drawn from them (PlaneDrawing.h).
#include <optional>
#include <string>

#include "Fraction.h"
#include "PlaneDrawing.h"

namespace calc {

// The value a plot screen reads from a typed field, exactly: an optional
// "-", digits, an optional "." and digits, read as far as that shape goes
// ("1.5.2" is 3/2, "-" and "" are 0), as the plot screens read a number.
Fraction decimalValue(const std::string& typed);

// y = slope * x + intercept.
struct Line {
    Fraction slope, intercept;
};

// x = -intercept/slope; nothing for a horizontal line.
std::optional<Fraction> xAxisCrossing(const Line& line);

// Two lines are the same, parallel (equal slopes, different intercepts), or
// cross at one point: ax + b = cx + d gives x = (d - b)/(a - c).
struct Meeting {
    enum class Kind { same, parallel, crossing } kind;
    Fraction x, y;  // the crossing point
};
Meeting meeting(const Line& first, const Line& second);

// The line through (x1, y1) and (x2, y2): none when the points are equal,
// the vertical x = x1, or y = ax + b with a = (y2 - y1)/(x2 - x1) and
// b = y1 - a * x1.
struct LineThroughPoints {
    using Kind = LineKind;
    Kind kind;
    Line line;  // sloped only
};
LineThroughPoints lineThrough(const Fraction& x1, const Fraction& y1, const Fraction& x2, const Fraction& y2);

struct Vector {
    Fraction x, y;
};

Vector scaled(const Fraction& factor, const Vector& v);
Vector sum(const Vector& v, const Vector& w);
// x * x + y * y.
Fraction squaredLength(const Vector& v);

}  // namespace calc
