#pragma once
// The key dispatcher: turns one key press into changes of the state store
// (screen, highlights, typed values, solve request, flags) or of the text
// table's language. It draws nothing and keeps nothing between calls.
#include <SDL/SDL.h>

#include <string>

#include "app/CPU.h"

class SDLGraphics;
struct ScreenKeys;

class Input2 {
public:
    Input2() = default;
    bool windowClosed() const { return m_windowClosed; }

    // Handles one key-down; `g` is passed in but not used.
    void readInputForPressingAKey(SDLKey keyPressed, CPU* cpu, SDLGraphics* g);

    // Append the one-character text `nr` to the field the screen's highlight names.
    void part1_enter_value(CPU* cpu, std::string nr);
    void part2_enter_value(CPU* cpu, std::string nr);
    void part3_enter_value(CPU* cpu, std::string nr);
    void part4_program1_enter_value(CPU* cpu, std::string nr);
    void part4_program2_enter_value(CPU* cpu, std::string nr);
    void part4_program3_enter_value(CPU* cpu, std::string nr);

private:
    [[maybe_unused]] SDL_Event m_event{};  // not used
    bool m_windowClosed = false;
};

// The character a key types ('.' for both period and comma), or 0.
char typedCharacter(SDLKey key);
