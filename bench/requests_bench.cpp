// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise as its screen runs it, at the edge values a pupil can type
// into all of its fields at once (0, 1, the ranges' ends, 32-bit limits, ten
// nines): each iteration runs them all; `slowest_ms` is the slowest single
// request in processor time. Target: none over 100 ms, the prime listing's
// save to results.txt included.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "screens/ExerciseScreen.h"

namespace {

const char* const NUMBERS[] = {"0", "1", "2", "2500", "2501", "1000000", "1000001", "2147483647",
                               "2147483648", "4294967297", "9999999967", "9999999999"};
const char* const DECIMALS[] = {"0.[3]", ".[1428571]", ".123456[7]", "987654.[3]", "0.[999999]", "9999.[99]"};

double processorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

const SolveStep* stepOf(const std::string& request) {
    for (const SolveStep& step : solveSteps())
        if (request == requestName(step.exercise)) return &step;
    return nullptr;
}

void EdgeValues(benchmark::State& state, const char* request) {
    const SolveStep* step = stepOf(request);
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path(), folder = fs::temp_directory_path() / "calcora-bench-requests";
    fs::create_directories(folder);
    fs::current_path(folder);  // the prime listing and Goldbach write results.txt
    setUpLanguage();
    const bool decimal = step->fields.front() == Field::part3_program2_n;
    std::vector<std::string> values(decimal ? std::begin(DECIMALS) : std::begin(NUMBERS),
                                    decimal ? std::end(DECIMALS) : std::end(NUMBERS));
    CPU cpu;
    OutputToTextFile results;
    double slowest = 0;
    for (auto _ : state)
        for (const std::string& value : values) {
            for (Field f : step->fields) {
                cpu.clearField(f);
                cpu.setField(f, value);
            }
            cpu.setSolveThisProgram(request);
            const double start = processorMs();
            runSolveStep(cpu, exerciseChapters()[exerciseRow(step->exercise).chapter - 1].screen, results);
            slowest = std::max(slowest, processorMs() - start);
        }
    state.counters["slowest_ms"] = slowest;
    fs::current_path(home);
    fs::remove_all(folder);
}

}  // namespace

BENCHMARK_CAPTURE(EdgeValues, remainder, "part1_program1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, primes, "part1_program2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, factors, "part1_program3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, divisibility, "part1_program4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, gcd, "part1_program5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, lcm, "part1_program6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, goldbach, "part1_program7")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, operations, "part2_program1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, reduce, "part2_program2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, reduced_operations, "part2_program3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, equality, "part2_program4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, six_fractions, "part2_program5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, mixed, "part3_program1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, recurring, "part3_program2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, comparison, "part3_program3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EdgeValues, egyptian, "part3_program4")->Unit(benchmark::kMillisecond);
