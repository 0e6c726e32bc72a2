#pragma once
// The event reader: takes at most one window event per frame and reports
// whether the window was closed, which key went down last and whether that
// key-down still waits to be handled.
#include <SDL/SDL.h>

class Input {
public:
    Input();

    // Takes at most one pending event; returns whether one was taken.
    bool readInput();
    bool* getInput() { return m_keysHeld; }
    bool windowClosed() const { return m_windowClosed; }
    SDLKey getKeyPressed() const { return keyPressed; }
    bool checkIfKeyPressed() const { return wasKeyPressed; }
    void setKeyPressedToFalse() { wasKeyPressed = false; }

private:
    static constexpr int KEY_COUNT = SDLK_LAST;  // one flag per SDL 1.2 key symbol

    SDL_Event m_event{};
    bool m_keysHeld[KEY_COUNT] = {};
    bool m_windowClosed = false;
    SDLKey keyPressed = SDLK_UNKNOWN;
    bool wasKeyPressed = false;
};
