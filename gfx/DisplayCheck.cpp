#include "DisplayCheck.h"

#include <cstdlib>

namespace {

// SDL 1.2's drivers that draw into a terminal.
const char* const TEXT_MODE_DRIVERS[] = {"caca", "aalib"};

}  // namespace

bool lacksGraphicalDisplay(const std::string& chosen, const char* requested) {
    if (requested && *requested) return false;
    if (chosen.empty()) return true;
    for (const char* driver : TEXT_MODE_DRIVERS)
        if (chosen == driver) return true;
    return false;
}

void quietenTextModeFallback(const char* requested) {
    if (!requested || !*requested) setenv("CACA_DRIVER", "null", 1);
}
