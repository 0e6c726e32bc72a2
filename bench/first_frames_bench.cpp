// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The first frame of the two screens that make their texts when they open,
// through the real frame loop: W on the listing of the primes from 1 to
// 1000000 (the longest working) and P on that exercise (a problem made and
// its texts written). Each iteration opens the screen afresh, its text lines
// rendered for the first time, and reads it as the page's live region does.
// Target: at most 2 ms, so that the page, several times slower, draws it
// within its 10 ms frame.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "KeyPress.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "calc/PrimeSieve.h"
#include "screens/ScreenReading.h"

namespace {

// The key and the frames it brings.
void press(SDLKey key) {
    pushKeyDown(key);
    SDL_Event waiting;
    do runFrame();
    while (SDL_PeepEvents(&waiting, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0);
}

// Back to the chapter 1 screen, where the next W makes the working again.
void leaveWorking() { press(SDLK_ESCAPE); }

// Back, and another exercise practised, so that the next P makes a new problem
// rather than show the unfinished one again.
void leavePractice() {
    press(SDLK_ESCAPE);
    g_cpu->setPart1Item("calculate1");
    press(SDLK_p);
    press(SDLK_ESCAPE);
    g_cpu->setPart1Item("calculate2");
}

// `open` pressed on the chapter 1 screen after the listing, timed with its
// frame and the screen's reading; `leave` returns to it, untimed.
void FirstFrame(benchmark::State& state, SDLKey open, void (*leave)()) {
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path(), folder = fs::temp_directory_path() / "calcora-bench-first-frames";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* asset : {"images", "ARIAL.TTF"}) fs::create_symlink(home / asset, folder / asset);
    fs::current_path(folder);  // the listing writes results.txt
    if (!Init()) {
        state.SkipWithError("no window");
        return;
    }
    setFrameDelay(0);
    PrimeSieve::shared();  // the page builds it while the pupil reads the start screen
    g_cpu->setCurrentMenu(screenName(Screen::part1));
    g_cpu->setField(Field::part1_program2_from, "1");
    g_cpu->setField(Field::part1_program2_to, "1000000");
    g_cpu->setPart1Item("calculate2");
    press(SDLK_RETURN);
    for (auto _ : state) {
        g_graphics->forgetRenderedLines();
        const auto start = std::chrono::steady_clock::now();
        press(open);
        benchmark::DoNotOptimize(readScreen(*g_cpu));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        leave();
    }
    Shutdown();
    fs::current_path(home);
    fs::remove_all(folder);
}

}  // namespace

BENCHMARK_CAPTURE(FirstFrame, working_of_primes_to_a_million, SDLK_w, leaveWorking)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FirstFrame, practice_of_primes, SDLK_p, leavePractice)->UseManualTime()->Unit(benchmark::kMicrosecond);
