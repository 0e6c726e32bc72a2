// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key dispatcher: turns one key press into changes of the state store
// (screen, highlights, typed values, solve request, flags, the working's
// place) or of the text table's language, as the key tables say. It draws
// nothing and keeps nothing between calls.
#include <SDL/SDL.h>

#include "app/CPU.h"

class SDLGraphics;

class Input2 {
public:
    // Handles one key-down, pressed with Shift or not, typing `character` in
    // the keyboard's layout (0: none; only a name being typed takes it); `g`
    // is passed in but not used.
    void readInputForPressingAKey(SDLKey keyPressed, CPU* cpu, SDLGraphics* g, bool shift = false,
                                  char32_t character = 0);
};
