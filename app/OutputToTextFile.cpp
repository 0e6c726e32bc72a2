#include "OutputToTextFile.h"

#include <iostream>

#include "CPU.h"
#include "TextFile.h"

namespace {

bool g_failureReported = false;

bool fail(const std::string& why) {
    if (!g_failureReported) std::cerr << "calcora: cannot save " << OutputToTextFile::FILE_NAME << ": " << why << "\n";
    g_failureReported = true;
    return false;
}

}  // namespace

bool OutputToTextFile::save_to_text_file(CPU* cpu) {
    std::string why;
    return replaceTextFile(FILE_NAME, cpu->getSolution() + "\n", why) || fail(why);
}
