// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The left-hand panel of the chapter 4 plot screens: a grey column with the
// exercise's headings, one box per input field showing its typed text, the
// back item, the Delete hint and a marker beside the highlighted item.
#include <optional>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Screens.h"
#include "gfx/Layout.h"

class SDLGraphics;

struct PanelRow {
    std::string Language::*label;  // the text drawn at (x, y)
    int x, y;
    int size;
    const char* color;
    const char* item;  // the highlight item of this row, or null; its field, if any, is in app/ItemFields.h
    int row;           // y of the item's box and of the highlight marker
};

struct PlotPanel {
    Screen screen;
    std::vector<PanelRow> rows;
};

// The grey column the panel fills.
constexpr Rect PLOT_PANEL_COLUMN{0, 0, 320, layout::HEIGHT};

// Drawing order: the column, every field box, the texts, then the marker.
void drawPlotPanel(SDLGraphics* g, const CPU& cpu, const PlotPanel& panel, const std::string& item);

// The panels of the three plot screens.
const PlotPanel& straightLinesPanel();
const PlotPanel& twoPointsPanel();
const PlotPanel& vectorsPanel();
