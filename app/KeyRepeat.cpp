// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRepeat.h"

#ifdef __EMSCRIPTEN__
void keepFastRepeatedKeys() {}
#else
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/Xlibint.h>

#include "gfx/XErrorTrap.h"

namespace {

// Xlib's own conversions of key events as they arrive from the server.
using Conversion = Bool (*)(Display*, XEvent*, xEvent*);
Conversion convertPress = nullptr;
Conversion convertRelease = nullptr;

// The key-up converted last.
unsigned int releasedKey = 0;
Time releasedAt = 0;

Bool releaseArrived(Display* display, XEvent* event, xEvent* wire) {
    const Bool queued = convertRelease(display, event, wire);
    releasedKey = event->xkey.keycode;
    releasedAt = event->xkey.time;
    return queued;
}

// SDL takes a key-down less than 2 ms after the same key's key-up for a
// repeat: such a key-down is given the time 2 ms after the key-up.
Bool pressArrived(Display* display, XEvent* event, xEvent* wire) {
    const Bool queued = convertPress(display, event, wire);
    if (event->xkey.keycode == releasedKey && event->xkey.time - releasedAt < 2) event->xkey.time = releasedAt + 2;
    return queued;
}

void convertKeysOn(Display* display) {
    const Conversion press = XESetWireToEvent(display, KeyPress, pressArrived);
    if (press != pressArrived) convertPress = press;
    const Conversion release = XESetWireToEvent(display, KeyRelease, releaseArrived);
    if (release != releaseArrived) convertRelease = release;
}

}  // namespace

void keepFastRepeatedKeys() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    if (!display) return;
    info.info.x11.lock_func();
    {
        const XErrorTrap trap(display);
        Bool detectable = False;
        // Without it a held key sends key-ups between its repeats: SDL's guess is kept then.
        if (XkbSetDetectableAutoRepeat(display, True, &detectable) && detectable) convertKeysOn(display);
    }
    info.info.x11.unlock_func();
}
#endif
