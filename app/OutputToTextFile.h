// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saves the whole result of the prime listing and the Goldbach check to
// results.txt in the working directory.
#include <string>

class CPU;

class OutputToTextFile {
public:
    static constexpr const char* FILE_NAME = "results.txt";

    // Replaces results.txt with the store's `solution` and one line end (see
    // saveTextFile). Returns whether it was saved; the store records a failure
    // for the screen, and the first failure of the run is said on stderr.
    bool save_to_text_file(CPU* cpu);
};
