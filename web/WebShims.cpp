// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser's SDL 1.2 layer lacks or draws differently from the
// desktop libraries, made exact here so that every box, frame and line lands
// on the desktop's pixels. Definitions here take the place of the layer's.
#include "WebShims.h"

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

// What the page keeps for its text lines. For each canvas font (size and
// family), the width of each character and of each pair of characters,
// measured once and kept for the run (a measurement costs more than the
// drawing of a character); a character is kept by its code, a pair by
// code * 65536 + code. A stock of canvases with their drawing contexts,
// which the layer takes for new surfaces before it makes one (making one
// costs as much as drawing a short line), filled up again after the frame
// that took from it. And the lines whose surfaces are drawn on later.
//
// The first drawing on a new canvas costs more than drawing the line
// itself, so a frame full of new lines (a working's page) would spend most
// of its time on them: a new line's surface is drawn on only after the
// frame, and until then each blit of it draws the line straight onto the
// screen in its place (any other blit draws on its own canvas first and
// copies it from there, as the layer does). Drawn in place, a pixel may
// differ by one unit of a channel from the copy the next frame blits (the
// line's ink blended once rather than stored, then blended).
EM_JS(void, installPageText, (), {
    if (Module.calcoraWidths) return;
    var measure = document.createElement('canvas').getContext('2d');
    var measuring = null;
    var fonts = new Map();
    Module.calcoraWidths = function(style) {
        var known = fonts.get(style);
        if (known) return known;
        var widths = new Map();
        var measured = function(text) {
            if (measuring !== style) measure.font = measuring = style;
            return measure.measureText(text).width;
        };
        known = {
            one: function(c) {
                var w = widths.get(c);
                if (w === undefined) widths.set(c, w = measured(String.fromCharCode(c)));
                return w;
            },
            two: function(a, b) {
                var key = a * 65536 + b;
                var w = widths.get(key);
                if (w === undefined) widths.set(key, w = measured(String.fromCharCode(a, b)));
                return w;
            }
        };
        fonts.set(style, known);
        return known;
    };
    var stock = 0, filling = false;
    var fill = function() {
        filling = false;
        while (SDL.canvasPool.length < stock) {
            var canvas = document.createElement('canvas');
            canvas.width = canvas.height = 1;
            canvas.getContext('2d');
            SDL.canvasPool.push(canvas);
        }
    };
    Module.calcoraKeepCanvases = function(count) {
        if (count !== undefined) stock = count;
        if (filling || SDL.canvasPool.length >= stock) return;
        filling = true;
        setTimeout(fill, 0);
    };
    var later = new Map();  // surface: its layer record and how to draw its line on a context
    // A canvas keeps what is drawn on it as a list until it is first copied
    // from: copying each from here right away makes its pixels now, not in
    // the frame that next shows the line.
    var copies = document.createElement('canvas');
    copies.width = copies.height = 1;
    var copiesContext = copies.getContext('2d');
    var drawLater = function() {
        later.forEach(function(line, surface) {
            if (SDL.surfaces[surface] !== line.record) return;
            line.draw(line.record.ctx);
            copiesContext.drawImage(line.record.canvas, 0, 0, 1, 1, 0, 0, 1, 1);
        });
        later.clear();
        copies.width = 1;  // lets go of the copies
    };
    Module.calcoraDrawLater = function(surface, draw) {
        if (later.size === 0) setTimeout(drawLater, 0);
        later.set(surface, {record: SDL.surfaces[surface], draw: draw});
    };
    // A whole line onto the screen is drawn straight there, in its place and
    // within the screen's clipping rectangle.
    var drawnInPlace = function(line, dst, dstrect) {
        var target = SDL.surfaces[dst];
        if (dst !== SDL.screen || line.record.alpha !== 255) return false;
        var at = dstrect ? SDL.loadRect(dstrect) : {x: 0, y: 0};
        var context = target.ctx;
        var clip = target.clipRect;
        context.save();
        if (clip) {
            context.beginPath();
            context.rect(clip.x, clip.y, clip.w, clip.h);
            context.clip();
        }
        context.globalAlpha = 1;
        context.translate(at.x, at.y);
        line.draw(context);
        context.restore();
        return true;
    };
    var blit = SDL.blitSurface;
    SDL.blitSurface = function(src, srcrect, dst, dstrect, scale) {
        var line = later.get(src);
        if (line && line.record === SDL.surfaces[src]) {
            if (!srcrect && !scale && drawnInPlace(line, dst, dstrect)) return 0;
            // Any other blit copies the line from its own canvas, drawn on now.
            line.draw(line.record.ctx);
            later.delete(src);
        }
        return blit(src, srcrect, dst, dstrect, scale);
    };
});

