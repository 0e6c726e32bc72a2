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
#define CALCORA_NAMED_ROLE(role, standard) {#role, &Palette::role},
    CALCORA_COLOR_ROLES(CALCORA_NAMED_ROLE)
#undef CALCORA_NAMED_ROLE
};

}  // namespace

const Palette& current() { return STANDARD; }

std::optional<Color> named(const std::string& name) {
    for (const NamedRole& r : ROLES)
        if (name == r.name) return current().*r.role;
    return std::nullopt;
}

}  // namespace palette
