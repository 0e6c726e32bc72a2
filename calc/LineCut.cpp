// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineCut.h"

namespace calc {

FiveLines cutIntoLines(const std::string& text, std::size_t lineLength) {
    FiveLines lines;
    for (std::size_t k = 0; k < lines.size() && k * lineLength < text.size(); ++k)
        lines[k] = text.substr(k * lineLength, lineLength);
    return lines;
}

std::vector<std::string> wrapAtBlanks(const std::string& text, std::size_t width) {
    if (text.size() <= width) return {text};
    std::vector<std::string> rows;
    std::size_t rowStart = 0, lastBreak = std::string::npos;  // the blank after the row's last whole term
    int depth = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        const char c = at < text.size() ? text[at] : ' ';
        if (c == '(' || c == '[') ++depth;
        if ((c == ')' || c == ']') && depth > 0) --depth;
        if (c != ' ' || (depth > 0 && at < text.size())) continue;
        // A term ends at `at`: break before it when it no longer fits the row.
        if (at - rowStart > width && lastBreak != std::string::npos) {
            rows.push_back(text.substr(rowStart, lastBreak - rowStart));
            rowStart = lastBreak + 1;
        }
        lastBreak = at;
    }
    rows.push_back(text.substr(rowStart));
    return rows;
}

}  // namespace calc
