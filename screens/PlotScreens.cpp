// Chapter 4 plot screens not drawn yet: they show only the background.
#include "DifferentScreens.h"

void DifferentScreens::drawGridlines(SDLGraphics*, CPU*) {}
void DifferentScreens::drawStartingLines(SDLGraphics*, CPU*) {}
void DifferentScreens::part4_program1(SDLGraphics*, CPU*) {}
void DifferentScreens::part4_program2(SDLGraphics*, CPU*) {}
void DifferentScreens::part4_program3(SDLGraphics*, CPU*) {}
void DifferentScreens::drawVectorArrows(SDLGraphics*, CPU*, double, double, double, int, int, std::string) {}
