// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Frames under a storm of random keys through the real frame loop, each key
// drawn evenly from the key list: the time per key (its frames included) and,
// as `slowest_frame_ms`, the slowest single frame in processor time. Target:
// no frame over 50 ms, a prime listing to a million with its save included.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "KeyPress.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "input/KeyTables.h"

namespace {

double processorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::vector<SDLKey> listedKeys() {
    std::vector<SDLKey> keys;
    for (const KeySection& section : keyList())
        for (const KeyRow& row : section.rows)
            for (const KeyBinding& binding : row.bindings) keys.push_back(binding.key);
    return keys;
}

void BM_KeyStorm(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path(), folder = fs::temp_directory_path() / "calcora-bench-storm";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* asset : {"images", "ARIAL.TTF"}) fs::create_symlink(home / asset, folder / asset);
    fs::current_path(folder);  // the prime listings write results.txt
    if (!Init()) {
        state.SkipWithError("no window");
        return;
    }
    setFrameDelay(0);
    const std::vector<SDLKey> keys = listedKeys();
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
    double slowest = 0;
    SDL_Event waiting;
    for (auto _ : state) {
        pushKeyDown(keys[pick(random)]);
        do {
            const double start = processorMs();
            runFrame();
            slowest = std::max(slowest, processorMs() - start);
        } while (SDL_PeepEvents(&waiting, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0);
        g_cpu->setGameIsRunning(true);  // "Exit" ends nothing here
    }
    state.counters["slowest_frame_ms"] = slowest;
    Shutdown();
    if (language != "English") switchLanguage();
    fs::current_path(home);
    fs::remove_all(folder);
}
BENCHMARK(BM_KeyStorm)->Unit(benchmark::kMicrosecond)->Iterations(40000);

}  // namespace
