#pragma once
// Replacing a whole text file safely, for every file the program writes.
#include <string>

// Writes `text` beside `fileName` and renames it over the file, so an
// interrupted save never leaves half a file. On failure returns false, leaves
// the old file as it was and puts the reason in `why`.
bool replaceTextFile(const std::string& fileName, const std::string& text, std::string& why);
