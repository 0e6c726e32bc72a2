#include "Input.h"

Input::Input() = default;

bool Input::readInput() {
    if (!SDL_PollEvent(&m_event)) return false;
    switch (m_event.type) {
    case SDL_QUIT:
        m_windowClosed = true;
        break;
    case SDL_KEYDOWN:
        if (m_event.key.keysym.sym < KEY_COUNT) m_keysHeld[m_event.key.keysym.sym] = true;
        keyPressed = m_event.key.keysym.sym;
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
