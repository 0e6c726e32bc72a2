// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole frame of the practice screen, drawn every frame while it is shown:
// a GCD problem with a wrong answer checked and a hint taken, and a problem
// of the line through two points checked, drawn beside it on the plane.
// Target: within the frame budget of the exercise screens (1 ms, median).
#include <benchmark/benchmark.h>

#include <string>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "gfx/SDLGraphics.h"
#include "input/PracticeActions.h"
#include "screens/DifferentScreens.h"

namespace {

void practiceFrames(benchmark::State& state, Screen from, const char* item) {
    SDLGraphics g(1000, 700, "Calcora", 255, 255, 255);
    setUpLanguage();
    DifferentScreens screens;
    CPU cpu;
    cpu.setGridlines(true);
    openPractice(cpu, from, item);
    for (char c : std::string("12")) typeIntoAnswer(cpu, c);
    checkOrMoveOn(cpu);
    takeHint(cpu);
    for (auto _ : state) {
        g.beginScene();
        screens.practice(&g, &cpu);
        g.endScene();
    }
}

void BM_PracticeGcdFrame(benchmark::State& state) { practiceFrames(state, Screen::part1, "calculate5"); }
void BM_PracticeTwoPointsFrame(benchmark::State& state) { practiceFrames(state, Screen::part4_program2, "1"); }

}  // namespace

BENCHMARK(BM_PracticeGcdFrame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PracticeTwoPointsFrame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
