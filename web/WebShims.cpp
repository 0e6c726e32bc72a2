// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser's SDL 1.2 layer lacks or draws differently from the
// desktop libraries, made exact here so that every box, frame and line lands
// on the desktop's pixels. Definitions here take the place of the layer's.
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <emscripten.h>

#include <algorithm>
#include <cmath>
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

// A text line laid out as the desktop lays it out: each character at a
// whole pixel, advanced by its width rounded to whole pixels, with the
// font's kerning between two characters rounded the same way. The browser's
// own layout keeps fractions of a pixel and makes long lines 2-4% wider than
// the desktop's, so they would run out of their panels. Returns the layer's
// surface, one font size high, the baseline as its own text surfaces have it.
EM_JS(SDL_Surface*, pageTextLine, (TTF_Font * font, const char* text, int r, int g, int b), {
    var fontData = SDL.fonts[font];
    var size = fontData.size;
    var line = UTF8ToString(text) || ' ';
    var style = SDL.makeFontString(size, fontData.name);
    var widths = Module.calcoraTextWidths || (Module.calcoraTextWidths = new Map());
    var measure = Module.calcoraMeasure || (Module.calcoraMeasure = document.createElement('canvas').getContext('2d'));
    measure.font = style;
    var width = function(s) {
        var key = style + '|' + s;
        var known = widths.get(key);
        if (known === undefined) widths.set(key, known = measure.measureText(s).width);
        return known;
    };
    var whole = function(x) { return Math.floor(x + 0.5); };
    var pens = [];
    var pen = 0;
    for (var i = 0; i < line.length; ++i) {
        if (i > 0) pen += whole(width(line[i - 1] + line[i]) - width(line[i - 1]) - width(line[i]));
        pens.push(pen);
        pen += whole(width(line[i]));
    }
    var surface = SDL.makeSurface(Math.max(1, pen + Math.ceil(size / 4)), size, 0, false, 'text:' + line);
    var context = SDL.surfaces[surface].ctx;
    context.save();
    context.fillStyle = 'rgb(' + r + ',' + g + ',' + b + ')';
    context.font = style;
    context.textBaseline = 'bottom';
    for (var j = 0; j < line.length; ++j) context.fillText(line[j], pens[j], size);
    context.restore();
    return surface;
});

extern "C" {

// The browser paces the frames: the pause at the end of one is not needed
// (and the layer's own would stop the page).
void SDL_Delay(Uint32) {}

// The layer's fonts are the page's: nothing to start or to end.
int TTF_WasInit() { return 1; }

// The layer's answer leaves the pixel format unset (whatever the memory
// held): the page's canvas is always 32 bits per pixel.
const SDL_VideoInfo* SDL_GetVideoInfo() {
    static SDL_PixelFormat format = [] {
        SDL_PixelFormat f{};
        f.BitsPerPixel = 32;
        f.BytesPerPixel = 4;
        return f;
    }();
    static SDL_VideoInfo info = [] {
        SDL_VideoInfo i{};
        i.vfmt = &format;
        return i;
    }();
    return &info;
}

// The page draws a text line into a surface one font size high, with the
// baseline where the font's em box ends above its descent; SDL_ttf makes it
// as tall as ascent plus descent, the baseline at the ascent. Moving the
// line down by the difference puts every text where the desktop puts it, so
// texts stay inside their boxes. The metrics are the shipped font's
// (Liberation Sans: ascent 0.905, descent 0.212 of the size).
SDL_Surface* TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color color) {
    constexpr double ASCENT = 1854.0 / 2048, DESCENT = 434.0 / 2048;
    SDL_Surface* line = pageTextLine(font, text, color.r, color.g, color.b);
    if (!line) return nullptr;
    const int size = line->h;
    const int ascent = static_cast<int>(std::ceil(ASCENT * size));
    const int height = ascent + static_cast<int>(std::ceil(DESCENT * size)) + 1;
    const double pageBaseline = size * (1 - DESCENT / (ASCENT + DESCENT));
    SDL_Surface* tall = SDL_CreateRGBSurface(SDL_SRCALPHA, line->w, height, 32, 0x000000ff, 0x0000ff00, 0x00ff0000,
                                             0xff000000);
    if (!tall) return line;
    SDL_Rect at{0, static_cast<Sint16>(std::lround(ascent - pageBaseline)), 0, 0};
    SDL_BlitSurface(line, nullptr, tall, &at);
    SDL_FreeSurface(line);
    return tall;
}

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
