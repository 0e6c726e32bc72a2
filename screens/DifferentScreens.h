#pragma once
// The screen routines: one per screen, each redrawing everything from the
// state store and the text table. The exercise screens also run the
// calculation a pending solve request names, after drawing.
#include <string>

class CPU;
class SDLGraphics;

class DifferentScreens {
public:
    DifferentScreens() = default;

    void start_screen(SDLGraphics* g, CPU* cpu);
    void options(SDLGraphics* g, CPU* cpu);
    void about(SDLGraphics* g);
    void part1(SDLGraphics* g, CPU* cpu);
    void part2(SDLGraphics* g, CPU* cpu);
    void part3(SDLGraphics* g, CPU* cpu);
    void part4(SDLGraphics* g, CPU* cpu);
    void drawGridlines(SDLGraphics* g, CPU* cpu);
    void drawStartingLines(SDLGraphics* g, CPU* cpu);
    void part4_program1(SDLGraphics* g, CPU* cpu);
    void part4_program2(SDLGraphics* g, CPU* cpu);
    void part4_program3(SDLGraphics* g, CPU* cpu);
    // The working screen; it also runs a pending save of working.txt, before drawing.
    void working(SDLGraphics* g, CPU* cpu);
    void drawVectorArrows(SDLGraphics* g, CPU* cpu, double x, double y, double mb, int vecX, int vecY,
                          std::string color);

    // Layout size from which screen positions are computed, whatever the window's size.
    const int B_WIDTH = 1024;
    const int B_HEIGHT = 768;

    // The coordinate plane's top-left corner, set when the plane is drawn.
    int moveX = 0;
    int moveY = 0;
    // Line coefficients and point or vector coordinates of the current plot.
    double a1 = 0.0, b1 = 0.0, a2 = 0.0, b2 = 0.0, a3 = 0.0, b3 = 0.0;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};
