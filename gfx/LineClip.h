// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting lines and boxes to the drawable area before they reach SDL_gfx.
// SDL_gfx takes 16-bit coordinates and silently wraps larger ones (65546
// lands at 10), so every plot shape is cut in floating point first and only
// its visible part is converted to pixels.
#include <SDL/SDL.h>

#include <optional>

#include "Layout.h"
#include "Palette.h"

struct PointD {
    double x, y;
};

struct SegmentD {
    PointD from, to;
};


// The part of `segment` inside `rect` (bounds included) (Liang-Barsky), or nothing when the
// segment misses it or an end is not a finite number. Ends inside the
// rectangle come back unchanged.
std::optional<SegmentD> clipSegment(const SegmentD& segment, const Rect& rect);

// The part of the box spanned by corners `a` and `b` (inclusive, in any
// order) inside `rect`, as (top-left, bottom-right), or nothing.
std::optional<SegmentD> clipBox(PointD a, PointD b, const Rect& rect);

// The surface's clip rectangle as inclusive bounds.
Rect drawableArea(const SDL_Surface* surface);

// How a line is drawn along its length: unbroken, in 10-pixel dashes with
// 6-pixel gaps, or in 2-pixel dots 4 pixels apart (dashes and dots counted
// from the visible part's first end).
enum class Pattern { solid, dashed, dotted };

// Draw the visible part of a line or of a filled box on `surface`, given in
// layout pixels and drawn through the view (gfx/View.h); ends lying inside
// the area are drawn exactly where they are. A line `width` pixels
// wide is drawn that many times, side by side.
void drawClippedLine(SDL_Surface* surface, PointD from, PointD to, Color color, Pattern pattern = Pattern::solid,
                     int width = 1);
void drawClippedBox(SDL_Surface* surface, PointD a, PointD b, Color color);
