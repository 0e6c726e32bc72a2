#include "TestSupport.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "app/GlobalVariables.h"

namespace testsupport {

namespace {
std::unique_ptr<SDLGraphics> g_window;
}

SDLGraphics& graphics() {
    const bool alive = g_window && SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetVideoSurface() == g_window->getScreen();
    if (!alive) {
        g_window.reset();  // SDL was shut down under it; its own fonts and images still need freeing
        g_window = std::make_unique<SDLGraphics>(1000, 700, "Calcora", 255, 255, 255);
        useEnglish();
    }
    return *g_window;
}

void closeGraphics() { g_window.reset(); }

void clearFrame() { graphics().beginScene(); }

Rgb pixel(SDL_Surface* surface, int x, int y) {
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return Rgb{-1, -1, -1};
    SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 value = 0;
    switch (bpp) {
    case 1: value = *p; break;
    case 2: value = *reinterpret_cast<const Uint16*>(p); break;
    case 3: value = p[0] | p[1] << 8 | p[2] << 16; break;
    default: value = *reinterpret_cast<const Uint32*>(p); break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return Rgb{r, g, b};
}

Rgb pixel(int x, int y) { return pixel(graphics().getScreen(), x, y); }

int countPixels(int x0, int y0, int x1, int y1, Rgb color) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (pixel(x, y) == color) ++count;
    return count;
}

bool anyPixelOtherThan(int x0, int y0, int x1, int y1, Rgb background) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (pixel(x, y) != background) return true;
    return false;
}

void useEnglish() {
    if (!lang_file) lang_file = new Language();
    lang_file->ChangeToEnglish();
    language = "English";
}

double processorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

PrivateRunFolder::PrivateRunFolder(const std::string& name)
    : home_(std::filesystem::current_path()),
      folder_(std::filesystem::temp_directory_path() / ("calcora-" + name + "-" + std::to_string(getpid()))) {
    namespace fs = std::filesystem;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::create_directory_symlink(home_ / "images", folder_ / "images");
    fs::create_symlink(home_ / "ARIAL.TTF", folder_ / "ARIAL.TTF");
    fs::current_path(folder_);
}

PrivateRunFolder::~PrivateRunFolder() {
    std::filesystem::current_path(home_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string PrivateRunFolder::results() const {
    std::ifstream in(folder_ / "results.txt");
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace testsupport
