// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One whole frame at each size (100%, 150%, 200%) in each palette (standard,
// high contrast) on the dummy driver: the look applied, clear, draw, present.
// Target: at most 2 ms per frame at 200%.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "app/CPU.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "gfx/SDLGraphics.h"
#include "screens/DifferentScreens.h"
#include "screens/WorkingScreen.h"

namespace {

struct Typed {
    Field field;
    const char* text;
};

void runFrames(benchmark::State& state, Screen menu, void (DifferentScreens::*screen)(SDLGraphics*, CPU*),
               std::initializer_list<Typed> typed, void (*prepare)(CPU&) = nullptr) {
    SDLGraphics g(1000, 700, "Calcora", 255, 255, 255);
    setUpLanguage();
    DifferentScreens screens;
    CPU cpu;
    const int percent = int(state.range(0));
    cpu.setHighContrast(state.range(1) != 0);
    cpu.setGridlines(true);
    g.setDisplay(false, percent);
    for (const Typed& t : typed) {
        cpu.clearField(t.field);
        cpu.setField(t.field, t.text);
    }
    if (prepare) prepare(cpu);
    cpu.setCurrentMenu(screenName(menu));
    for (auto _ : state) {
        beginFrame(cpu, g);
        if (screen) (screens.*screen)(&g, &cpu);
        g.endScene();
    }
    state.SetLabel(std::to_string(percent) + "%" + (cpu.getHighContrast() ? " high contrast" : ""));
    palette::useHighContrast(false);
}

// Only the clear and the present: what every frame pays at this size.
void BM_SizedEmptyFrame(benchmark::State& state) { runFrames(state, Screen::start_screen, nullptr, {}); }

void BM_SizedStartScreen(benchmark::State& state) { runFrames(state, Screen::start_screen, &DifferentScreens::start_screen, {}); }

void BM_SizedChapter1(benchmark::State& state) {
    runFrames(state, Screen::part1, &DifferentScreens::part1, {{Field::part1_program1_n, "17"}, {Field::part1_program1_k, "5"}},
              [](CPU& c) {
                  c.setPart1Item("calculate1");
                  c.setSolution("17 = 5 * 3 + 2");
              });
}

void BM_SizedThreeLines(benchmark::State& state) {
    runFrames(state, Screen::part4_program1, &DifferentScreens::part4_program1,
              {{Field::part4_program1_a1, "1"}, {Field::part4_program1_b1, "-2.5"},
               {Field::part4_program1_a2, "-0.5"}, {Field::part4_program1_b2, "3"},
               {Field::part4_program1_a3, "2"}, {Field::part4_program1_b3, "2"}});
}

void BM_SizedWorking(benchmark::State& state) {
    runFrames(state, Screen::working, &DifferentScreens::working, {}, [](CPU& c) {
        c.setWorkingExercise("part1_program5", {"12", "18"});
        makeWorkingText(c);  // as the frame loop does before drawing
    });
}

void sizesAndPalettes(benchmark::internal::Benchmark* b) {
    for (int contrast : {0, 1})
        for (int percent : {100, 150, 200}) b->Args({percent, contrast});
    // The fastest of the runs too: on a shared machine it is the truer measure of the frame's own work.
    b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
    b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

}  // namespace

BENCHMARK(BM_SizedEmptyFrame)->Apply(sizesAndPalettes);
BENCHMARK(BM_SizedStartScreen)->Apply(sizesAndPalettes);
BENCHMARK(BM_SizedChapter1)->Apply(sizesAndPalettes);
BENCHMARK(BM_SizedThreeLines)->Apply(sizesAndPalettes);
BENCHMARK(BM_SizedWorking)->Apply(sizesAndPalettes);
