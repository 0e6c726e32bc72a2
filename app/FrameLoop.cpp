// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameLoop.h"

#include <iostream>

#include "GlobalVariables.h"
#include "PracticeFiles.h"
#include "Settings.h"
#include "input/PracticeActions.h"
#include "screens/WorkingScreen.h"

const char* WINDOW_TITLE = "Calcora";
CPU* g_cpu = nullptr;
SDLGraphics* g_graphics = nullptr;
Input* g_input = nullptr;
Input2* g_input2 = nullptr;
DifferentScreens* g_different_screens = nullptr;

FrameLoop* g_frame_loop = nullptr;

namespace {

// One routine per screen, in the order of the screen list.
const ScreenRoutine SCREEN_ROUTINES[] = {
    /* start_screen */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.start_screen(g, c); },
    /* part1 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part1(g, c); },
    /* part2 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part2(g, c); },
    /* part3 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part3(g, c); },
    /* part4 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part4(g, c); },
    /* part4_program1 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part4_program1(g, c); },
    /* part4_program2 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part4_program2(g, c); },
    /* part4_program3 */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.part4_program3(g, c); },
    /* options_menu */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.options(g, c); },
    /* about_menu */ [](DifferentScreens& s, SDLGraphics* g, CPU*) { s.about(g); },
    /* working */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.working(g, c); },
    /* practice */ [](DifferentScreens& s, SDLGraphics* g, CPU* c) { s.practice(g, c); },
};
static_assert(sizeof(SCREEN_ROUTINES) / sizeof(SCREEN_ROUTINES[0]) == SCREEN_COUNT, "one routine per screen");

// These screens start with a box over the whole layout, so clearing the
// frame first would only double the largest fill (at 200% it is most of a
// frame's time).
bool paintsEveryPixel(const std::string& menu) {
    const std::optional<Screen> screen = screenNamed(menu);
    return screen && (*screen == Screen::part1 || *screen == Screen::part2 || *screen == Screen::part3 ||
                      *screen == Screen::working || *screen == Screen::practice);
}

// The texts a screen shows that the store keeps made: the working's lines,
// the practice screen's texts in the language shown.
struct TextsToPrepare {
    Screen screen;
    void (*prepare)(CPU& cpu);
};
const TextsToPrepare TEXTS_TO_PREPARE[] = {
    {Screen::working, makeWorkingText},
    {Screen::practice, showPracticeInLanguage},
};

bool applyDisplayMode() {
    if (!g_cpu->getChangedDisplayMode()) return false;
    g_graphics->setDisplay(g_cpu->getFullscreen(), g_cpu->getSizePercent());
    g_cpu->setChangedDisplayMode(false);
    return true;
}

}  // namespace

ScreenRoutine screenRoutine(Screen screen) { return SCREEN_ROUTINES[static_cast<int>(screen)]; }

bool Init() {
    g_cpu = new CPU();
    const Color background = palette::current().background;
    g_graphics = new SDLGraphics(g_cpu->getWindowWidth(), g_cpu->getWindowHeight(), WINDOW_TITLE, background.r,
                                 background.g, background.b);
    if (!g_graphics->isReady()) {
        std::cerr << "calcora: " << g_graphics->startupError() << "\n";
        return false;
    }
    g_cpu->setLargestSizePercent(g_graphics->largestSizePercent());
    g_input = new Input();
    g_input2 = new Input2();
    g_different_screens = new DifferentScreens();
    g_frame_loop = new FrameLoop();
    setUpLanguage();
    return true;
}

bool handleInput() {
    const bool taken = g_input->readInput();
    const SDLKey keyPressed = g_input->getKeyPressed();
    if (g_input->checkIfKeyPressed()) {
        g_input2->readInputForPressingAKey(keyPressed, g_cpu, g_graphics, g_input->shiftWithKey(),
                                           g_input->characterWithKey());
        g_input->setKeyPressedToFalse();
    }
    if (g_input->windowClosed()) g_cpu->setGameIsRunning(false);
    return taken;
}

void prepareShownTexts(CPU& cpu) {
    const std::optional<Screen> screen = screenNamed(cpu.getCurrentMenu());
    for (const TextsToPrepare& row : TEXTS_TO_PREPARE)
        if (screen == row.screen) row.prepare(cpu);
}

void drawCurrentScreen() {
    prepareShownTexts(*g_cpu);
    if (const auto screen = screenNamed(g_cpu->getCurrentMenu()))
        screenRoutine(*screen)(*g_different_screens, g_graphics, g_cpu);
}

void applyLook(const CPU& cpu, SDLGraphics& graphics) {
    palette::useHighContrast(cpu.getHighContrast());
    const Color background = palette::current().background;
    graphics.setBackgroundColor(background.r, background.g, background.b);
}

void beginFrame(const CPU& cpu, SDLGraphics& graphics) {
    applyLook(cpu, graphics);
    if (!paintsEveryPixel(cpu.getCurrentMenu())) graphics.beginScene();
}

bool FrameLoop::runFrame() {
    if (applyDisplayMode()) m_redrawNeeded = true;
    if (handleInput() && g_input->lastEventShows()) m_redrawNeeded = true;
    keepSettings(*g_cpu);
    const bool rowsWaited = g_cpu->getPracticeRowsWaiting();
    const bool assignmentAsked = !g_cpu->getAssignmentAsked().empty();
    keepPractice(*g_cpu);  // reads the assignment again when A asked for it
    if (assignmentAsked) openAskedAssignment(*g_cpu);
    if (g_cpu->getPracticeRowsWaiting() != rowsWaited) m_redrawNeeded = true;  // the practice screen says so
    const bool draw = m_redrawNeeded && g_graphics->getScreen() != nullptr;
    if (draw) {
        const std::string request = g_cpu->getSolveThisProgram();
        beginFrame(*g_cpu, *g_graphics);
        drawCurrentScreen();
        g_graphics->endScene();
        m_redrawNeeded = g_cpu->getSolveThisProgram() != request;
        if (m_speech.follow(*g_cpu)) m_redrawNeeded = true;
    } else if (m_speech.watch(*g_cpu)) {
        m_redrawNeeded = true;
    }
    SDL_Delay(m_frameDelay);
    return draw;
}

bool runFrame() { return g_frame_loop->runFrame(); }

void setFrameDelay(Uint32 milliseconds) { g_frame_loop->setFrameDelay(milliseconds); }

void Start_game() {
    while (g_cpu->isGameRunning()) runFrame();
}

void Shutdown() {
    delete g_cpu;
    delete g_graphics;  // closes the window: SDL_ttf and SDL end here
    delete g_input;
    delete g_input2;
    delete g_different_screens;
    delete g_frame_loop;
    g_cpu = nullptr;
    g_graphics = nullptr;
    g_input = nullptr;
    g_input2 = nullptr;
    g_different_screens = nullptr;
    g_frame_loop = nullptr;
}

int SDL_main(int, char*[]) {
    if (!Init()) {
        Shutdown();
        return 1;
    }
    g_cpu->setSpeech(screenReaderRunning());  // until the settings file says otherwise
    rememberSettings(*g_cpu);
    rememberPractice(*g_cpu);
    Start_game();
    Shutdown();
    return 0;
}
