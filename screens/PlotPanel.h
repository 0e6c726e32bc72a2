#pragma once
// The left-hand panel of the chapter 4 plot screens: a grey column with the
// exercise's headings, one box per input field showing its typed text, the
// back item, the Delete hint and a marker beside the highlighted item.
#include <optional>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"

class SDLGraphics;

struct PanelRow {
    std::string Language::*label;  // the text drawn at (x, y)
    int x, y;
    int size;
    const char* color;
    const char* item;             // the highlight item of this row, or null
    std::optional<Field> field;   // the field whose text sits in a box on `row`
    int row;                      // y of the field's box and of the highlight marker
};

// Drawing order: the column, every field box, the texts, then the marker.
void drawPlotPanel(SDLGraphics* g, const CPU& cpu, const std::vector<PanelRow>& rows, const std::string& item);

// The y at which the marker of `item` is drawn, if a row holds that item.
std::optional<int> markerRow(const std::vector<PanelRow>& rows, const std::string& item);

// The panels of the three plot screens.
const std::vector<PanelRow>& straightLinesPanel();
const std::vector<PanelRow>& twoPointsPanel();
const std::vector<PanelRow>& vectorsPanel();
