#pragma once
// Counting pixels over most of the window, as the plot tests do, with one
// lock of the frame instead of one per pixel.
#include <algorithm>

#include "TestSupport.h"

namespace testsupport {

inline int countFast(int x0, int y0, int x1, int y1, Rgb color) {
    SDL_Surface* s = graphics().getScreen();
    if (s->format->BytesPerPixel != 4) return countPixels(x0, y0, x1, y1, color);
    SDL_LockSurface(s);
    const Uint32 wanted = SDL_MapRGB(s->format, color.r, color.g, color.b);
    const auto* pixels = static_cast<const Uint32*>(s->pixels);
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, s->h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, s->w); ++x) n += pixels[y * s->pitch / 4 + x] == wanted;
    SDL_UnlockSurface(s);
    return n;
}

}  // namespace testsupport
