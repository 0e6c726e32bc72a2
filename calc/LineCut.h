// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting a long text into lines: the solution panel's five lines of a fixed
// number of characters, and the working screen's rows, which break only
// between terms.
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

// `text` in rows of at most `width` characters, broken only at blanks
// between terms: never inside a number or a fraction, nor inside brackets,
// so "(12 * 5 + 7 * 3)/(3 * 5)" and "[6, 8]" stay whole. A term longer than
// `width` stands alone on its row. The rows joined with one blank each give
// `text` back; an empty text gives one empty row.
std::vector<std::string> wrapAtBlanks(const std::string& text, std::size_t width);

}  // namespace calc
