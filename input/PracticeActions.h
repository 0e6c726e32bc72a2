// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the practice screen's keys do: each writes the store only. P opens
// practice of the exercise highlighted on a chapter screen (or of the plot
// shown); typing fills the answer fields; Enter checks the answer, and after
// a right one (or a skip) shows the next problem; H gives the next hint, S
// skips, Left and Right on an empty answer change the level; Escape goes back.
// The pupil's progress and practice.csv's rows are kept in the store for the
// frame loop to write.
#include <optional>
#include <string>

#include "app/CPU.h"
#include "app/Screens.h"

// The exercise P practises on `screen` with `item` highlighted: the one whose
// box holds the item on a chapter screen (the GCD for the fields GCD and LCM
// share), the plot on a plot screen; none anywhere else or on "back".
std::optional<practice::Exercise> exerciseToPractise(Screen screen, const std::string& item);

// Shows the practice screen for that exercise, at the level last chosen for
// it; the problem left unfinished there is shown again.
void openPractice(CPU& cpu, Screen from, const std::string& item);
void typeIntoAnswer(CPU& cpu, char typed);
// Empties the highlighted answer field (`lastOnly`: takes back its last character).
void clearAnswer(CPU& cpu, bool lastOnly);
void moveToAnswerField(CPU& cpu, int step);
// Enter: checks the answer, or after a right answer or a skip shows the next problem.
void checkOrMoveOn(CPU& cpu);
void takeHint(CPU& cpu);
void skipProblem(CPU& cpu);
// A level `step` lower or higher, only while every answer field is empty.
void changeLevel(CPU& cpu, int step);
void closePractice(CPU& cpu);
// Shows the class's assignment on the practice screen at its first problem
// not done (its problems in order, each answered right before the next;
// no skips or level changes); nothing when there is none or it is done.
void openAssignment(CPU& cpu, Screen from);
// A on `from`: asks for the assignment, which the frame loop reads again
// from the class folder before `openAskedAssignment` opens it.
void askForAssignment(CPU& cpu, Screen from);
void openAskedAssignment(CPU& cpu);
// Writes the shown texts again when they are in another language than the
// one shown now (the verdict checked again, not counted again).
void showPracticeInLanguage(CPU& cpu);
