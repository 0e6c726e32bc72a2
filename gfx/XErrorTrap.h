// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Xlib's default error handler ends the process on the first error a request
// gets back: a property set on a window the library has not made, a window
// that went away meanwhile. The program's own X calls (the icon, the key
// repeat) are made inside an XErrorTrap instead: while it lives, errors are
// counted and the program goes on; when it ends, the requests made under it
// have been answered (XSync) and the handler that was there before is back.
#include <X11/Xlib.h>

class XErrorTrap {
public:
    // Answers the requests made before first, so that their errors still
    // reach the handler of whoever made them.
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // The errors so far, once the requests made until now are answered.
    int errors();

private:
    static int count(Display* display, XErrorEvent* error);

    Display* m_display;
    XErrorHandler m_previousHandler;
    XErrorTrap* m_outer;  // the trap this one was set inside, if any
    int m_errors = 0;
};
