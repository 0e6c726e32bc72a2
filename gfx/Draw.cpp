#include "Draw.h"

#include <SDL/SDL_gfxPrimitives.h>

namespace draw {

void fill(SDL_Surface* s, const Rect& r, Color c) {
    if (c.a != 0) boxRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, c.a);
}

void frame(SDL_Surface* s, const Rect& r, Color c) {
    if (c.a != 0) rectangleRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, c.a);
}

void box(SDL_Surface* s, const Rect& r, Color c) {
    fill(s, r, c);
    frame(s, r, palette::current().border);
}

}  // namespace draw
