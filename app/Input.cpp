#include "Input.h"

namespace {

// Chromium reports "-" by its key code 189, which the browser's SDL layer
// passes on unchanged.
SDLKey sameOnEveryPlatform(SDLKey key) {
#ifdef __EMSCRIPTEN__
    if (key == 189) return SDLK_MINUS;
#endif
    return key;
}

}  // namespace

Input::Input() = default;

bool Input::readInput() {
    if (!SDL_PollEvent(&m_event)) return false;
    switch (m_event.type) {
    case SDL_QUIT:
        m_windowClosed = true;
        break;
    case SDL_KEYDOWN:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = true;
        keyPressed = sameOnEveryPlatform(m_event.key.keysym.sym);
        wasKeyPressed = true;
        break;
    case SDL_KEYUP:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = false;
        break;
    default:
        break;  // mouse and window events are taken and ignored
    }
    return true;
}
