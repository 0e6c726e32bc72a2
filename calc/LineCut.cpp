#include "LineCut.h"

namespace calc {

std::vector<std::string> cutEvery(const std::string& text, std::size_t lineLength) {
    std::vector<std::string> lines{text.substr(0, lineLength)};
    for (std::size_t start = lineLength; start < text.size(); start += lineLength)
        lines.push_back(text.substr(start, lineLength));
    return lines;
}

FiveLines cutIntoLines(const std::string& text, std::size_t lineLength) {
    const std::vector<std::string> all = cutEvery(text, lineLength);
    FiveLines lines;
    for (std::size_t k = 0; k < lines.size() && k < all.size(); ++k) lines[k] = all[k];
    return lines;
}

}  // namespace calc
