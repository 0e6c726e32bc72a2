// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole request as the chapter 1 screen runs it: the full prime listing,
// its five lines, and the whole text written to results.txt.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/OutputToTextFile.h"
#include "screens/ExerciseScreen.h"

namespace {

void BM_ListPrimesUpToAMillionWithResultsFile(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / "calcora-bench-solve";
    fs::create_directories(folder);
    fs::current_path(folder);
    setUpLanguage();
    CPU cpu;
    OutputToTextFile results;
    cpu.setPart1Program2_from("1");
    cpu.setPart1Program2_to("1000000");
    for (auto _ : state) {
        cpu.setSolveThisProgram("part1_program2");
        runSolveStep(cpu, Screen::part1, results);
        benchmark::DoNotOptimize(cpu.getSolutionLine1());
    }
    fs::current_path(home);
    fs::remove_all(folder);
}
BENCHMARK(BM_ListPrimesUpToAMillionWithResultsFile)->Unit(benchmark::kMillisecond);

}  // namespace
