// Chapter screens not drawn yet: they show only the background.
#include "DifferentScreens.h"

void DifferentScreens::part1(SDLGraphics*, CPU*) {}
void DifferentScreens::part2(SDLGraphics*, CPU*) {}
void DifferentScreens::part3(SDLGraphics*, CPU*) {}
