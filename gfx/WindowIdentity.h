// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What ties the window to the program's menu entry: its class, which docks and
// task bars match with the desktop file of that name, and its icon, built into
// the program so that it is there whatever folder the program runs from.

// The window's class: also the name of the desktop file and its StartupWMClass.
constexpr const char* WINDOW_CLASS = "io.github.calcora.Calcora";

// Before SDL starts: names the window's class, unless the user named one
// (SDL_VIDEO_X11_WMCLASS).
void nameWindowClass();

// Once the window is open: the icon, as the classic window-manager hint and in
// the several sizes that docks and task bars read, on the window the library
// made (gfx/WindowIdentityX11.h). Where none can be found, the window keeps
// none and nothing is said.
void setWindowIcon();

// After each new video mode. Where no window manager runs (a kiosk started by
// xinit) nobody places the window: SDL 1.2 leaves it at the screen's corner,
// while the replacement library over SDL 2 centres the first window and keeps
// that place, so that a larger size or a full screen would reach past the
// screen's edges. There the window is put at the corner as SDL 1.2 puts it.
void placeWindowWithoutManager();
