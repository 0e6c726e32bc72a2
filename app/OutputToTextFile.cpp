#include "OutputToTextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "CPU.h"

bool OutputToTextFile::fail(const std::string& why) {
    if (!m_failureReported) std::cerr << "calcora: cannot save " << FILE_NAME << ": " << why << "\n";
    m_failureReported = true;
    return false;
}

bool OutputToTextFile::save_to_text_file(CPU* cpu) {
    const std::string text = cpu->getSolution();
    const std::string temporary = std::string(FILE_NAME) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::out | std::ios::trunc);
        if (!out) return fail(std::strerror(errno));
        out << text << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return fail("write failed");
        }
    }
    if (std::rename(temporary.c_str(), FILE_NAME) != 0) {
        const std::string why = std::strerror(errno);
        std::remove(temporary.c_str());
        return fail(why);
    }
    return true;
}
