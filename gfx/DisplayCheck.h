#pragma once
// SDL 1.2, left to choose its video driver where there is no display to open,
// falls back to drivers that draw the window as text art in the terminal.
// Nobody can use the program that way, so start-up stops with a clear word.
#include <string>

// The start-up error for no graphical display (after "calcora: ").
constexpr const char* NO_GRAPHICAL_DISPLAY = "no graphical display found; run it in a desktop session";

// Whether the video driver SDL chose (`chosen`; empty when none could start)
// leaves the program without a graphical display. A driver asked for by name
// (`requested`, the value of SDL_VIDEODRIVER, may be null) is always honoured.
bool lacksGraphicalDisplay(const std::string& chosen, const char* requested);

// Before SDL starts: when no driver is asked for, a text-mode driver SDL falls
// back to will be refused anyway, so libcaca is told to start without taking
// over the terminal (no escape codes reach it).
void quietenTextModeFallback(const char* requested);
