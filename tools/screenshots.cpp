// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every screen through the program's own screen routines, on SDL's
// dummy video driver, and saves each frame as a BMP named after the shot.
// Run it in the run folder: the screens read ARIAL.TTF and images/ from the
// working directory (and the prime listing writes results.txt there).
// tools/make_screenshots.sh turns the BMPs into the README's PNGs.
//
// Usage: calcora_screenshots [output folder]   (default: screenshots)
#include <SDL/SDL.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "app/OutputToTextFile.h"
#include "input/Input2.h"
#include "screens/ExerciseScreen.h"
#include "screens/WorkingScreen.h"

namespace {

struct Typed {
    Field field;
    const char* text;
};

// One picture: the file name (no extension), the language and screen shown,
// and what the pupil would have done first (typed values, highlight, options,
// a pending solve request).
struct Shot {
    const char* file;
    const char* language;
    const char* screen;
    void (*prepare)(CPU& cpu);
    int size = 100;  // percent; shots at a larger size come last (the window stays larger)
};

void type(CPU& cpu, std::initializer_list<Typed> values) {
    for (const Typed& value : values) cpu.setField(value.field, value.text);
}

// Solves `request` on the chapter 1 screen, as Enter on its button and one
// frame do, then presses W.
void workingOfChapter1(CPU& cpu, const char* request) {
    OutputToTextFile results;
    cpu.setSolveThisProgram(request);
    runSolveStep(cpu, Screen::part1, results);
    Input2().readInputForPressingAKey(SDLK_w, &cpu, nullptr);
}

// Three lines on the plane with its grid, as the README shows them.
void threeLinesWithGrid(CPU& cpu) {
    type(cpu, {{Field::part4_program1_a1, "2"}, {Field::part4_program1_b1, "-1"}, {Field::part4_program1_a2, "-0.5"},
               {Field::part4_program1_b2, "3"}, {Field::part4_program1_a3, "1"}, {Field::part4_program1_b3, "0"}});
    cpu.setGridlines(true);
}

void press(CPU& cpu, SDLKey key) { Input2().readInputForPressingAKey(key, &cpu, nullptr); }

// Types the text with its characters' own keys (digits, '/', '-', '+').
void typeKeys(CPU& cpu, const std::string& text) {
    for (char c : text) press(cpu, SDLKey(c));
}

// Types each part of an answer into its field, moving down after each.
void answerWith(CPU& cpu, const std::vector<std::string>& parts) {
    for (const std::string& part : parts) {
        typeKeys(cpu, part);
        press(cpu, SDLK_DOWN);
    }
    press(cpu, SDLK_RETURN);
}

const Shot SHOTS[] = {
    {"start-en", "English", screenName(Screen::start_screen), [](CPU&) {}},
    {"start-pl", "Polish", screenName(Screen::start_screen), [](CPU&) {}},
    {"options", "English", screenName(Screen::options_menu),
     [](CPU& cpu) {
         cpu.setFullscreen(true);  // the flag only: the video mode stays as it is
         cpu.setGridlines(true);
         cpu.setPupilName("Anna Nowak");
         cpu.setOptionsItem("2");
     }},
    {"about", "English", screenName(Screen::about_menu), [](CPU&) {}},
    {"chapter1-remainder", "English", screenName(Screen::part1),
     [](CPU& cpu) {
         type(cpu, {{Field::part1_program1_n, "17"}, {Field::part1_program1_k, "5"}});
         cpu.setPart1Item("calculate1");
         cpu.setSolveThisProgram("part1_program1");
     }},
    {"chapter1-primes", "English", screenName(Screen::part1),
     [](CPU& cpu) {
         type(cpu, {{Field::part1_program2_from, "1"}, {Field::part1_program2_to, "100"}});
         cpu.setPart1Item("calculate2");
         cpu.setSolveThisProgram("part1_program2");
     }},
    {"working-gcd", "English", screenName(Screen::part1),
     [](CPU& cpu) {
         type(cpu, {{Field::part1_program5and6_n1, "12"}, {Field::part1_program5and6_n2, "18"}});
         cpu.setPart1Item("calculate5");
         workingOfChapter1(cpu, "part1_program5");
     }},
    {"working-primes-pl", "Polish", screenName(Screen::part1),
     [](CPU& cpu) {
         type(cpu, {{Field::part1_program2_from, "1"}, {Field::part1_program2_to, "1000000"}});
         cpu.setPart1Item("calculate2");
         workingOfChapter1(cpu, "part1_program2");
         cpu.setWorkingScroll(150);
     }},
    {"chapter2-operations", "English", screenName(Screen::part2),
     [](CPU& cpu) {
         type(cpu, {{Field::part2_program1_n1a, "1"}, {Field::part2_program1_n1b, "2"},
                    {Field::part2_program1_n2a, "1"}, {Field::part2_program1_n2b, "3"}});
         cpu.setPart2Item("calculate1");
         cpu.setSolveThisProgram("part2_program1");
     }},
    {"chapter3-recurring", "English", screenName(Screen::part3),
     [](CPU& cpu) {
         type(cpu, {{Field::part3_program2_n, "0.12[857]"}});
         cpu.setPart3Item("calculate2");
         cpu.setSolveThisProgram("part3_program2");
     }},
    {"chapter4-menu", "English", screenName(Screen::part4), [](CPU&) {}},
    {"plot-lines", "English", screenName(Screen::part4_program1), threeLinesWithGrid},
    {"plot-two-points", "English", screenName(Screen::part4_program2),
     [](CPU& cpu) {
         type(cpu, {{Field::part4_program2_x1, "0"}, {Field::part4_program2_y1, "1"},
                    {Field::part4_program2_x2, "1"}, {Field::part4_program2_y2, "3"}});
     }},
    {"practice-chapter1", "English", screenName(Screen::part1),
     [](CPU& cpu) {  // the product for the GCD, then the first hint
         cpu.setPart1Item("program5and6_n1");
         press(cpu, SDLK_p);
         const practice::Problem p = cpu.getPractice().problem;
         answerWith(cpu, {std::to_string(std::stoll(p.inputs[0]) * std::stoll(p.inputs[1]))});
         press(cpu, SDLK_h);
     }},
    {"practice-chapter2", "English", screenName(Screen::part2),
     [](CPU& cpu) {  // a fraction equal to the answer but not in lowest terms
         cpu.setPart2Item("calculate2");
         press(cpu, SDLK_p);
         press(cpu, SDLK_RIGHT);
         const std::string lowest = cpu.getPractice().problem.answer[0];
         const std::size_t bar = lowest.find('/');
         answerWith(cpu, {std::to_string(3 * std::stoll(lowest.substr(0, bar))) + "/" +
                          std::to_string(3 * std::stoll(lowest.substr(bar + 1)))});
     }},
    {"practice-chapter3", "Polish", screenName(Screen::part3),
     [](CPU& cpu) {  // two hints taken on an Egyptian fraction
         cpu.setPart3Item("calculate4");
         press(cpu, SDLK_p);
         press(cpu, SDLK_h);
         press(cpu, SDLK_h);
     }},
    {"practice-chapter4", "English", screenName(Screen::part4_program1),
     [](CPU& cpu) {  // where two lines cross, answered: the plane shows them
         cpu.setGridlines(true);
         press(cpu, SDLK_p);
         answerWith(cpu, cpu.getPractice().problem.answer);
     }},
    {"plot-vectors", "English", screenName(Screen::part4_program3),
     [](CPU& cpu) {
         // both factors keep their start-up value 1
         type(cpu, {{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"},
                    {Field::part4_program3_x2, "2"}, {Field::part4_program3_y2, "-3"}});
     }},
    {"contrast-chapter1-remainder", "English", screenName(Screen::part1),
     [](CPU& cpu) {
         cpu.setHighContrast(true);
         type(cpu, {{Field::part1_program1_n, "17"}, {Field::part1_program1_k, "5"}});
         cpu.setPart1Item("calculate1");
         cpu.setSolveThisProgram("part1_program1");
     }},
    {"contrast-plot-lines", "English", screenName(Screen::part4_program1),
     [](CPU& cpu) {
         cpu.setHighContrast(true);
         threeLinesWithGrid(cpu);
     }},
    {"size200-chapter2-operations", "English", screenName(Screen::part2),
     [](CPU& cpu) {
         type(cpu, {{Field::part2_program1_n1a, "1"}, {Field::part2_program1_n1b, "2"},
                    {Field::part2_program1_n2a, "1"}, {Field::part2_program1_n2b, "3"}});
         cpu.setPart2Item("calculate1");
         cpu.setSolveThisProgram("part2_program1");
     },
     200},
};

void useLanguage(const std::string& wanted) {
    if (language != wanted) switchLanguage();
}

// One frame as the frame loop draws it. A frame that runs a solve request
// shows its answer only in the next frame, so that one is drawn too.
void drawShotFrames() {
    const std::string request = g_cpu->getSolveThisProgram();
    applyLook(*g_cpu, *g_graphics);
    g_graphics->beginScene();
    drawCurrentScreen();
    if (g_cpu->getSolveThisProgram() == request) return;
    g_graphics->beginScene();
    drawCurrentScreen();
}

// The answer texts in the panel, for a glance at the run's output.
void printSolution(const Shot& shot) {
    std::cout << shot.file;
    if (!g_cpu->getSolution().empty()) std::cout << "\n  " << g_cpu->getSolution();
    for (int n = 1; n <= 5; ++n)
        if (!g_cpu->getSolutionLine(n).empty()) std::cout << "\n  " << g_cpu->getSolutionLine(n);
    std::cout << "\n";
}

bool take(const Shot& shot, const std::filesystem::path& folder) {
    *g_cpu = CPU();
    useLanguage(shot.language);
    g_cpu->setCurrentMenu(shot.screen);
    shot.prepare(*g_cpu);
    if (shot.size != 100) g_graphics->setDisplay(false, shot.size);
    drawShotFrames();
    printSolution(shot);
    const std::string file = (folder / (std::string(shot.file) + ".bmp")).string();
    const bool saved = SDL_SaveBMP(g_graphics->getScreen(), file.c_str()) == 0;
    if (saved) return true;
    std::cerr << "calcora_screenshots: cannot write " << file << ": " << SDL_GetError() << "\n";
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "screenshots";
    std::filesystem::create_directories(folder);
    setenv("SDL_VIDEODRIVER", "dummy", 1);

    g_cpu = new CPU();
    const Color background = palette::current().background;
    g_graphics = new SDLGraphics(g_cpu->getWindowWidth(), g_cpu->getWindowHeight(), WINDOW_TITLE, background.r,
                                 background.g, background.b);
    if (!g_graphics->isReady()) {
        std::cerr << "calcora_screenshots: " << g_graphics->startupError() << "\n";
        return 1;
    }
    g_different_screens = new DifferentScreens();
    setUpLanguage();

    bool allWritten = true;
    for (const Shot& shot : SHOTS) allWritten = take(shot, folder) && allWritten;

    delete g_different_screens;
    delete g_graphics;
    delete g_cpu;
    return allWritten ? 0 : 1;
}
