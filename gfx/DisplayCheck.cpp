// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <cstdlib>

#ifndef __EMSCRIPTEN__
#include <X11/Xlib.h>
#include <unistd.h>
#endif

namespace {

// The drivers that draw into a terminal (SDL 1.2's) or nowhere (the
// replacement library's SDL 2 falls back to "offscreen" without a display).
const char* const NO_WINDOW_DRIVERS[] = {"caca", "aalib", "offscreen", "dummy"};

bool named(const char* value) { return value && *value; }

bool opensNoWindow(const std::string& driver) {
    for (const char* none : NO_WINDOW_DRIVERS)
        if (driver == none) return true;
    return false;
}

}  // namespace

std::string displayProblem(const std::string& chosen, const char* requested, const char* display,
                           const std::string& reason) {
    if (named(requested)) return "";
    if (!chosen.empty() && !opensNoWindow(chosen)) return "";
    if (!named(display)) return NO_GRAPHICAL_DISPLAY;
    return std::string("the graphical display ") + display + " refused or dropped the connection: " +
           (reason.empty() ? "SDL could not open it" : reason);
}

void quietenTextModeFallback(const char* requested) {
    if (!named(requested)) setenv("CACA_DRIVER", "null", 1);
}

#ifdef __EMSCRIPTEN__

DisplayHold::DisplayHold(const char*) {}
DisplayHold::~DisplayHold() {}

#else

DisplayHold::DisplayHold(const char* requested) {
    if (named(requested) && std::string(requested) != "x11") return;
    if (!named(std::getenv("DISPLAY"))) return;
    // A connection accepted just as the server resets is hung up at once;
    // the server answers again a moment later. (Tried only once more: a
    // server that refuses has its reason printed by Xlib at each attempt.)
    const useconds_t PAUSES[] = {0, 50000};
    for (useconds_t pause : PAUSES) {
        usleep(pause);
        if ((m_display = XOpenDisplay(nullptr))) return;
    }
}

DisplayHold::~DisplayHold() {
    if (m_display) XCloseDisplay(static_cast<Display*>(m_display));
}

#endif
