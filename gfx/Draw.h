// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filled boxes and frames of the screens, in palette colours.
#include <SDL/SDL.h>

#include "Layout.h"
#include "Palette.h"

namespace draw {

void fill(SDL_Surface* s, const Rect& r, Color c);   // a filled box, corners included
void frame(SDL_Surface* s, const Rect& r, Color c);  // its one-pixel outline

}  // namespace draw
