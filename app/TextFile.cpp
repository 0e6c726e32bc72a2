#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

bool replaceTextFile(const std::string& fileName, const std::string& text, std::string& why) {
    const std::string temporary = fileName + ".tmp";
    {
        std::ofstream out(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
        if (!out) {
            why = std::strerror(errno);
            return false;
        }
        out << text;
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            why = "write failed";
            return false;
        }
    }
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        why = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
