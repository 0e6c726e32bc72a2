// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every colour the program draws, named by what it colours. Screens ask the
// palette in use for a role (`palette::current().panel`), and texts name
// their role ("title"); no screen holds a colour value of its own. Another
// palette (high contrast, say) is one more `Palette` with a value per role.
#include <SDL/SDL.h>

#include <optional>
#include <string>

struct Color {
    Uint8 r, g, b;
    Uint8 a = 255;
};

// The colours the palettes are made of; screens ask for roles, never for these.
namespace palette {

constexpr Color BLACK{0, 0, 0};
constexpr Color WHITE{255, 255, 255};
constexpr Color RED{255, 0, 0};
constexpr Color BLUE{0, 0, 255};
constexpr Color GREEN{0, 128, 0};
constexpr Color GRAY{128, 128, 128};
constexpr Color SILVER{192, 192, 192};
constexpr Color LIGHT_GRAY{225, 225, 225};

}  // namespace palette

// Each role with its colour in the standard palette; a text names its role
// as written here ("answer_text").
#define CALCORA_COLOR_ROLES(X)                                                                  \
    X(background, WHITE)   /* the window behind every screen */                                  \
    X(frame, GRAY)         /* around the exercise panels and the working's page */               \
    X(panel, SILVER)       /* the exercise cells' panel, the plot screens' panel */              \
    X(answer_panel, WHITE) /* the solution panel, the working's page */                          \
    X(cell_frame, BLACK)   /* the outline of each exercise cell */                               \
    X(button, GRAY)        /* calculate buttons, the plot panel's value boxes */                 \
    X(field, LIGHT_GRAY)   /* the input boxes of the exercise screens */                         \
    X(text, BLACK)         /* labels, menu rows, typed values, answers, working steps */         \
    X(title, BLUE)         /* exercise titles, the working's title, "controls:" */               \
    X(highlight, BLUE)     /* the language the start screen offers */                            \
    X(answer_text, BLUE)   /* the answer lines of the working */                                 \
    X(message, RED)        /* a failed save, the Delete hint, "more above" and "more below" */   \
    X(success, GREEN)      /* a save that worked */                                              \
    X(hint, GRAY)          /* "W: show the working" */                                           \
    X(on_frame, WHITE)     /* the working screen's key line, written on the frame */             \
    X(axis, BLACK)         /* the plane's axes, arrowheads, ticks and numbers */                 \
    X(grid, GRAY)          /* the grid's vertical lines */                                       \
    X(grid_rows, BLACK)    /* the grid's horizontal lines */                                     \
    X(plot_line1, RED)     /* straight line 1, the line through two points, vector 1 */         \
    X(plot_line2, BLUE)    /* straight line 2, vector 2 */                                       \
    X(plot_line3, GREEN)   /* straight line 3, the sum of the vectors */                         \
    X(plot_point, BLUE)    /* the two typed points */

struct Palette {
#define CALCORA_PALETTE_MEMBER(role, standard) Color role;
    CALCORA_COLOR_ROLES(CALCORA_PALETTE_MEMBER)
#undef CALCORA_PALETTE_MEMBER
};

namespace palette {

constexpr Palette STANDARD = {
#define CALCORA_STANDARD_COLOR(role, standard) standard,
    CALCORA_COLOR_ROLES(CALCORA_STANDARD_COLOR)
#undef CALCORA_STANDARD_COLOR
};

// The palette the screens draw with.
const Palette& current();

// The colour of the role named `name` in the palette in use; none for a
// name that is no role.
std::optional<Color> named(const std::string& name);

}  // namespace palette
