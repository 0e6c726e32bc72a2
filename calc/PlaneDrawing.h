// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plots' lines and vectors as the screens draw them: worked out exactly
// from the typed texts by the calculations of Plane.h, then handed over as
// doubles, for drawing only. No multiprecision here, so that the screens
// include this header alone.
#include <string>

namespace calc {

// What two points give: no line (one point twice), a vertical line, or y = ax + b.
enum class LineKind { no_line, vertical, sloped };

// The line through two typed points; slope and intercept are 0 unless it is sloped.
struct LineToDraw {
    LineKind kind;
    double slope, intercept;
};
LineToDraw lineToDraw(const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2);

// factor1·w1, factor2·w2 and their sum, from the typed components and factors.
struct VectorsToDraw {
    double x1, y1;  // factor1·w1
    double x2, y2;  // factor2·w2
    double sum_x, sum_y;
};
VectorsToDraw vectorsToDraw(const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2,
                            const std::string& factor1, const std::string& factor2);

}  // namespace calc
