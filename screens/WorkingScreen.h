// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working screen shows how the answer of the last solved exercise (or
// of a plot's current values) is reached, a page of rows at a time; Enter
// saves it to working.txt. The key dispatcher opens, scrolls and closes it
// through the store; the screen makes the working's text for the store and
// draws it. Here too is the hint the other screens show.
#include "app/CPU.h"

class SDLGraphics;

constexpr const char* WORKING_FILE = "working.txt";

// Makes the working's text in the store when it has none, or has it in a
// language other than the one shown; the first row shown stays within it.
void makeWorkingText(CPU& cpu);

// Runs a pending save of the working's text to working.txt and keeps what it
// did for the message; a failed save is also said on stderr.
void saveWorkingIfAsked(CPU& cpu);

// Draws the small grey "W: show the working" with its top-left corner at (x, y).
void drawWorkingHint(SDLGraphics* g, int x, int y);
