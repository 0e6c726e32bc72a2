// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page's drawing shims offer the browser's start-up.
#include <vector>

// Makes ready, in the page's idle time from now on, what the first frame of
// a screen of new text lines would otherwise spend its time on: the widths
// of every pair of characters at each of the text sizes `sizes` (canvas
// pixels) and `canvases` canvases for the lines' surfaces. Call it once a
// frame has drawn text.
void warmTextDrawing(const std::vector<int>& sizes, int canvases);
