// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeFiles.h"

#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>
#include <random>

#include "CPU.h"
#include "SafeFile.h"

namespace {

constexpr std::size_t LARGEST_PROGRESS = 1 << 20;

std::optional<std::uint64_t> g_seed;
std::unique_ptr<PracticeKeeper> g_keeper;

std::string timeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return practice::csvTime(local);
}

}  // namespace

UserFile practiceProgressFile() { return UserFile(UserFolder::data, "progress"); }

void setPracticeSeed(std::uint64_t seed) { g_seed = seed; }

std::uint64_t practiceSeed() {
    if (!g_seed) g_seed = (std::uint64_t(std::random_device{}()) << 32) ^ std::uint64_t(std::random_device{}()) ^
                          std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return *g_seed;
}

void PracticeKeeper::restore(CPU& cpu, std::uint64_t seed, std::ostream& err) {
    std::string text, why;
    bool damaged = false;
    switch (m_progress.read(text, why, LARGEST_PROGRESS)) {
    case UserFile::Found::missing: text.clear(); break;
    case UserFile::Found::unreadable:
        err << "calcora: cannot read the practice progress " << m_progress.where() << " (" << why
            << "); practice starts afresh\n";
        text.clear();
        break;
    case UserFile::Found::read: break;
    }
    cpu.setPracticeProgress(practice::Progress::read(text, seed, &damaged));
    if (damaged)
        err << "calcora: the practice progress " << m_progress.where() << " is damaged; practice starts afresh\n";
    cpu.setPracticeProgressChanged(false);
}

void PracticeKeeper::keep(CPU& cpu, std::ostream& err) {
    std::string rows, why;
    for (practice::CsvRow& row : cpu.takePracticeLog()) {
        row.time = timeNow();
        rows += practice::csvRow(row);
    }
    if (!rows.empty() && !appendToTextFile(m_log, rows, practice::csvHeader(), why)) failed(m_log, why, err);
    if (!cpu.getPracticeProgressChanged()) return;
    cpu.setPracticeProgressChanged(false);
    if (!m_progress.save(cpu.practiceProgress().text(), why)) failed(m_progress.where(), why, err);
}

void PracticeKeeper::failed(const std::string& what, const std::string& why, std::ostream& err) {
    if (m_failureReported) return;
    err << "calcora: cannot save " << what << ": " << why << "\n";
    m_failureReported = true;
}

void rememberPractice(CPU& cpu) {
    g_keeper = std::make_unique<PracticeKeeper>(practiceProgressFile(), PRACTICE_LOG_FILE);
    g_keeper->restore(cpu, practiceSeed(), std::cerr);
}

void keepPractice(CPU& cpu) {
    if (g_keeper) g_keeper->keep(cpu, std::cerr);
}
