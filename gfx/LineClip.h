#pragma once
// Cutting lines and boxes to the drawable area before they reach SDL_gfx.
// SDL_gfx takes 16-bit coordinates and silently wraps larger ones (65546
// lands at 10), so every plot shape is cut in floating point first and only
// its visible part is converted to pixels.
#include <SDL/SDL.h>

#include <optional>

struct PointD {
    double x, y;
};

struct SegmentD {
    PointD from, to;
};

// A rectangle with inclusive bounds: left <= x <= right, top <= y <= bottom.
struct RectD {
    double left, top, right, bottom;
};

struct Rgba {
    Uint8 r, g, b, a;
};

// The part of `segment` inside `rect` (Liang-Barsky), or nothing when the
// segment misses it or an end is not a finite number. Ends inside the
// rectangle come back unchanged.
std::optional<SegmentD> clipSegment(const SegmentD& segment, const RectD& rect);

// The part of the box spanned by corners `a` and `b` (inclusive, in any
// order) inside `rect`, as (top-left, bottom-right), or nothing.
std::optional<SegmentD> clipBox(PointD a, PointD b, const RectD& rect);

// The surface's clip rectangle as inclusive bounds.
RectD drawableArea(const SDL_Surface* surface);

// Draw the visible part of a line or of a filled box on `surface`; ends lying
// inside the area are drawn exactly where they are.
void drawClippedLine(SDL_Surface* surface, PointD from, PointD to, Rgba color);
void drawClippedBox(SDL_Surface* surface, PointD a, PointD b, Rgba color);
