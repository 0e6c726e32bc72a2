// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the window where it can be opened, and a clear word where it cannot.
// - SDL 1.2, left to choose its video driver where there is no display to
//   open, falls back to drivers that draw the window as text art in the
//   terminal; the replacement library that runs SDL 1.2 programs on SDL 2
//   falls back to a driver that draws nowhere. Nobody can use the program
//   that way, so start-up stops.
// - SDL's X11 driver first tries the display with a connection of its own,
//   closes it and then connects again. An X server that resets when its last
//   client leaves (Xvfb, a kiosk started by xinit) resets in between and
//   hangs up on the second connection, so the window would often not open.
//   `DisplayHold` keeps one connection open over SDL's start.
#include <string>

// The start-up error for no graphical display (after "calcora: ").
constexpr const char* NO_GRAPHICAL_DISPLAY = "no graphical display found; run it in a desktop session";

// The start-up error (after "calcora: ") when the video driver SDL chose
// (`chosen`; empty when none could start) leaves the program without a
// graphical display, else "". A driver asked for by name (`requested`, the
// value of SDL_VIDEODRIVER, may be null) is always honoured. `display` is the
// value of DISPLAY (may be null): where one is named, the display is there but
// refused or dropped the connection, and `reason` (SDL's error) says why.
std::string displayProblem(const std::string& chosen, const char* requested, const char* display,
                           const std::string& reason);

// Before SDL starts: when no driver is asked for, a text-mode driver SDL falls
// back to will be refused anyway, so libcaca is told to start without taking
// over the terminal (no escape codes reach it).
void quietenTextModeFallback(const char* requested);

// A connection of the program's own to the X display, held from before SDL
// starts until the window is open, so that the server does not reset in
// between. Only where SDL will use X11 (no driver or "x11" asked for, a
// DISPLAY named); a server that is resetting as the program starts is tried
// again for a moment. Holds nothing where the display cannot be reached: SDL
// then fails on its own and says why.
class DisplayHold {
public:
    explicit DisplayHold(const char* requested);
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

    bool holds() const { return m_display != nullptr; }

private:
    void* m_display = nullptr;  // the Xlib Display
};
