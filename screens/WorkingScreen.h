#pragma once
// The working screen shows how the answer of the last solved exercise (or
// of a plot's current values) is reached, a page of lines at a time; Enter
// saves it to working.txt. Here too is what the other screens and the key
// dispatcher need of it; apart from the drawing, nothing here needs SDL.
#include <optional>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/Screens.h"
#include "calc/Working.h"

class SDLGraphics;
struct SolveStep;

constexpr const char* WORKING_FILE = "working.txt";
constexpr int WORKING_PAGE_LINES = 22;  // rows of steps and answer shown at once

// The fields an exercise reads, in the calculator's order: on a chapter
// screen those of its solve step, on a plot screen (where `exercise` is the
// screen's name) all of its fields. Empty when the exercise is not on `screen`.
std::vector<Field> exerciseFields(Screen screen, const std::string& exercise);

// After a solve step has run `request`: keeps it and the typed texts of its
// fields as the last solved exercise.
void rememberSolved(CPU& cpu, const SolveStep& step, const std::string& request);

// Whether W opens a working on `screen`: on a plot screen always, on a
// chapter screen once an answer of one of its exercises is in the panel.
bool workingOffered(const CPU& cpu, Screen screen);

// The key dispatcher's writes: open the working offered on the current
// screen (or nothing), go back to where it was opened, move the first row
// shown by `rows` (kept within the working).
void openWorking(CPU& cpu);
void closeWorking(CPU& cpu);
void scrollWorking(CPU& cpu, int rows);

// What the working screen's frame does before drawing: runs a pending save
// of the working to working.txt and keeps what it did for the message.
void saveWorkingIfAsked(CPU& cpu);

// The working the screen shows, in the language shown now.
std::optional<Working> shownWorking(const CPU& cpu);

// Draws the small grey "W: show the working" with its top-left corner at (x, y).
void drawWorkingHint(SDLGraphics* g, int x, int y);