// A text line laid out as the desktop lays it out: each character at a
// whole pixel, advanced by its width rounded to whole pixels, with the
// font's kerning between two characters rounded the same way. The browser's
// own layout keeps fractions of a pixel and makes long lines 2-4% wider than
// the desktop's, so they would run out of their panels. Returns the layer's
// surface, `height` high, the line drawn in a band one font size high from
// `top` down (after the frame; see installPageText). The line is drawn on
// this surface itself, not on one of its own copied into it: the layer
// reads back every surface but the screen that is blitted onto (a
// millisecond for every new line).
EM_JS(SDL_Surface*, pageTextLine, (TTF_Font * font, const char* text, int r, int g, int b, int height, int top), {
    var fontData = SDL.fonts[font];
    var size = fontData.size;
    var line = UTF8ToString(text) || ' ';
    var style = SDL.makeFontString(size, fontData.name);
    var widths = Module.calcoraWidths(style);
    var whole = function(x) { return Math.floor(x + 0.5); };
    var pens = [];
    var pen = 0;
    for (var i = 0; i < line.length; ++i) {
        var c = line.charCodeAt(i);
        if (i > 0) {
            var before = line.charCodeAt(i - 1);
            pen += whole(widths.two(before, c) - widths.one(before) - widths.one(c));
        }
        pens.push(pen);
        pen += whole(widths.one(c));
    }
    var lineWidth = Math.max(1, pen + Math.ceil(size / 4));
    // A surface the layer draws on alone: no copy of its pixels in memory.
    var surface = SDL.makeSurface(lineWidth, height, 0x00010000 /* SDL_SRCALPHA */, false, 'text:' + line);
    Module.calcoraKeepCanvases();
    // On a context whose state is the caller's to keep: the surface's own
    // clear canvas, or the screen moved to where the line goes.
    Module.calcoraDrawLater(surface, function(context) {
        context.beginPath();
        context.rect(0, top, lineWidth, size);  // the band a line one size high covers
        context.clip();
        context.fillStyle = 'rgb(' + r + ',' + g + ',' + b + ')';
        context.font = style;
        context.textBaseline = 'bottom';
        for (var j = 0; j < line.length; ++j)
            if (line.charCodeAt(j) !== 32) context.fillText(line[j], pens[j], top + size);  // a blank has no ink
    });
    return surface;
});

// The widths of every pair of printable characters (the page's font has no
// others) at each of the `count` sizes, measured a few milliseconds at a
// time, and a stock of `canvases` canvases. Needs a font opened (the first
// frame opens one).
EM_JS(void, warmPageTextSoon, (const int* sizes, int count, int canvases), {
    Module.calcoraKeepCanvases(canvases);
    var font = SDL.fonts.find(function(f) { return f; });
    if (!font) return;
    var styles = [];
    for (var i = 0; i < count; ++i) styles.push(SDL.makeFontString(HEAP32[(sizes >> 2) + i], font.name));
    var FIRST = 32, END = 127;
    var at = 0, first = FIRST;
    var measureSome = function() {
        var until = performance.now() + 4;
        while (at < styles.length && performance.now() < until) {
            var widths = Module.calcoraWidths(styles[at]);
            widths.one(first);
            for (var second = FIRST; second < END; ++second) widths.two(first, second);
            if (++first === END) {
                first = FIRST;
                ++at;
            }
        }
        if (at < styles.length) setTimeout(measureSome, 0);
    };
    setTimeout(measureSome, 0);
});

namespace {

void useTextWidths() {
    static const bool installed = (installPageText(), true);
    (void)installed;
}

}  // namespace

void warmTextDrawing(const std::vector<int>& sizes, int canvases) {
    useTextWidths();
    warmPageTextSoon(sizes.data(), int(sizes.size()), canvases);
}

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

// The page draws a text line one font size high, with the baseline where
// the font's em box ends above its descent; SDL_ttf makes it as tall as
// ascent plus descent, the baseline at the ascent. Drawn that much lower in
// a surface of SDL_ttf's height, every text lands where the desktop puts it,
// so texts stay inside their boxes. The metrics are the shipped font's
// (Liberation Sans: ascent 0.905, descent 0.212 of the size).
SDL_Surface* TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color color) {
    constexpr double ASCENT = 1854.0 / 2048, DESCENT = 434.0 / 2048;
    const int size = TTF_FontHeight(font);
    const int ascent = static_cast<int>(std::ceil(ASCENT * size));
    const int height = ascent + static_cast<int>(std::ceil(DESCENT * size)) + 1;
    const double pageBaseline = size * (1 - DESCENT / (ASCENT + DESCENT));
    const int top = static_cast<int>(std::lround(ascent - pageBaseline));
    useTextWidths();
    return pageTextLine(font, text, color.r, color.g, color.b, height, top);
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
