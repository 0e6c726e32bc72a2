#include "Draw.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "View.h"

namespace draw {

void fill(SDL_Surface* s, const Rect& r, Color c) {
    const Rect p = view::box(r);
    if (c.a != 0) boxRGBA(s, p.x1, p.y1, p.x2, p.y2, c.r, c.g, c.b, c.a);
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
