// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen routines: one per screen, each redrawing everything from the
// state store and the text table. The exercise screens also run the
// calculation a pending solve request names, after drawing.
#include <string>
#include <vector>

#include "app/OutputToTextFile.h"
#include "app/Screens.h"
#include "gfx/Layout.h"

class CPU;
class SDLGraphics;

class DifferentScreens {
public:
    DifferentScreens() = default;

    void start_screen(SDLGraphics* g, CPU* cpu);    // the start menu and language item (MenuScreens.cpp)
    void options(SDLGraphics* g, CPU* cpu);         // Options: full screen, grid, the keys (MenuScreens.cpp)
    void about(SDLGraphics* g);                     // About: the credits (MenuScreens.cpp)
    void part1(SDLGraphics* g, CPU* cpu);           // chapter 1's seven exercises, then its solve step (Chapter1Screen.cpp)
    void part2(SDLGraphics* g, CPU* cpu);           // chapter 2's five exercises, then its solve step (Chapter2Screen.cpp)
    void part3(SDLGraphics* g, CPU* cpu);           // chapter 3's four exercises, then its solve step (Chapter3Screen.cpp)
    void part4(SDLGraphics* g, CPU* cpu);           // the chapter 4 menu (MenuScreens.cpp)
    void drawGridlines(SDLGraphics* g, CPU* cpu);   // the plane's grid, when switched on (CoordinatePlane.cpp)
    void drawStartingLines(SDLGraphics* g, CPU* cpu);  // the plane's axes, ticks and labels (CoordinatePlane.cpp)
    void part4_program1(SDLGraphics* g, CPU* cpu);  // up to three lines y = ax + b (LinePlots.cpp)
    void part4_program2(SDLGraphics* g, CPU* cpu);  // the line through two points (LinePlots.cpp)
    void part4_program3(SDLGraphics* g, CPU* cpu);  // two scaled vectors and their sum (VectorPlot.cpp)
    // What the three plot screens draw on the plane from the texts of their fields, in the fields'
    // order: typed on the plot screen, or a practice problem's (LinePlots.cpp, VectorPlot.cpp).
    void drawStraightLines(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed);
    void drawTwoPointsLine(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed);
    void drawVectors(SDLGraphics* g, CPU* cpu, const std::vector<std::string>& typed);
    void working(SDLGraphics* g, CPU* cpu);         // a pending save of working.txt, then the working (WorkingScreen.cpp)
    void practice(SDLGraphics* g, CPU* cpu);        // a problem, its answer fields, verdict and hints (PracticeScreen.cpp)
    // A plot's problem drawn on the plane once its answer is checked (PracticeScreen.cpp).
    void drawProblemOnThePlane(SDLGraphics* g, CPU* cpu, Screen plot);
    // The arrowhead of mb·[x, y] with its tip at (vecX, vecY) from the plane's corner (VectorPlot.cpp).
    void drawVectorArrows(SDLGraphics* g, CPU* cpu, double x, double y, double mb, int vecX, int vecY,
                          std::string color);

    // Layout size from which screen positions are computed, whatever the window's size.
    const int B_WIDTH = layout::WIDTH;
    const int B_HEIGHT = layout::HEIGHT;

    // Where the prime listing and the Goldbach check are saved; it remembers
    // whether a failed save was already reported.
    OutputToTextFile results_file;
};
