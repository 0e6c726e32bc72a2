// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise screens of chapters 1 to 3 share one shape: a grey frame, a
// light panel of framed exercise cells, a white solution panel above, a hint
// line below, input boxes and calculate buttons, a marker on the highlighted
// item. Each chapter describes its screen as a layout table; the sixteen
// calculations are rows of one table (SolveSteps.cpp) run by one step.
#include <optional>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Screens.h"
#include "gfx/Layout.h"

class OutputToTextFile;
class SDLGraphics;

struct CellText {
    std::string Language::*text;
    const char* color;
    int x, y;
};

// An input box or a calculate button: the item naming it and its box. The
// marker is drawn at the box's top-left corner; a field's value too.
struct ItemBox {
    const char* item;
    int x, y;
    int width = 100;
    Rect rect() const { return {x, y, x + width, y + 20}; }
};

// One exercise cell's contents, drawn in this order: buttons, texts, fields.
struct ExerciseLayout {
    std::vector<ItemBox> buttons;
    std::vector<CellText> texts;
    std::vector<ItemBox> fields;
};

struct HintText {
    std::string Language::*text;
    const char* color;
    int x;
};

struct ChapterLayout {
    Screen screen;  // which fields the items name (app/ItemFields.h)
    Rect exercise_panel;
    std::vector<Rect> cells;
    std::vector<ExerciseLayout> exercises;
    int hint_y;
    std::vector<HintText> hints;  // in drawing order
};

// What one calculation leaves for the solution panel: the main text and up
// to five further lines; `answered` is false when there is no answer (an
// empty field, an input the calculator refuses), only a message at most.
struct SolveResult {
    std::string solution;
    std::vector<std::string> lines;
    bool answered = true;
};

// One exercise's calculation: the request "partC_programN" of its chapter
// and exercise, the fields it reads in order, and the calculator run on
// their texts (none when a field is empty: the calculator then does not run
// and its empty texts clear the panel). `saves_results`: the whole solution
// text is also written to results.txt (when it is an answer: otherwise the
// file keeps what it holds) and then taken out of `solution`.
struct SolveStep {
    Screen chapter;
    int exercise;
    std::vector<Field> fields;
    SolveResult (*solve)(const std::optional<std::vector<std::string>>& typed);
    bool saves_results = false;
};

// All sixteen calculations, chapter by chapter (SolveSteps.cpp).
const std::vector<SolveStep>& solveSteps();

// What the solution panel says of results.txt's last save: "" when it was saved.
std::string resultsMessage(const CPU& cpu);

// Draws the whole screen from the store, the marker at `highlight`.
void drawChapterScreen(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout, const std::string& highlight);
// Runs the calculation of `chapter` that the pending request names, stores
// its texts and marks the request "solved"; any other request changes nothing.
void runSolveStep(CPU& cpu, Screen chapter, OutputToTextFile& results);

// Where the marker of `item` stands, if the item is on the screen.
std::optional<std::pair<int, int>> markerPosition(const ChapterLayout& layout, const std::string& item);

// The three chapters' layouts (Chapter1Screen.cpp to Chapter3Screen.cpp).
const ChapterLayout& chapter1Layout();
const ChapterLayout& chapter2Layout();
const ChapterLayout& chapter3Layout();

// The x of the "Back" marker on the hint line.
constexpr int BACK_MARKER_X = 450;
