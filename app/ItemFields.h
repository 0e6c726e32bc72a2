// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which input field each highlight item names, screen by screen, the
// chapters' own names, and where W offers a working. The key dispatcher
// (typing, Delete, W) and the screens (drawing a field's value, the W hint)
// both read these, so an item and its field are paired in one place only.
#include <optional>
#include <string>
#include <vector>

#include "CPU.h"
#include "Exercises.h"
#include "Screens.h"

// A chapter of exercises solved on request (chapters 1 to 3).
struct Chapter {
    Screen screen;
    int number;          // in the exercise list
    const char* prefix;  // of its fields: item "program1_n" names field "part1_program1_n"
    int exercises;       // its calculate buttons "calculate1" onward
};

// The three exercise chapters, in order.
const std::vector<Chapter>& exerciseChapters();
// The chapter drawn on `screen`, if it is one.
const Chapter* chapterOn(Screen screen);
// The solve request of a chapter's exercise: "part1_program3" for chapter 1, exercise 3.
std::string requestName(const Chapter& chapter, int exercise);

// The fields of a plot screen in item order (item "1" names the first);
// empty for any other screen.
std::vector<Field> plotFields(Screen screen);

// The input field that `item` names on `screen`, if any.
std::optional<Field> fieldOfItem(Screen screen, const std::string& item);

// The texts typed into `fields`, in their order.
std::vector<std::string> fieldTexts(const CPU& cpu, const std::vector<Field>& fields);

// Whether W opens a working on `screen`: on a plot screen always, on a
// chapter screen once an answer of one of its exercises is in the panel.
bool workingOffered(const CPU& cpu, Screen screen);
