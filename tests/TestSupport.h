// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the headless tests: one window on SDL's dummy driver, the text
// table in English, and reading back pixels of what was drawn.
#include <SDL/SDL.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/SDLGraphics.h"

namespace testsupport {

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(const Rgb& a, const Rgb& b) { return !(a == b); }
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
        return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

const Rgb WHITE{255, 255, 255};
const Rgb BLACK{0, 0, 0};
const Rgb RED{255, 0, 0};
const Rgb BLUE{0, 0, 255};
const Rgb GREEN{0, 128, 0};
const Rgb GRAY{128, 128, 128};
const Rgb SILVER{192, 192, 192};

// A 1000 by 700 window (the start-up size) on the dummy driver, created on
// first use and again whenever SDL was shut down since; the text table is
// loaded in English when the window is made.
SDLGraphics& graphics();
// Closes that window and shuts SDL down, for tests that start SDL themselves.
void closeGraphics();
// Clears the frame to white, as every frame starts.
void clearFrame();
// The standard palette, and the window's background white again: a test that
// draws in high contrast leaves both behind for the next one.
void useStandardLook();
// The pixels of the box [x0, x1) by [y0, y1), row by row, under one lock of
// the surface; pixels outside it read as (-1, -1, -1).
std::vector<Rgb> capture(SDL_Surface* surface, int x0, int y0, int x1, int y1);
std::vector<Rgb> capture(int x0, int y0, int x1, int y1);  // of the test window
Rgb pixel(int x, int y);
Rgb pixel(SDL_Surface* surface, int x, int y);
// How many pixels of the rectangle [x0, x1) by [y0, y1) have this colour.
int countPixels(int x0, int y0, int x1, int y1, Rgb color);
// Whether any pixel of the rectangle differs from `background`.
bool anyPixelOtherThan(int x0, int y0, int x1, int y1, Rgb background);
// Loads the texts of "English" or "Polish" and names the language so.
void useLanguage(const std::string& name);
void useEnglish();
void usePolish();

// A fresh calculator run on these values, as a screen runs it; its solution.
template <class Calculator, class... Values>
Calculator solved(Values... values) {
    Calculator p;
    p.setSolution("");
    p.calculate(values...);
    return p;
}
template <class Calculator, class... Values>
std::string answer(Values... values) {
    return solved<Calculator>(values...).getSolution();
}

// The pieces of `text` between occurrences of `separator` ("a, b" by ", ": "a", "b").
std::vector<std::string> split(const std::string& text, const std::string& separator);

// While alive, the working directory is a fresh, empty folder of its own;
// it goes, with all it holds, when the object does.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& name);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }
    const std::filesystem::path& home() const { return home_; }  // the working directory before

private:
    void removeAll();
    std::filesystem::path home_, folder_;
};

// A temporary folder with the run folder's images and font linked in, so
// drawing works as there and results.txt stays private.
class PrivateRunFolder : public TemporaryFolder {
public:
    explicit PrivateRunFolder(const std::string& name);
    // The whole of results.txt, "" when there is none.
    std::string results() const;
};

}  // namespace testsupport
