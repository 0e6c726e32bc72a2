// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chapter 4 coordinate plane: where it lies in the window and its scale.
// A plane point (x, y) lies at pixel (LEFT + HALF + UNIT·x, TOP + HALF − UNIT·y).
#include "gfx/LineClip.h"
#include "gfx/Palette.h"

namespace plane {

constexpr int LEFT = 360;               // window x of the plane's left edge
constexpr int TOP = 50;                 // window y of the plane's top edge
constexpr int SIZE = 600;               // width and height in pixels
constexpr int UNIT = 30;                // pixels per unit on both axes
constexpr int HALF = SIZE / 2;          // from an edge to the axis across it
constexpr int REACH = HALF / UNIT;      // units from the origin to an edge: 10
constexpr int ORIGIN_X = LEFT + HALF;   // 660
constexpr int ORIGIN_Y = TOP + HALF;    // 350

}  // namespace plane
