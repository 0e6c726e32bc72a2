// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice screen: the exercise and level, the problem, the answer
// fields, the verdict, the hints taken and the levels mastered, drawn from
// the store (input/PracticeActions.h says what the keys change). Here too is
// the hint the exercise and plot screens show, and the start screen's of an
// assignment.
#include <string>
#include <vector>

#include "app/CPU.h"

class SDLGraphics;

// "GCD - greatest common divisor, level 2" in the language shown.
std::string practiceHeading(const CPU::PracticeShown& shown);
// The verdict line, and what Enter does next once the problem is done.
std::vector<std::string> practiceMessages(const CPU::PracticeShown& shown);

// The footer's keys: an assignment's problems are neither skipped nor changed in level.
std::string practiceKeys(const CPU::PracticeShown& shown);

// Draws the small grey "P: practise" with its top-left corner at (x, y).
void drawPracticeOffer(SDLGraphics* g, int x, int y);
// The start screen's "A: assignment (3 of 10)" while the class folder has
// one; "" otherwise.
std::string assignmentOffer(const CPU& cpu);
