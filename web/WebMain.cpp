// The program in the browser: the same start-up, frames and shut-down as on
// the desktop, but the browser's animation callback runs the frames, and the
// page hears of saved files, full screen and the end through Module hooks.
#include <emscripten.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "app/FrameLoop.h"
#include "app/Settings.h"

namespace {

// A file the page offers for download, and what it last saw of it.
struct OfferedFile {
    const char* name;
    ino_t node = 0;  // every save writes a new file and renames it over the old
    time_t modified = 0;
    off_t size = -1;
};

OfferedFile g_offered[] = {{"results.txt"}, {"working.txt"}};
bool g_pageFullscreen = false;

// Tells the page about every offered file that was saved since the last frame.
void offerSavedFiles() {
    for (OfferedFile& file : g_offered) {
        struct stat status;
        if (stat(file.name, &status) != 0) continue;
        if (status.st_ino == file.node && status.st_mtime == file.modified && status.st_size == file.size) continue;
        file.node = status.st_ino;
        file.modified = status.st_mtime;
        file.size = status.st_size;
        EM_ASM({ if (Module.calcoraSaved) Module.calcoraSaved(UTF8ToString($0)); }, file.name);
    }
}

void followFullscreen() {
    if (g_cpu->getFullscreen() == g_pageFullscreen) return;
    g_pageFullscreen = g_cpu->getFullscreen();
    EM_ASM({ if (Module.calcoraFullscreen) Module.calcoraFullscreen($0); }, g_pageFullscreen);
}

void browserFrame() {
    runFrame();
    offerSavedFiles();
    if (g_cpu->isGameRunning()) {
        followFullscreen();
        return;
    }
    emscripten_cancel_main_loop();
    Shutdown();
    EM_ASM({ if (Module.calcoraEnded) Module.calcoraEnded(); });
}

}  // namespace

extern "C" {

// The page calls this when full screen was left by the browser's own means
// (Escape, F11): the program follows, as if it had been switched off in Options.
EMSCRIPTEN_KEEPALIVE void calcora_left_fullscreen() {
    g_pageFullscreen = false;
    if (!g_cpu || !g_cpu->getFullscreen()) return;
    g_cpu->setFullscreen(false);
    g_cpu->setChangedDisplayMode(true);
}

// The store's answer (the whole answer, then its first line), for the browser tests.
EMSCRIPTEN_KEEPALIVE const char* calcora_answer() {
    static std::string answer;
    answer = g_cpu ? g_cpu->getSolution() + "\n" + g_cpu->getSolutionLine1() : "";
    return answer.c_str();
}

// The text of an input field by its name ("part1_program1_n"), for the browser tests.
EMSCRIPTEN_KEEPALIVE const char* calcora_field(const char* name) {
    static std::string field;
    const std::optional<Field> f = fieldNamed(name);
    field = g_cpu && f ? g_cpu->getField(*f) : "";
    return field.c_str();
}

// The screen shown, for the browser tests.
EMSCRIPTEN_KEEPALIVE const char* calcora_screen() {
    static std::string screen;
    screen = g_cpu ? g_cpu->getCurrentMenu() : "";
    return screen.c_str();
}

}  // extern "C"

int main() {
    if (!Init()) {
        Shutdown();
        return 1;
    }
    rememberSettings(*g_cpu);
    emscripten_set_main_loop(browserFrame, 0, 0);
    return 0;
}
