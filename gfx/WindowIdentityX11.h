// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The X11 side of the window's identity, apart so that it can be tried on a
// display of its own. Each call makes its requests inside an XErrorTrap: a
// window that is not there (any more) is an error counted, never the end of
// the program.
#include <X11/Xlib.h>

#include <vector>

// The window that docks and task bars look at: SDL 1.2's frame around the
// window it draws into (`wmwindow`) where there is one, else the library's
// one window (`window`; the replacement over SDL 2 makes no frame), else the
// top-level window that says it belongs to this process; 0 when none is.
Window windowToLabel(Display* display, Window wmwindow, Window window);

// Sets _NET_WM_ICON (width, height and pixels of each size, one per long) on
// `window`. False when the server refused it.
bool setIconProperty(Display* display, Window window, const std::vector<unsigned long>& icons);

// Whether a window manager runs on the display's screen: one that says so
// (_NET_SUPPORTING_WM_CHECK) or holds the screen's WM_S selection.
bool windowManagerRuns(Display* display);
