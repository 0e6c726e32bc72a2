// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up, the frame loop and shut-down: the program's few long-lived
// objects and the order of operations of one frame.
#include "CPU.h"
#include "Input.h"
#include "Screens.h"
#include "Speech.h"
#include "gfx/SDLGraphics.h"
#include "input/Input2.h"
#include "screens/DifferentScreens.h"

// What the frame loop keeps between frames: whether the next frame must be
// drawn, and the pause after each frame.
class FrameLoop {
public:
    // One frame: display mode, one event, draw (when anything may have
    // changed), present, say what changed, sleep. Returns whether the frame
    // was drawn.
    bool runFrame();
    // The pause at the end of every frame, 1 ms; tests that run many frames set 0.
    void setFrameDelay(Uint32 milliseconds) { m_frameDelay = milliseconds; }

private:
    // An unchanged frame is not drawn again: only after an event that can
    // change it, a display-mode change or a frame that ran a solve request
    // (whose result shows next frame).
    bool m_redrawNeeded = true;
    Uint32 m_frameDelay = 1;
    Speech m_speech;
};

extern const char* WINDOW_TITLE;
extern CPU* g_cpu;
extern SDLGraphics* g_graphics;
extern Input* g_input;
extern Input2* g_input2;
extern DifferentScreens* g_different_screens;
extern FrameLoop* g_frame_loop;

// Creates the objects and opens the window; false (with a message on stderr)
// when SDL video, the video mode or SDL_ttf could not start.
bool Init();
// Runs frames until the running flag is cleared.
void Start_game();
// One frame of the run's frame loop (see FrameLoop::runFrame).
bool runFrame();
// One input step: takes at most one event; returns whether one was taken.
bool handleInput();
void Shutdown();

// The program: Init, Start_game, Shutdown; 0 on a normal end, 1 when start-up failed.
int SDL_main(int argc, char* argv[]);

// Sets the run's pause after each frame (see FrameLoop::setFrameDelay).
void setFrameDelay(Uint32 milliseconds);

// Makes the texts the shown screen reads from the store (the working's
// lines, the practice screen's texts in the language shown), in one step
// before drawing, so that drawing only reads.
void prepareShownTexts(CPU& cpu);
// Prepares and draws the screen `current_menu` names; other names draw nothing.
void drawCurrentScreen();

// The palette the store asks for (high contrast or not), and its background
// for the frames that follow.
void applyLook(const CPU& cpu, SDLGraphics& graphics);
// The look applied and the frame cleared, unless the screen shown paints every pixel itself.
void beginFrame(const CPU& cpu, SDLGraphics& graphics);

// The routine that draws each screen, indexed by `Screen`.
using ScreenRoutine = void (*)(DifferentScreens&, SDLGraphics*, CPU*);
ScreenRoutine screenRoutine(Screen screen);
