// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <cstdlib>

#ifndef __EMSCRIPTEN__
#include <X11/Xlib.h>
#include <unistd.h>
#endif

namespace {

// SDL 1.2's drivers that draw into a terminal.
const char* const TEXT_MODE_DRIVERS[] = {"caca", "aalib"};

bool named(const char* value) { return value && *value; }

bool isTextMode(const std::string& driver) {
    for (const char* text : TEXT_MODE_DRIVERS)
        if (driver == text) return true;
    return false;
}

}  // namespace

std::string displayProblem(const std::string& chosen, const char* requested, const char* display,
                           const std::string& reason) {
    if (named(requested)) return "";
    if (!chosen.empty() && !isTextMode(chosen)) return "";
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
