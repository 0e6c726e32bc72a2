// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

namespace palette {

namespace {

struct NamedRole {
    const char* name;
    Color Palette::*role;
};

const NamedRole ROLES[] = {
#define CALCORA_NAMED_ROLE(role, standard, high_contrast) {#role, &Palette::role},
    CALCORA_COLOR_ROLES(CALCORA_NAMED_ROLE)
#undef CALCORA_NAMED_ROLE
};

const Palette* g_in_use = &STANDARD;

}  // namespace

void useHighContrast(bool on) { g_in_use = on ? &HIGH_CONTRAST : &STANDARD; }

const Palette& current() { return *g_in_use; }

std::optional<Color> named(const std::string& name) {
    for (const NamedRole& r : ROLES)
        if (name == r.name) return current().*r.role;
    return std::nullopt;
}

}  // namespace palette
