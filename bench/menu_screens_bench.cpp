// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole frame of the menu screens, as the frame loop draws it: clear,
// draw the screen, present. Target: at most 1 ms per frame (median); the
// working screen, which also builds its working, stays within the frame
// budget of the exercise screens.
#include <benchmark/benchmark.h>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "gfx/SDLGraphics.h"
#include "screens/DifferentScreens.h"
#include "screens/WorkingScreen.h"

namespace {

// One window for every benchmark, as the program has one.
struct Scene {
    SDLGraphics graphics{1000, 700, "Calcora", 255, 255, 255};
    CPU cpu;
    DifferentScreens screens;
    Scene() { setUpLanguage(); }
};

Scene& scene() {
    static Scene s;
    return s;
}

template <typename Draw>
void frames(benchmark::State& state, Draw draw) {
    Scene& s = scene();
    if (!s.graphics.isReady()) {
        state.SkipWithError("no window");
        return;
    }
    for (auto _ : state) {
        s.graphics.beginScene();
        draw(s);
        s.graphics.endScene();
    }
}

void BM_StartScreenFrame(benchmark::State& state) {
    frames(state, [](Scene& s) { s.screens.start_screen(&s.graphics, &s.cpu); });
}

void BM_OptionsFrame(benchmark::State& state) {
    frames(state, [](Scene& s) { s.screens.options(&s.graphics, &s.cpu); });
}

// The working of the primes from 1 to 1000000 scrolled to its middle: the
// longest working, made when the screen opens and cut into rows every frame.
void BM_WorkingFrame(benchmark::State& state) {
    Scene& s = scene();
    s.cpu.setWorkingExercise("part1_program2", {"1", "1000000"});
    s.cpu.setWorkingScroll(80);
    makeWorkingText(s.cpu);  // as the frame loop does before drawing
    frames(state, [](Scene& s) { s.screens.working(&s.graphics, &s.cpu); });
}

}  // namespace

BENCHMARK(BM_WorkingFrame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartScreenFrame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_OptionsFrame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
