// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both fuzz targets need to know about the screens: which characters a
// field accepts, read from the key tables, and a check that aborts with a
// message libFuzzer shows beside the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CPU.h"
#include "input/KeyTables.h"

namespace fuzzsupport {

inline void require(bool holds, const char* what, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// The characters the item's field accepts on that screen, as the first
// typing rule naming the item (or any item) says; empty: none.
inline std::string acceptedCharacters(const ScreenKeys& keys, const std::string& item) {
    for (const TypingRule& rule : keys.typing)
        if (!rule.item || item == rule.item) return rule.characters;
    return {};
}

}  // namespace fuzzsupport
