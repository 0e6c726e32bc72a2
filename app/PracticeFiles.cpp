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
#include "practice/Assignment.h"
#include "practice/ClassFile.h"

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

PracticeKeeper::PracticeKeeper(UserFile progress, const std::string& log, Pupil pupil, UserFile assignment)
    : m_progress(std::move(progress)),
      m_log(log, practice::csvHeader(), pendingBeside(m_progress, log)),
      m_pupil(std::move(pupil)),
      m_assignment(std::move(assignment)) {}

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
    cpu.setPracticeProgress(practice::Progress::read(text, seed, &damaged).record());
    if (damaged)
        err << "calcora: the practice progress " << m_progress.where() << " is damaged; practice starts afresh\n";
    cpu.setPracticeProgressChanged(false);
    m_progressKept = practice::Progress(cpu.getPracticeProgress()).text();
    if (m_log.waiting()) sendRows(cpu, "", err);
    if (const RowQueue* queue = classQueue(cpu); queue && queue->waiting()) sendToClass(cpu, err);  // an earlier run's
}

void PracticeKeeper::sendRows(CPU& cpu, const std::string& rows, std::ostream& err) {
    std::string why;
    m_lastTry = std::chrono::steady_clock::now();
    if (!m_log.append(rows, why)) failed(m_log.destination(), why, err);
    cpu.setPracticeRowsWaiting(m_log.waiting() || classWaiting());
}

Pupil accountPupil() { return {practice::accountLogin(), practice::accountGecos()}; }

void PracticeKeeper::keep(CPU& cpu, std::ostream& err) {
    std::string rows;
    const std::string pupil = practice::pupilName(cpu.getPupilName(), m_pupil.full_name, m_pupil.login);
    for (practice::CsvRow& row : cpu.takePracticeLog()) {
        row.time = timeNow();
        rows += practice::csvRow(row);
        if (!cpu.getClassFolder().empty()) m_classRows += practice::classRow(pupil, row);
    }
    const bool assignmentChanged = cpu.getAssignmentChanged();
    keepAssignment(cpu, pupil, err);
    const bool retryDue = (m_log.waiting() || classWaiting()) && std::chrono::steady_clock::now() - m_lastTry >= RETRY_PAUSE;
    if (!rows.empty() || retryDue) sendRows(cpu, rows, err);
    if (!rows.empty() || assignmentChanged || retryDue) sendToClass(cpu, err);
    if (!cpu.getPracticeProgressChanged()) return;
    cpu.setPracticeProgressChanged(false);
    const std::string ours = practice::Progress(cpu.getPracticeProgress()).text();
    std::string why;
    if (!m_progress.saveChanges(m_progressKept, ours, practice::Progress::lineKey, soundProgress, why))
        failed(m_progress.where(), why, err);
    m_progressKept = ours;
}

namespace {

constexpr std::size_t LARGEST_ASSIGNMENT = 64 << 10;

std::string assignmentProgress(const practice::Assignment& a, int done) {
    return std::to_string(done) + " " + std::to_string(a.total()) + " " + a.title + "\n";
}

}  // namespace

void PracticeKeeper::restoreAssignment(CPU& cpu, std::ostream& err) {
    if (cpu.getClassFolder().empty()) return;
    const UserFile file = UserFile::at(cpu.getClassFolder() + "/" + practice::ASSIGNMENT_FILE);
    std::string text, why;
    const UserFile::Found found = file.read(text, why, LARGEST_ASSIGNMENT);
    if (found == UserFile::Found::unreadable)
        err << "calcora: cannot read the assignment " << file.where() << " (" << why << ")\n";
    if (found != UserFile::Found::read) return;
    practice::Assignment a = practice::readAssignment(text);
    for (const practice::AssignmentLineFault& f : a.faults) err << "calcora: " << practice::describe(f) << "\n";
    std::string kept;
    m_assignment.read(kept, why, LARGEST_ASSIGNMENT);
    // How far the pupil got counts only for the same assignment.
    for (int done = 1; done <= a.total(); ++done)
        if (kept == assignmentProgress(a, done)) cpu.setAssignmentDone(done);
    cpu.setAssignment(std::move(a));
}

void PracticeKeeper::keepAssignment(CPU& cpu, const std::string& pupil, std::ostream& err) {
    if (!cpu.getAssignmentChanged()) return;
    cpu.setAssignmentChanged(false);
    const practice::Assignment& a = cpu.getAssignment();
    std::string why;
    if (!m_assignment.save(assignmentProgress(a, cpu.getAssignmentDone()), why)) failed(m_assignment.where(), why, err);
    if (!cpu.getClassFolder().empty())
        m_classRows += practice::assignmentRow(pupil, timeNow(), a.title, cpu.getAssignmentDone(), a.total());
}

RowQueue* PracticeKeeper::classQueue(const CPU& cpu) {
    const std::optional<std::string> file = practice::classFilePath(cpu.getClassFolder(), m_pupil.login);
    if (cpu.getClassFolder().empty() || !file) return nullptr;
    auto found = m_classQueues.find(*file);
    if (found == m_classQueues.end())
        found = m_classQueues.try_emplace(*file, *file, practice::classHeader(), pendingBeside(m_progress, *file)).first;
    return &found->second;
}

bool PracticeKeeper::classWaiting() const {
    for (const auto& [file, queue] : m_classQueues)
        if (queue.waiting()) return true;
    return false;
}

void PracticeKeeper::sendToClass(CPU& cpu, std::ostream& err) {
    RowQueue* queue = classQueue(cpu);
    if (m_classRows.empty() && !(queue && queue->waiting())) return;
    std::string why = "the account has no login that can name a file";
    const bool sent = queue && queue->append(m_classRows, why);
    if (queue) m_classRows.clear();  // the queue holds them now
    cpu.setClassUnreachable(!sent);
    cpu.setPracticeRowsWaiting(m_log.waiting() || classWaiting());
    if (sent || m_classFailureReported) return;
    err << "calcora: cannot reach the class folder " << cpu.getClassFolder() << " (" << why
        << "); its rows wait here and go there once it can be reached\n";
    m_classFailureReported = true;
}

void PracticeKeeper::failed(const std::string& what, const std::string& why, std::ostream& err) {
    if (m_failureReported) return;
    err << "calcora: cannot save " << what << ": " << why << "\n";
    m_failureReported = true;
}

void rememberPractice(CPU& cpu) {
    g_keeper = std::make_unique<PracticeKeeper>(practiceProgressFile(), PRACTICE_LOG_FILE);
    g_keeper->restore(cpu, practiceSeed(), std::cerr);
    g_keeper->restoreAssignment(cpu, std::cerr);
    const Pupil account = accountPupil();
    cpu.setAccountName(practice::pupilName("", account.full_name, account.login));
}

void keepPractice(CPU& cpu) {
    if (g_keeper) g_keeper->keep(cpu, std::cerr);
}
