#pragma once
// Cutting a long result text into the five lines of the solution panel.
#include <array>
#include <cstddef>
#include <string>

namespace calc {

using FiveLines = std::array<std::string, 5>;

// Line k holds the characters from lineLength*(k-1) on, at most lineLength
// of them; a line that starts past the end stays empty, and characters past
// the fifth line are shown in none. The cut ignores words and numbers.
FiveLines cutIntoLines(const std::string& text, std::size_t lineLength);

}  // namespace calc
