// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Not in the browser, which has no X.
#ifndef __EMSCRIPTEN__
#include "XErrorTrap.h"

namespace {

// Xlib has one error handler for the whole process: it reaches the trap set last.
XErrorTrap* innermost = nullptr;

}  // namespace

XErrorTrap::XErrorTrap(Display* display) : m_display(display), m_outer(innermost) {
    XSync(m_display, False);
    innermost = this;
    m_previousHandler = XSetErrorHandler(count);
}

XErrorTrap::~XErrorTrap() {
    XSync(m_display, False);
    XSetErrorHandler(m_previousHandler);
    innermost = m_outer;
}

int XErrorTrap::errors() {
    XSync(m_display, False);
    return m_errors;
}

int XErrorTrap::count(Display*, XErrorEvent*) {
    if (innermost) ++innermost->m_errors;
    return 0;
}

#endif
