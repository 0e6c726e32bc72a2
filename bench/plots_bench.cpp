// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole frame of the busiest plot screens on the dummy driver: clear,
// draw the screen, present.
#include <benchmark/benchmark.h>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "gfx/SDLGraphics.h"
#include "screens/DifferentScreens.h"

namespace {

struct Typed {
    Field field;
    const char* text;
};

void runFrames(benchmark::State& state, void (DifferentScreens::*screen)(SDLGraphics*, CPU*),
               std::initializer_list<Typed> typed) {
    SDLGraphics g(1000, 700, "Calcora", 255, 255, 255);
    setUpLanguage();
    DifferentScreens screens;
    CPU cpu;
    cpu.setGridlines(true);
    for (const Typed& t : typed) {
        cpu.clearField(t.field);
        cpu.setField(t.field, t.text);
    }
    for (auto _ : state) {
        g.beginScene();
        (screens.*screen)(&g, &cpu);
        g.endScene();
    }
}

void BM_ThreeLinesWithGrid(benchmark::State& state) {
    runFrames(state, &DifferentScreens::part4_program1,
              {{Field::part4_program1_a1, "1"}, {Field::part4_program1_b1, "-2.5"},
               {Field::part4_program1_a2, "-0.5"}, {Field::part4_program1_b2, "3"},
               {Field::part4_program1_a3, "9999999999"}, {Field::part4_program1_b3, "2"}});
}

void BM_TwoVectorsWithGrid(benchmark::State& state) {
    runFrames(state, &DifferentScreens::part4_program3,
              {{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"},
               {Field::part4_program3_x2, "2"}, {Field::part4_program3_y2, "-5"},
               {Field::part4_program3_multiply_by1, "1.5"}, {Field::part4_program3_multiply_by2, "-1"}});
}

}  // namespace

BENCHMARK(BM_ThreeLinesWithGrid)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TwoVectorsWithGrid)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
