#include "OutputToTextFile.h"

#include <iostream>

#include "CPU.h"
#include "TextFile.h"

bool OutputToTextFile::fail(const std::string& why) {
    if (!m_failureReported) std::cerr << "calcora: cannot save " << FILE_NAME << ": " << why << "\n";
    m_failureReported = true;
    return false;
}

bool OutputToTextFile::save_to_text_file(CPU* cpu) {
    std::string why;
    return replaceTextFile(FILE_NAME, cpu->getSolution() + "\n", why) || fail(why);
}
