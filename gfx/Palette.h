#pragma once
// Every colour the program draws, named once, and the one colour type.
#include <SDL/SDL.h>

struct Color {
    Uint8 r, g, b;
    Uint8 a = 255;
};

namespace palette {

constexpr Color BLACK{0, 0, 0};
constexpr Color WHITE{255, 255, 255};
constexpr Color RED{255, 0, 0};
constexpr Color BLUE{0, 0, 255};
constexpr Color GREEN{0, 128, 0};
constexpr Color GRAY{128, 128, 128};        // window frame, buttons, plot boxes, grid
constexpr Color SILVER{192, 192, 192};      // exercise and plot panels
constexpr Color LIGHT_GRAY{225, 225, 225};  // input boxes of the exercise screens

// The colours a text can be asked for by name.
struct NamedColor {
    const char* name;
    Color color;
};
constexpr NamedColor TEXT_COLORS[] = {
    {"black", BLACK}, {"blue", BLUE}, {"white", WHITE}, {"red", RED}, {"green", GREEN}, {"gray", GRAY},
};

}  // namespace palette
