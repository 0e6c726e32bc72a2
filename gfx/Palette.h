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
// The program's own small hints ("W: show the working", "P: practise"): a
// grey dark enough to be read on the silver panel as well as on white (4.5:1).
constexpr Color HINT_GRAY{72, 72, 72};
// Not drawn at all: a border the standard look has none of, a picture kept in its own colours.
constexpr Color NONE{0, 0, 0, 0};

// High contrast: light colours on black. The plot colours are lighter kin of
// the colour-blind-safe blue #0072B2, vermillion #D55E00 and bluish green #009E73.
constexpr Color YELLOW{255, 255, 0};
constexpr Color LIGHT_CYAN{128, 255, 255};
constexpr Color LIGHT_RED{255, 140, 140};
constexpr Color LIGHT_GREEN{128, 255, 128};
constexpr Color PALE_GRAY{200, 200, 200};
constexpr Color MID_GRAY{128, 128, 128};
constexpr Color DARK_GRAY{48, 48, 48};
constexpr Color DARK_BLUE{0, 0, 112};
constexpr Color SKY_BLUE{86, 180, 233};
constexpr Color LIGHT_VERMILLION{255, 150, 100};
constexpr Color LIGHT_BLUISH_GREEN{80, 220, 170};

}  // namespace palette

// Each role with its colour in the standard palette and in the high-contrast
// one; a text names its role as written here ("answer_text").
#define CALCORA_COLOR_ROLES(X)                                                                              \
    X(background, WHITE, BLACK)         /* the window behind every screen */                                \
    X(frame, GRAY, BLACK)               /* around the exercise panels and the working's page */             \
    X(panel, SILVER, BLACK)             /* the exercise cells' panel, the plot screens' panel */            \
    X(answer_panel, WHITE, BLACK)       /* the solution panel, the working's page */                        \
    X(cell_frame, BLACK, MID_GRAY)      /* the outline of each exercise cell */                             \
    X(border, NONE, WHITE)              /* around panels, fields and buttons, where the fills alone differ too little */ \
    X(button, GRAY, DARK_BLUE)          /* calculate buttons, the plot panel's value boxes */               \
    X(field, LIGHT_GRAY, DARK_GRAY)     /* the input boxes of the exercise screens */                       \
    X(text, BLACK, WHITE)               /* labels, menu rows, typed values, answers, working steps */       \
    X(title, BLUE, LIGHT_CYAN)          /* exercise titles, the working's title, "controls:" */             \
    X(highlight, BLUE, YELLOW)          /* the language the start screen offers, a name being typed */      \
    X(marker, NONE, YELLOW)             /* the highlight marker: its picture's own colours, or this one */  \
    X(answer_text, BLUE, YELLOW)        /* the answer lines of the working */                               \
    X(message, RED, LIGHT_RED)          /* a failed save, the Delete hint, "more above" and "more below" */ \
    X(success, GREEN, LIGHT_GREEN)      /* a save that worked */                                            \
    X(hint, HINT_GRAY, PALE_GRAY)       /* "W: show the working", "P: practise", how to type a name */      \
    X(on_frame, WHITE, WHITE)           /* the working screen's key line, written on the frame */           \
    X(axis, BLACK, WHITE)               /* the plane's axes, arrowheads, ticks and numbers */               \
    X(grid, GRAY, MID_GRAY)             /* the grid's vertical lines */                                     \
    X(grid_rows, BLACK, MID_GRAY)       /* the grid's horizontal lines */                                   \
    X(plot_line1, RED, LIGHT_VERMILLION) /* straight line 1, the line through two points, vector 1 */       \
    X(plot_line2, BLUE, SKY_BLUE)       /* straight line 2, vector 2 */                                     \
    X(plot_line3, GREEN, LIGHT_BLUISH_GREEN) /* straight line 3, the sum of the vectors */                  \
    X(plot_point, BLUE, WHITE)          /* the two typed points */                                      \
    X(plot_text_backing, NONE, BLACK)   /* behind the plane's texts, where grid lines would cross them */

struct Palette {
#define CALCORA_PALETTE_MEMBER(role, standard, high_contrast) Color role;
    CALCORA_COLOR_ROLES(CALCORA_PALETTE_MEMBER)
#undef CALCORA_PALETTE_MEMBER
    // Plot lines also differ by pattern and carry their number, not by colour alone.
    bool lines_told_apart_without_colour;
};

namespace palette {

constexpr Palette STANDARD = {
#define CALCORA_STANDARD_COLOR(role, standard, high_contrast) standard,
    CALCORA_COLOR_ROLES(CALCORA_STANDARD_COLOR)
#undef CALCORA_STANDARD_COLOR
    false,
};

constexpr Palette HIGH_CONTRAST = {
#define CALCORA_HIGH_CONTRAST_COLOR(role, standard, high_contrast) high_contrast,
    CALCORA_COLOR_ROLES(CALCORA_HIGH_CONTRAST_COLOR)
#undef CALCORA_HIGH_CONTRAST_COLOR
    true,
};

// Whether the screens draw with HIGH_CONTRAST from now on (else STANDARD).
void useHighContrast(bool on);

// The palette the screens draw with.
const Palette& current();

// The colour of the role named `name` in the palette in use; none for a
// name that is no role.
std::optional<Color> named(const std::string& name);

}  // namespace palette
