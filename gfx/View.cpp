// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "View.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

View g_view;

int scaled(double v) { return int(std::lround(v * g_view.scale)); }

}  // namespace

const View& current() { return g_view; }
void use(const View& v) { g_view = v; }

View ofSize(int percent) { return {percent / 100.0, 0, 0}; }

View fittedTo(int width, int height) {
    const double scale = std::min(double(width) / WINDOW_WIDTH, double(height) / WINDOW_HEIGHT);
    return {scale, int((width - WINDOW_WIDTH * scale) / 2), int((height - WINDOW_HEIGHT * scale) / 2)};
}

PointD point(PointD p) { return {g_view.x + p.x * g_view.scale, g_view.y + p.y * g_view.scale}; }
int x(int layoutX) { return g_view.x + scaled(layoutX); }
int y(int layoutY) { return g_view.y + scaled(layoutY); }

Rect box(const Rect& r) {
    if (g_view.scale == 1.0) return {r.x1 + g_view.x, r.y1 + g_view.y, r.x2 + g_view.x, r.y2 + g_view.y};
    const int x1 = std::min(r.x1, r.x2), x2 = std::max(r.x1, r.x2);
    const int y1 = std::min(r.y1, r.y2), y2 = std::max(r.y1, r.y2);
    return {x(x1), y(y1), x(x2 + 1) - 1, y(y2 + 1) - 1};
}

int thickness(int width) { return std::max(1, scaled(width)); }
int fontSize(int size) { return std::max(1, scaled(size)); }

}  // namespace view
