#include "LineCut.h"

namespace calc {

FiveLines cutIntoLines(const std::string& text, std::size_t lineLength) {
    FiveLines lines;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::size_t start = k * lineLength;
        if (start > text.size()) break;
        lines[k] = text.substr(start, lineLength);
    }
    return lines;
}

}  // namespace calc
