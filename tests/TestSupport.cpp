// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/GlobalVariables.h"
#include "gfx/Palette.h"
#include "gfx/View.h"

namespace testsupport {

namespace {
std::unique_ptr<SDLGraphics> g_window;
}

SDLGraphics& graphics() {
    const bool alive = g_window && SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetVideoSurface() == g_window->getScreen();
    if (!alive) {
        g_window.reset();  // SDL was shut down under it; its own fonts and images still need freeing
        g_window = std::make_unique<SDLGraphics>(view::WINDOW_WIDTH, view::WINDOW_HEIGHT, "Calcora", 255, 255, 255);
        useEnglish();
    }
    return *g_window;
}

void closeGraphics() { g_window.reset(); }

void clearFrame() { graphics().beginScene(); }

void useStandardLook() {
    palette::useHighContrast(false);
    const Color background = palette::current().background;
    if (g_window) g_window->setBackgroundColor(background.r, background.g, background.b);
}

std::vector<Rgb> capture(SDL_Surface* surface, int x0, int y0, int x1, int y1) {
    std::vector<Rgb> pixels;
    SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
                pixels.push_back(Rgb{-1, -1, -1});
                continue;
            }
            const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
            Uint32 value = 0;
            std::memcpy(&value, p, std::min(bpp, 4));
            Uint8 r, g, b;
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            pixels.push_back(Rgb{r, g, b});
        }
    SDL_UnlockSurface(surface);
    return pixels;
}

std::vector<Rgb> capture(int x0, int y0, int x1, int y1) { return capture(graphics().getScreen(), x0, y0, x1, y1); }

Rgb pixel(SDL_Surface* surface, int x, int y) { return capture(surface, x, y, x + 1, y + 1)[0]; }

Rgb pixel(int x, int y) { return pixel(graphics().getScreen(), x, y); }

int countPixels(int x0, int y0, int x1, int y1, Rgb color) {
    const std::vector<Rgb> pixels = capture(x0, y0, x1, y1);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

bool anyPixelOtherThan(int x0, int y0, int x1, int y1, Rgb background) {
    return countPixels(x0, y0, x1, y1, background) != (x1 - x0) * (y1 - y0);
}

void useLanguage(const std::string& name) {
    if (!lang_file) lang_file = new Language();
    if (name == "Polish")
        lang_file->ChangeToPolish();
    else
        lang_file->ChangeToEnglish();
    language = name == "Polish" ? "Polish" : "English";
}

void useEnglish() { useLanguage("English"); }
void usePolish() { useLanguage("Polish"); }

TemporaryFolder::TemporaryFolder(const std::string& name)
    : home_(std::filesystem::current_path()),
      folder_(std::filesystem::temp_directory_path() / ("calcora-" + name + "-" + std::to_string(getpid()))) {
    removeAll();
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
}

TemporaryFolder::~TemporaryFolder() {
    std::filesystem::current_path(home_);
    removeAll();
}

// Made writable first: a test may have closed a folder inside.
void TemporaryFolder::removeAll() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (!fs::exists(folder_, ignored)) return;
    for (auto& entry : fs::recursive_directory_iterator(folder_, ignored))
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
}

PrivateRunFolder::PrivateRunFolder(const std::string& name) : TemporaryFolder(name) {
    namespace fs = std::filesystem;
    fs::create_directory_symlink(home() / "images", path() / "images");
    fs::create_symlink(home() / "ARIAL.TTF", path() / "ARIAL.TTF");
}

std::string PrivateRunFolder::results() const {
    std::ifstream in(path() / "results.txt");
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
