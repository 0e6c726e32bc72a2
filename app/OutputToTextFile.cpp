// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputToTextFile.h"

#include <iostream>

#include "CPU.h"
#include "SafeFile.h"

bool OutputToTextFile::save_to_text_file(CPU* cpu) {
    std::string why;
    const bool saved = saveTextFile(FILE_NAME, cpu->getSolution() + "\n", why);
    cpu->setResultsNotSaved(!saved);
    cpu->setResultsRefused(!saved && why.rfind(REFUSED_REWRITE, 0) == 0);
    if (!saved && !cpu->getResultsFailureReported()) {
        std::cerr << "calcora: cannot save " << FILE_NAME << ": " << why << "\n";
        cpu->setResultsFailureReported(true);
    }
    return saved;
}
