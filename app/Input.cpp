// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Input.h"

#include "KeyRepeat.h"

namespace {

// Events SDL is told to drop before they reach its queue.
[[maybe_unused]] const SDL_EventType UNUSED_EVENTS[] = {
    SDL_ACTIVEEVENT,     SDL_MOUSEMOTION,     SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_JOYAXISMOTION,
    SDL_JOYBALLMOTION,   SDL_JOYHATMOTION,    SDL_JOYBUTTONDOWN,   SDL_JOYBUTTONUP,   SDL_SYSWMEVENT,
    SDL_VIDEORESIZE,
};

// Chromium reports "-" by its key code 189, which the browser's SDL layer
// passes on unchanged.
SDLKey sameOnEveryPlatform(SDLKey key) {
#ifdef __EMSCRIPTEN__
    if (key == 189) return SDLK_MINUS;
#endif
    return key;
}

// Set when a close request comes, before it has to find room in SDL's
// queue: a full queue drops what comes after, a key storm fills it.
bool closeRequested = false;

[[maybe_unused]] int noticeCloseRequests(const SDL_Event* event) {
    if (event->type == SDL_QUIT) closeRequested = true;
    return 1;  // the request is queued too, where there is room
}

}  // namespace

// The browser's SDL layer has no SDL_EventState; its queue has no fixed size,
// and the events the program does not use are taken and dropped there.
Input::Input() {
    SDL_EnableUNICODE(1);
#ifndef __EMSCRIPTEN__
    for (SDL_EventType type : UNUSED_EVENTS) SDL_EventState(type, SDL_IGNORE);
    closeRequested = false;
    SDL_SetEventFilter(noticeCloseRequests);
    keepFastRepeatedKeys();
#endif
}

bool Input::readInput() {
    m_lastEventShows = false;
    const bool taken = SDL_PollEvent(&m_event) != 0;
    if (closeRequested && !m_windowClosed) m_windowClosed = m_lastEventShows = true;
    if (!taken) return false;
    switch (m_event.type) {
    case SDL_QUIT:
        m_windowClosed = true;
        m_lastEventShows = true;
        break;
    case SDL_KEYDOWN:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = true;
        keyPressed = sameOnEveryPlatform(m_event.key.keysym.sym);
        m_shiftWithKey = (m_event.key.keysym.mod & KMOD_SHIFT) != 0;
        m_characterWithKey = m_event.key.keysym.unicode;
        wasKeyPressed = true;
        m_lastEventShows = true;
        break;
    case SDL_KEYUP:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = false;
        break;
    case SDL_VIDEOEXPOSE:
        m_lastEventShows = true;
        break;
    default:
        break;  // anything else that still arrives is taken and ignored
    }
    return true;
}
