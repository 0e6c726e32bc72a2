// What the browser's SDL 1.2 layer lacks or draws differently from the
// desktop libraries, made exact here so that every box, frame and line lands
// on the desktop's pixels. Definitions here take the place of the layer's.
#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

Uint32 mapped(SDL_Surface* s, Uint8 r, Uint8 g, Uint8 b) { return SDL_MapRGB(s->format, r, g, b); }

// Corners in either order, both included, cut to the surface.
void fillBox(SDL_Surface* s, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint32 color) {
    const int left = std::max<int>(std::min(x1, x2), 0), right = std::min<int>(std::max(x1, x2), s->w - 1);
    const int top = std::max<int>(std::min(y1, y2), 0), bottom = std::min<int>(std::max(y1, y2), s->h - 1);
    if (left > right || top > bottom) return;
    SDL_Rect r{static_cast<Sint16>(left), static_cast<Sint16>(top), static_cast<Uint16>(right - left + 1),
               static_cast<Uint16>(bottom - top + 1)};
    SDL_FillRect(s, &r, color);
}

}  // namespace

extern "C" {

// The browser paces the frames: the pause at the end of one is not needed
// (and the layer's own would stop the page).
void SDL_Delay(Uint32) {}

// The layer's fonts are the page's: nothing to start or to end.
int TTF_WasInit() { return 1; }

// Pictures are kept with their alpha channel; opaque ones stay opaque.
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) { return SDL_DisplayFormatAlpha(surface); }

int boxRGBA(SDL_Surface* s, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8) {
    fillBox(s, x1, y1, x2, y2, mapped(s, r, g, b));
    return 0;
}

int rectangleRGBA(SDL_Surface* s, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8) {
    const Uint32 color = mapped(s, r, g, b);
    fillBox(s, x1, y1, x2, y1, color);
    fillBox(s, x1, y2, x2, y2, color);
    fillBox(s, x1, y1, x1, y2, color);
    fillBox(s, x2, y1, x2, y2, color);
    return 0;
}

// Straight lines as one-pixel boxes; slanted ones by the desktop library's
// own integer rule: one pixel per step along the longer axis, counting
// lengths with both ends included, a step along the shorter axis whenever
// the sum of the shorter lengths reaches the longer.
int lineRGBA(SDL_Surface* s, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8) {
    const Uint32 color = mapped(s, r, g, b);
    if (x1 == x2 || y1 == y2) {
        fillBox(s, x1, y1, x2, y2, color);
        return 0;
    }
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    int longer = std::abs(x2 - x1) + 1, shorter = std::abs(y2 - y1) + 1;
    const bool alongY = longer < shorter;
    if (alongY) std::swap(longer, shorter);
    int x = x1, y = y1, sum = 0;
    for (int i = 0; i < longer; ++i) {
        fillBox(s, x, y, x, y, color);
        sum += shorter;
        const bool minorStep = sum >= longer;
        if (minorStep) sum -= longer;
        if (alongY) {
            y += sy;
            if (minorStep) x += sx;
        } else {
            x += sx;
            if (minorStep) y += sy;
        }
    }
    return 0;
}

}  // extern "C"
