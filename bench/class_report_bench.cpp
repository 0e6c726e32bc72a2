// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's report over a class folder: a class of 30 pupils with 2,000
// rows each (budget 0.5 s) and a whole school of 1,000 such pupils (budget
// 15 s within 500 MB; the counter peak_rss_mb is the process's peak). The
// folders are written once, under the system's temporary folder.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/GlobalVariables.h"
#include "practice/ClassFile.h"
#include "practice/ClassReport.h"

namespace {

namespace fs = std::filesystem;

// One pupil's file: every exercise in turn, mostly right, some named mistakes,
// over thirty days.
std::string classFile(int pupil, int rows) {
    std::string text = practice::classHeader();
    const char* const VERDICTS[] = {"correct", "correct", "wrong:product_not_gcd", "correct", "skipped", "wrong", "form"};
    const auto& exercises = practice::allExercises();
    for (int r = 0; r < rows; ++r) {
        const std::string day = std::to_string(10 + r % 20), minute = std::to_string(10 + r % 50);
        text += "Pupil number " + std::to_string(pupil) + ",2026-11-" + day + " 08:" + minute + ":00," +
                practice::id(exercises[std::size_t(r / 7) % exercises.size()]) + "," + std::to_string(1 + r % 3) +
                ",Find the greatest common divisor of " + std::to_string(r) + " and 126," + std::to_string(r % 97) + "," +
                VERDICTS[(r + pupil) % 7] + "," + std::to_string(r % 11 == 0) + "\n";
    }
    return text;
}

fs::path classFolder(int pupils, int rows) {
    const fs::path folder = fs::temp_directory_path() / ("calcora-bench-class-" + std::to_string(pupils));
    if (fs::exists(folder / (std::to_string(pupils - 1) + ".csv"))) return folder;
    fs::create_directories(folder);
    for (int p = 0; p < pupils; ++p) std::ofstream(folder / (std::to_string(p) + ".csv")) << classFile(p, rows);
    return folder;
}

void Report(benchmark::State& state) {
    setUpLanguage();
    const fs::path folder = classFolder(int(state.range(0)), 2000);
    const fs::path here = fs::current_path(), out = fs::temp_directory_path() / "calcora-bench-report";
    fs::create_directories(out);
    fs::current_path(out);
    for (auto _ : state) {
        std::ostringstream said, err;
        if (practice::classReport(folder.string(), false, said, err) != 0) state.SkipWithError(err.str().c_str());
    }
    fs::current_path(here);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024;
}

BENCHMARK(Report)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
