// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Draw.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>

#include "View.h"

namespace draw {

// An opaque box is SDL's own fill, several times faster than SDL_gfx's
// pixel loop on the large boxes of the larger sizes, and the same pixels.
void fill(SDL_Surface* s, const Rect& r, Color c) {
    if (c.a == 0) return;
    const Rect p = view::box(r);
    if (c.a != 255) {
        boxRGBA(s, p.x1, p.y1, p.x2, p.y2, c.r, c.g, c.b, c.a);
        return;
    }
    const int x1 = std::min(p.x1, p.x2), y1 = std::min(p.y1, p.y2);
    const int x2 = std::max(p.x1, p.x2), y2 = std::max(p.y1, p.y2);
    SDL_Rect area{Sint16(x1), Sint16(y1), Uint16(x2 - x1 + 1), Uint16(y2 - y1 + 1)};
    SDL_FillRect(s, &area, SDL_MapRGBA(s->format, c.r, c.g, c.b, c.a));
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
