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
// Rows that wait are tried again this often, when no new row comes sooner.
constexpr std::chrono::seconds RETRY_PAUSE{5};

std::optional<std::uint64_t> g_seed;
std::unique_ptr<PracticeKeeper> g_keeper;

std::string timeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return practice::csvTime(local);
}

// Beside the progress; nowhere (memory only) when it has no folder of its own.
std::string pendingBeside(const UserFile& progress, const std::string& log) {
    const std::string& where = progress.where();
    if (where.empty() || where[0] != '/') return "";
    return pendingFileFor(where.substr(0, where.rfind('/')), log);
}

bool soundProgress(const std::string& text) {
    bool damaged = false;
    practice::Progress::read(text, 0, &damaged);
    return !damaged;
}

}  // namespace

UserFile practiceProgressFile() { return UserFile(UserFolder::data, "progress"); }

void setPracticeSeed(std::uint64_t seed) { g_seed = seed; }

std::uint64_t practiceSeed() {
    if (!g_seed) g_seed = (std::uint64_t(std::random_device{}()) << 32) ^ std::uint64_t(std::random_device{}()) ^
                          std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return *g_seed;
}

PracticeKeeper::PracticeKeeper(UserFile progress, const std::string& log)
    : m_progress(std::move(progress)), m_log(log, practice::csvHeader(), pendingBeside(m_progress, log)) {}

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
    m_progressKept = cpu.practiceProgress().text();
    if (m_log.waiting()) sendRows(cpu, "", err);
}

void PracticeKeeper::sendRows(CPU& cpu, const std::string& rows, std::ostream& err) {
    std::string why;
    m_lastTry = std::chrono::steady_clock::now();
    if (!m_log.append(rows, why)) failed(m_log.destination(), why, err);
    cpu.setPracticeRowsWaiting(m_log.waiting());
}

void PracticeKeeper::keep(CPU& cpu, std::ostream& err) {
    std::string rows;
    for (practice::CsvRow& row : cpu.takePracticeLog()) {
        row.time = timeNow();
        rows += practice::csvRow(row);
    }
    if (!rows.empty() || (m_log.waiting() && std::chrono::steady_clock::now() - m_lastTry >= RETRY_PAUSE))
        sendRows(cpu, rows, err);
    if (!cpu.getPracticeProgressChanged()) return;
    cpu.setPracticeProgressChanged(false);
    const std::string ours = cpu.practiceProgress().text();
    std::string why;
    if (!m_progress.saveChanges(m_progressKept, ours, practice::Progress::lineKey, soundProgress, why))
        failed(m_progress.where(), why, err);
    m_progressKept = ours;
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
