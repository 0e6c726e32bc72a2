#pragma once
// Cutting a long text into lines of a fixed number of characters: the five
// lines of the solution panel, the lines of the working screen.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace calc {

using FiveLines = std::array<std::string, 5>;

// Line k holds the characters from lineLength*(k-1) on, at most lineLength
// of them; a line that starts past the end stays empty, and characters past
// the fifth line are shown in none. The cut ignores words and numbers.
FiveLines cutIntoLines(const std::string& text, std::size_t lineLength);

// `text` in pieces of `lineLength` characters, the last one shorter; an empty
// text gives one empty line. Like the panel's cut, it ignores words and numbers.
std::vector<std::string> cutEvery(const std::string& text, std::size_t lineLength);

}  // namespace calc
