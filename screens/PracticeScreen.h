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
// The page's heading: on an assignment's page "Week 3: problem 2 of 10   GCD,
// level 2", else the exercise and level.
std::string practicePageHeading(const CPU& cpu, const CPU::PracticeShown& shown);
// What the page says of the class folder: that it cannot be reached.
std::vector<std::string> classMessages(const CPU& cpu);
// The verdict line, and what Enter does next once the problem is done.
std::vector<std::string> practiceMessages(const CPU::PracticeShown& shown);

// The footer's keys: an assignment's problems are neither skipped nor changed in level.
std::string practiceKeys(const CPU::PracticeShown& shown);

// Draws the small grey "P: practise" with its top-left corner at (x, y).
void drawPracticeOffer(SDLGraphics* g, int x, int y);
// The start screen's "A: assignment (3 of 10)" while the class folder has
// one; "" otherwise.
std::string assignmentOffer(const CPU& cpu);
// The start screen's line for an assignment.txt passed over ("" for none).
std::string assignmentNotice(const CPU& cpu);
