// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screens.h"

namespace {

const char* const SCREEN_NAMES[] = {
#define CALCORA_SCREEN_NAME(id, name) name,
    CALCORA_SCREENS(CALCORA_SCREEN_NAME)
#undef CALCORA_SCREEN_NAME
};
static_assert(sizeof(SCREEN_NAMES) / sizeof(SCREEN_NAMES[0]) == SCREEN_COUNT, "one name per screen");

}  // namespace

const char* screenName(Screen s) { return SCREEN_NAMES[static_cast<int>(s)]; }

std::optional<Screen> screenNamed(const std::string& name) {
    for (int i = 0; i < SCREEN_COUNT; ++i)
        if (name == SCREEN_NAMES[i]) return screenAt(i);
    return std::nullopt;
}

Screen screenAt(int index) { return static_cast<Screen>(index); }
