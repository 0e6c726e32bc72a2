// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice at every exercise and level: one problem generated and its
// answer checked, a new seed each time, as a pupil meets them. The budget is
// a millisecond for the two together.
#include <benchmark/benchmark.h>

#include "app/GlobalVariables.h"
#include "calc/PrimeSieve.h"
#include "practice/Practice.h"

namespace {

void GenerateAndCheck(benchmark::State& state, practice::Exercise e, int level) {
    setUpLanguage();
    PrimeSieve::shared();  // built once per run, before the first problem that needs it
    std::uint64_t seed = 0;
    for (auto _ : state) {
        const practice::Problem p = practice::generate(e, level, ++seed);
        benchmark::DoNotOptimize(practice::check(p, p.answer));
    }
}

const bool REGISTERED = [] {
    for (practice::Exercise e : practice::allExercises())
        for (int level = practice::LOWEST_LEVEL; level <= practice::HIGHEST_LEVEL; ++level)
            benchmark::RegisterBenchmark(("Practice/" + practice::id(e) + "/" + std::to_string(level)).c_str(),
                                         GenerateAndCheck, e, level)
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
