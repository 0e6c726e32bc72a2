// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// One practice row appended to a practice.csv of a school year's answers
// (50 MB), as the frame loop does after a checked answer, pending file and
// lock included. The budget is a millisecond: the file is never rewritten.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/RowQueue.h"
#include "practice/Practice.h"

namespace {

namespace fs = std::filesystem;

const std::string ROW = "2026-12-09 00:09:20,gcd,2,\"Find the greatest common divisor of 84 and 126\",42,correct,0\n";

void AppendOneRowToA50MBFile(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("calcora-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string log = (folder / "practice.csv").string();
    {
        std::ofstream file(log, std::ios::binary);
        file << practice::csvHeader();
        for (std::size_t size = 0; size < (50u << 20); size += ROW.size()) file << ROW;
    }
    RowQueue queue(log, practice::csvHeader(), pendingFileFor(folder.string(), log));
    std::string why;
    for (auto _ : state)
        if (!queue.append(ROW, why)) state.SkipWithError(why.c_str());
    fs::remove_all(folder);
}
BENCHMARK(AppendOneRowToA50MBFile)->Unit(benchmark::kMicrosecond);

}  // namespace
