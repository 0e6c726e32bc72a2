// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Draw.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <vector>

#include "View.h"

namespace draw {

namespace {

// Corners in either order, both included, as pixels of the window.
Rect pixels(const Rect& r) {
    const Rect p = view::box(r);
    return {std::min(p.x1, p.x2), std::min(p.y1, p.y2), std::max(p.x1, p.x2), std::max(p.y1, p.y2)};
}

void fillPixels(SDL_Surface* s, const Rect& p, Uint32 color) {
    SDL_Rect area{Sint16(p.x1), Sint16(p.y1), Uint16(p.x2 - p.x1 + 1), Uint16(p.y2 - p.y1 + 1)};
    SDL_FillRect(s, &area, color);
}

// The parts of `piece` outside `hole`: up to four bands.
std::vector<Rect> cutOut(const Rect& piece, const Rect& hole) {
    if (hole.x1 > piece.x2 || hole.x2 < piece.x1 || hole.y1 > piece.y2 || hole.y2 < piece.y1) return {piece};
    std::vector<Rect> rest;
    const int top = std::max(piece.y1, hole.y1), bottom = std::min(piece.y2, hole.y2);
    if (piece.y1 < hole.y1) rest.push_back({piece.x1, piece.y1, piece.x2, hole.y1 - 1});
    if (hole.y2 < piece.y2) rest.push_back({piece.x1, hole.y2 + 1, piece.x2, piece.y2});
    if (piece.x1 < hole.x1) rest.push_back({piece.x1, top, hole.x1 - 1, bottom});
    if (hole.x2 < piece.x2) rest.push_back({hole.x2 + 1, top, piece.x2, bottom});
    return rest;
}

}  // namespace

// An opaque box is SDL's own fill, several times faster than SDL_gfx's
// pixel loop on the large boxes of the larger sizes, and the same pixels.
void fill(SDL_Surface* s, const Rect& r, Color c) {
    if (c.a == 0) return;
    const Rect p = view::box(r);
    if (c.a != 255) {
        boxRGBA(s, p.x1, p.y1, p.x2, p.y2, c.r, c.g, c.b, c.a);
        return;
    }
    fillPixels(s, pixels(r), SDL_MapRGBA(s->format, c.r, c.g, c.b, c.a));
}

void fillAround(SDL_Surface* s, const Rect& r, std::initializer_list<Rect> panels, Color c) {
    if (c.a != 255) return fill(s, r, c);  // see-through: what lies under the panels shows
    std::vector<Rect> pieces{pixels(r)};
    for (const Rect& panel : panels) {
        std::vector<Rect> rest;
        for (const Rect& piece : pieces)
            for (const Rect& part : cutOut(piece, pixels(panel))) rest.push_back(part);
        pieces = std::move(rest);
    }
    const Uint32 color = SDL_MapRGBA(s->format, c.r, c.g, c.b, c.a);
    for (const Rect& piece : pieces) fillPixels(s, piece, color);
}

// Drawn larger, the outline grows inward, as thick as a scaled pixel.
void frame(SDL_Surface* s, const Rect& r, Color c) {
    if (c.a == 0) return;
    const Rect p = view::box(r);
    for (int k = 0; k < view::thickness(1); ++k)
        rectangleRGBA(s, p.x1 + k, p.y1 + k, p.x2 - k, p.y2 - k, c.r, c.g, c.b, c.a);
}

void box(SDL_Surface* s, const Rect& r, Color c) {
    fill(s, r, c);
    frame(s, r, palette::current().border);
}

}  // namespace draw
