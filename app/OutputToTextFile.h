#pragma once
// Saves the whole result of the prime listing and the Goldbach check to
// results.txt in the working directory.
#include <string>

class CPU;

class OutputToTextFile {
public:
    static constexpr const char* FILE_NAME = "results.txt";

    // Replaces results.txt with the store's `solution` and one line end.
    // The text is written beside the file and renamed over it, so an
    // interrupted save never leaves half a file. Returns whether it was saved;
    // the first failure of this object is reported on stderr.
    bool save_to_text_file(CPU* cpu);

private:
    bool fail(const std::string& why);

    bool m_failureReported = false;
};
