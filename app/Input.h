// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event reader: takes at most one window event per frame and reports
// whether the window was closed, which key went down last and whether that
// key-down still waits to be handled.
#include <SDL/SDL.h>

class Input {
public:
    // Keeps the events the program has no use for (the mouse above all) out
    // of SDL's queue, which holds 128 events and drops what comes after:
    // a fast mouse would otherwise push out typed keys and close requests.
    // A close request is noticed as it comes, even when the queue is full,
    // and keys typed at machine speed are not taken for auto-repeat. Key-downs
    // carry the character they type (a name takes "ą" from AltGr and a).
    // SDL's video start-up resets this, so make the reader after it.
    Input();

    // Takes at most one pending event; returns whether one was taken.
    bool readInput();
    // Whether the event taken last can change what is drawn: a key-down, a
    // close request or an uncovered window (a key-up changes nothing shown).
    bool lastEventShows() const { return m_lastEventShows; }
    bool* getInput() { return m_keysHeld; }
    bool windowClosed() const { return m_windowClosed; }
    SDLKey getKeyPressed() const { return keyPressed; }
    // Whether Shift was held when that key went down, and the character it
    // typed in the keyboard's layout (0: none, as for the arrows).
    bool shiftWithKey() const { return m_shiftWithKey; }
    char32_t characterWithKey() const { return m_characterWithKey; }
    bool checkIfKeyPressed() const { return wasKeyPressed; }
    void setKeyPressedToFalse() { wasKeyPressed = false; }

private:
    static constexpr int KEY_COUNT = SDLK_LAST;  // one flag per SDL 1.2 key symbol

    SDL_Event m_event{};
    bool m_keysHeld[KEY_COUNT] = {};
    bool m_windowClosed = false;
    bool m_lastEventShows = false;
    SDLKey keyPressed = SDLK_UNKNOWN;
    bool wasKeyPressed = false;
    bool m_shiftWithKey = false;
    char32_t m_characterWithKey = 0;
};
