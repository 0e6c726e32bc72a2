// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key press as the frame loop takes it from SDL's queue.
#include <SDL/SDL.h>

inline void pushKeyDown(SDLKey key) {
    SDL_Event event{};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}
