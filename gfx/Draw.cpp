// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Draw.h"

#include <SDL/SDL_gfxPrimitives.h>

namespace draw {

void fill(SDL_Surface* s, const Rect& r, Color c) { boxRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, c.a); }
void frame(SDL_Surface* s, const Rect& r, Color c) { rectangleRGBA(s, r.x1, r.y1, r.x2, r.y2, c.r, c.g, c.b, c.a); }

}  // namespace draw
