// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the browser: the same start-up, frames and shut-down as on
// the desktop, but the browser's animation callback runs the frames (and
// stops while nothing changes), the page hands in its keys by name, and
// hears of saved files, full screen, the language, what to say to a screen
// reader and the end through Module hooks.
#include <emscripten.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "app/PracticeFiles.h"
#include "app/Settings.h"
#include "calc/PrimeSieve.h"
#include "gfx/View.h"
#include "screens/ScreenReading.h"
#include "web/WebShims.h"

namespace {

// A file the page offers for download, and what it last saw of it.
struct OfferedFile {
    const char* name;
    ino_t node = 0;  // every save writes a new file and renames it over the old
    time_t modified = 0;
    off_t size = -1;
};

OfferedFile g_offered[] = {{"results.txt"}, {"working.txt"}, {"practice.csv"}};
bool g_pageFullscreen = false;
std::string g_pageLanguage;
ScreenReading g_read;  // what the live region said last
bool g_asleep = false;

// The sizes the screens draw their texts at, the most drawn first, and how
// many new lines a screen may bring at once (a page of a working, the
// practice screen) with some to spare.
const int TEXT_SIZES[] = {14, 16, 12, 20, 18};
const int NEW_LINES_AT_ONCE = 40;

// The keys the page names by the browser's own names, and the character
// each types (0: none); a character ("5", "[", "-", "w", "A", "ą") names
// the key that types it: a printable ASCII character its key, any other
// character no key of its own (it still types, as into a name).
struct NamedKey {
    const char* name;
    SDLKey key;
    char32_t character = 0;
};

// The numpad's keys are the desktop's numpad keys (they type and confirm as
// the main keys do); a numpad comma is the comma.
const NamedKey NAMED_KEYS[] = {
    {"ArrowUp", SDLK_UP},       {"ArrowDown", SDLK_DOWN},      {"ArrowLeft", SDLK_LEFT},
    {"ArrowRight", SDLK_RIGHT}, {"Enter", SDLK_RETURN},        {"Escape", SDLK_ESCAPE},
    {"Delete", SDLK_DELETE},    {"PageUp", SDLK_PAGEUP},       {"PageDown", SDLK_PAGEDOWN},
    {"Home", SDLK_HOME},        {"End", SDLK_END},             {"NumpadEnter", SDLK_KP_ENTER},
    {"Backspace", SDLK_BACKSPACE},
    {"NumpadDecimal", SDLK_KP_PERIOD, '.'}, {"NumpadComma", SDLK_COMMA, ','}, {"NumpadSubtract", SDLK_KP_MINUS, '-'},
    {"Numpad0", SDLK_KP0, '0'}, {"Numpad1", SDLK_KP1, '1'}, {"Numpad2", SDLK_KP2, '2'}, {"Numpad3", SDLK_KP3, '3'},
    {"Numpad4", SDLK_KP4, '4'}, {"Numpad5", SDLK_KP5, '5'}, {"Numpad6", SDLK_KP6, '6'}, {"Numpad7", SDLK_KP7, '7'},
    {"Numpad8", SDLK_KP8, '8'}, {"Numpad9", SDLK_KP9, '9'},
};

// The one character of UTF-8 `name` that SDL 1.2 can carry (UCS-2), else 0.
char32_t onlyCharacter(const char* name) {
    const unsigned char lead = static_cast<unsigned char>(name[0]);
    if (lead >= 0x20 && lead < 0x7F) return name[1] == '\0' ? lead : 0;
    const int length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
    char32_t point = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(name[k]);
        if ((next >> 6) != 0x2) return 0;
        point = (point << 6) | (next & 0x3F);
    }
    return length && name[length] == '\0' && point >= 0xA0 ? point : 0;
}

NamedKey keyNamed(const char* name) {
    for (const NamedKey& k : NAMED_KEYS)
        if (std::strcmp(name, k.name) == 0) return k;
    const char32_t c = onlyCharacter(name);
    return {name, c < 0x7F ? static_cast<SDLKey>(std::tolower(int(c))) : SDLK_UNKNOWN, c};
}

// Frames run again after the page handed in something that may change them.
void wake() {
    if (!g_asleep) return;
    g_asleep = false;
    emscripten_resume_main_loop();
}

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

