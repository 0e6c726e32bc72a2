#include "Input.h"

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

}  // namespace

// The browser's SDL layer has no SDL_EventState; its queue has no fixed size,
// and the events the program does not use are taken and dropped there.
Input::Input() {
#ifndef __EMSCRIPTEN__
    for (SDL_EventType type : UNUSED_EVENTS) SDL_EventState(type, SDL_IGNORE);
#endif
}

bool Input::readInput() {
    m_lastEventShows = false;
    if (!SDL_PollEvent(&m_event)) return false;
    switch (m_event.type) {
    case SDL_QUIT:
        m_windowClosed = true;
        m_lastEventShows = true;
        break;
    case SDL_KEYDOWN:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = true;
        keyPressed = sameOnEveryPlatform(m_event.key.keysym.sym);
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
