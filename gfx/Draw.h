// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filled boxes and frames of the screens, in palette colours.
#include <SDL/SDL.h>

#include <initializer_list>

#include "Layout.h"
#include "Palette.h"

namespace draw {

// A colour with no opacity (palette::NONE) draws nothing.
void fill(SDL_Surface* s, const Rect& r, Color c);   // a filled box, corners included
// The same box left open where the panels lie that are filled opaquely right
// after: at 200% a screen's background and panels are millions of pixels,
// and filling them twice took half a frame.
void fillAround(SDL_Surface* s, const Rect& r, std::initializer_list<Rect> panels, Color c);
void frame(SDL_Surface* s, const Rect& r, Color c);  // its one-pixel outline
// A filled box with the palette's border around it (none in the standard look).
void box(SDL_Surface* s, const Rect& r, Color c);

}  // namespace draw