void followLanguage() {
    const std::string code = language == "Polish" ? "pl" : "en";
    if (code == g_pageLanguage) return;
    g_pageLanguage = code;
    EM_ASM({ if (Module.calcoraLanguage) Module.calcoraLanguage(UTF8ToString($0)); }, code.c_str());
}

bool operator==(const Rect& a, const Rect& b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }

// Tells the page where the highlight is, in canvas pixels, when it moved
// (or the canvas changed size): where the page is too small for the whole
// program it shows that part. An empty box: the screen is read as a whole.
void followHighlight(const ScreenReading& now) {
    static Rect shownWhere{0, 0, 0, 0}, shownSpot{0, 0, 0, 0};
    const bool whole = now.where.x2 <= now.where.x1;
    const Rect where = whole ? Rect{0, 0, 0, 0} : view::box(now.where), spot = view::box(now.spot);
    if (where == shownWhere && spot == shownSpot) return;
    shownWhere = where;
    shownSpot = spot;
    EM_ASM({ if (Module.calcoraFocus) Module.calcoraFocus([$0, $1, $2, $3], [$4, $5, $6, $7]); }, where.x1, where.y1,
           where.x2, where.y2, spot.x1, spot.y1, spot.x2, spot.y2);
}

// Hands the page what changed on screen, one line each, for its live region.
void speak() {
    const ScreenReading now = readScreen(*g_cpu);
    std::string said;
    for (const std::string& line : newlyRead(g_read, now)) said += line + "\n";
    followHighlight(now);
    g_read = now;
    if (!said.empty()) EM_ASM({ if (Module.calcoraSay) Module.calcoraSay(UTF8ToString($0)); }, said.c_str());
}

void browserFrame() {
    const bool drawn = runFrame();
    offerSavedFiles();
    if (g_cpu->isGameRunning()) {
        followFullscreen();
        followLanguage();
        if (drawn) speak();
        // Nothing changed and nothing waits: no frames until the page hands in more.
        if (!drawn && !SDL_PollEvent(nullptr)) {
            g_asleep = true;
            emscripten_pause_main_loop();
        }
        return;
    }
    emscripten_cancel_main_loop();
    Shutdown();
    EM_ASM({ if (Module.calcoraEnded) Module.calcoraEnded(); });
}

}  // namespace

extern "C" {

// The page hands in one key press by the browser's name for it
// (KeyboardEvent.key, or KeyboardEvent.code for the numpad): the program
// reads it as the desktop reads a key press and its release.
EMSCRIPTEN_KEEPALIVE void calcora_key(const char* name) {
    const NamedKey key = keyNamed(name);
    if (!g_cpu || (key.key == SDLK_UNKNOWN && !key.character)) return;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key.key;
    event.key.keysym.unicode = key.character;  // the pushed event is copied whole, this too
    SDL_PushEvent(&event);
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    SDL_PushEvent(&event);
    wake();
}

// The page calls this when full screen was left by the browser's own means
// (Escape, F11): the program follows, as if it had been switched off in Options.
EMSCRIPTEN_KEEPALIVE void calcora_left_fullscreen() {
    g_pageFullscreen = false;
    if (!g_cpu || !g_cpu->getFullscreen()) return;
    g_cpu->setFullscreen(false);
    g_cpu->setChangedDisplayMode(true);
    wake();
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

// The page's address may carry ?seed=N, handed in as --practice-seed N.
int main(int argc, char* argv[]) {
    if (const auto seed = practiceSeedArgument({argv + 1, argv + argc})) setPracticeSeed(*seed);
    else if (argc > 1) std::cerr << "calcora: ?seed= takes a whole number; the practice problems are left to chance\n";
    if (!Init()) {
        Shutdown();
        return 1;
    }
    rememberSettings(*g_cpu);
    rememberPractice(*g_cpu);
    emscripten_set_main_loop(browserFrame, 0, 0);
    // The prime table is built a second after the start, while the pupil
    // reads the start screen, rather than in the frame of the first listing.
    emscripten_async_call([](void*) { PrimeSieve::shared(); }, nullptr, 1000);
    // So are the spoken words of the live region's texts, made on first use,
    // and what drawing new text lines first needs (the start screen has
    // drawn its own by then).
    emscripten_async_call(
        [](void*) {
            spokenText("");
            std::vector<int> sizes;
            for (int size : TEXT_SIZES) sizes.push_back(view::fontSize(size));
            warmTextDrawing(sizes, NEW_LINES_AT_ONCE);
        },
        nullptr, 500);
    return 0;
}
