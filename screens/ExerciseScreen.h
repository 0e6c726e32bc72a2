#pragma once
// The exercise screens of chapters 1 to 3 share one shape: a grey frame, a
// light panel of framed exercise cells, a white solution panel above, a hint
// line below, input boxes and calculate buttons, a marker on the highlighted
// item. Each chapter describes its screen as a layout table and its
// calculations as a table of solve steps; the routines here draw and solve.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"

class SDLGraphics;

// Corners of a filled box or frame, both included, as SDL_gfx takes them.
struct Rect {
    int x1, y1, x2, y2;
};

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
    const char* fieldPrefix;  // item "program1_n" names field fieldPrefix + "program1_n"
    Rect exercisePanel;
    std::vector<Rect> cells;
    std::vector<ExerciseLayout> exercises;
    int hintY;
    std::vector<HintText> hints;  // in drawing order
};

// What one calculation leaves for the solution panel: the main text and up
// to five further lines.
struct SolveResult {
    std::string solution;
    std::vector<std::string> lines;
};

// The calculation a request names. `savesResults`: the whole solution text is
// also written to results.txt and then taken out of `solution`.
struct SolveStep {
    const char* request;
    SolveResult (*solve)(const CPU& cpu);
    bool savesResults = false;
};

// Draws the whole screen from the store, the marker at `highlight`.
void drawChapterScreen(SDLGraphics* g, const CPU& cpu, const ChapterLayout& layout, const std::string& highlight);
// Runs the calculation the pending request names, stores its texts and
// marks the request "solved"; any other request value changes nothing.
void runSolveStep(CPU& cpu, const std::vector<SolveStep>& steps);

// Where the marker of `item` stands, if the item is on the screen.
std::optional<std::pair<int, int>> markerPosition(const ChapterLayout& layout, const std::string& item);

// The exact values of the fields, or nothing when any of them is empty (the
// calculation then does not run).
std::optional<std::vector<std::int64_t>> typedValues(const CPU& cpu, std::initializer_list<Field> fields);

// A fresh calculator with an empty solution. It calculates only when all its
// fields hold text; otherwise its texts stay empty, which clears the panel.
template <typename Calculator>
Calculator prepared() {
    Calculator calculator;
    calculator.setSolution("");
    return calculator;
}

// The three chapters' layouts.
const ChapterLayout& chapter1Layout();
const ChapterLayout& chapter2Layout();
const ChapterLayout& chapter3Layout();
// The three chapters' calculations, one step per request.
const std::vector<SolveStep>& chapter1Steps();
const std::vector<SolveStep>& chapter2Steps();
const std::vector<SolveStep>& chapter3Steps();

// Marker of the exercise screens and the x of the "Back" marker.
constexpr const char* EXERCISE_MARKER = "images/select2.png";
constexpr int BACK_MARKER_X = 450;
