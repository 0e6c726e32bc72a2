// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the screens' layout lands in the window. Screens are laid out in
// layout pixels (gfx/Layout.h) whatever the size the pupil chose; the drawing
// layer scales every position, box, line width, picture and font size by
// `scale` and moves it by (x, y), so that a larger size is drawn afresh at
// its own resolution rather than enlarged from a small frame.
#include "Layout.h"
#include "LineClip.h"

struct View {
    double scale = 1.0;
    int x = 0, y = 0;  // the window pixel where layout pixel (0, 0) lands
};

namespace view {

// The window the layout is made for; the larger sizes keep its shape.
constexpr int WINDOW_WIDTH = 1000, WINDOW_HEIGHT = 700;

const View& current();
void use(const View& v);

// The view for the window size the pupil chose (100, 150 or 200 percent of
// 1000 by 700), or for a full screen of `width` by `height` filled as far as
// the window's 10:7 shape allows, centred.
View ofSize(int percent);
View fittedTo(int width, int height);

// A layout point, a box with both corners included (adjoining boxes stay
// adjoining), a length such as a line's width (at least 1) and a font size.
PointD point(PointD p);
int x(int layoutX);
int y(int layoutY);
Rect box(const Rect& r);
int thickness(int width);
int fontSize(int size);

}  // namespace view
