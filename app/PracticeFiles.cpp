// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sstream>
#include <iostream>
#include <memory>
#include <random>

#include "CPU.h"
#include "ClassFolder.h"
#include "SafeFile.h"
#include "practice/Assignment.h"
#include "practice/ClassFile.h"
#include "practice/PracticeParts.h"

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
    if (!cpu.getAssignmentAsked().empty()) restoreAssignment(cpu, err);
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

// The assignment's progress file holds a line per assignment, "KEY DONE
// TOTAL TITLE", the key telling one assignment's tasks from another's.
std::string assignmentKey(const practice::Assignment& a) {
    std::string tasks = a.title + "\n" + (a.seed ? std::to_string(*a.seed) : "-");
    for (const practice::AssignmentTask& t : a.tasks)
        tasks += " " + practice::id(t.exercise) + ":" + std::to_string(t.level) + ":" + std::to_string(t.count);
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(practice::nameSeed(tasks)));
    return key;
}

std::string progressLine(const practice::Assignment& a, int done) {
    return assignmentKey(a) + " " + std::to_string(done) + " " + std::to_string(a.total()) + " " + a.title + "\n";
}

// How far the progress file says the pupil got with `a`: the furthest of
// its lines for it (an earlier version's one line, "DONE TOTAL TITLE", too).
int doneIn(const std::string& kept, const practice::Assignment& a) {
    const std::string key = assignmentKey(a) + " ";
    const std::string tail = " " + std::to_string(a.total()) + " " + a.title;
    int furthest = 0;
    std::istringstream lines(kept);
    for (std::string line; std::getline(lines, line);) {
        const std::string rest = line.compare(0, key.size(), key) == 0 ? line.substr(key.size()) : line;
        const std::size_t blank = rest.find(' ');
        if (blank == std::string::npos || rest.compare(blank, std::string::npos, tail) != 0) continue;
        const std::optional<std::uint64_t> done = practice::wholeNumberOf(rest.substr(0, blank));
        if (done && *done <= std::uint64_t(a.total())) furthest = std::max(furthest, int(*done));
    }
    return furthest;
}

// The progress file with `a`'s line saying `done`, or further when another
// window got further; the other assignments' lines stay.
std::string withProgress(const std::string& kept, const practice::Assignment& a, int done) {
    const std::string key = assignmentKey(a) + " ";
    std::string text;
    std::istringstream lines(kept);
    for (std::string line; std::getline(lines, line);)
        if (line.compare(0, key.size(), key) != 0 && doneIn(line, a) == 0) text += line + "\n";
    return text + progressLine(a, std::max(done, doneIn(kept, a)));
}

// A changed assignment: the old one's problem on show is not taken up again.
void forgetAssignmentProblem(CPU& cpu) {
    CPU::PracticeShown shown = cpu.getPractice();
    if (shown.assignment_problem < 0) return;
    shown.assignment_problem = -1;
    shown.fields.clear();
    cpu.setPractice(std::move(shown));
}

}  // namespace

void PracticeKeeper::restoreAssignment(CPU& cpu, std::ostream& err) {
    if (cpu.getClassFolder().empty()) return;
    const std::string folder = cpu.getClassFolder();
    const std::string path = folder + "/" + practice::ASSIGNMENT_FILE;
    ClassFolderFile file;
    std::string why, said;
    practice::Assignment a;
    switch (readClassFolderFile(path, practice::LARGEST_ASSIGNMENT, file, why)) {
    case ClassRead::missing: break;
    case ClassRead::too_large:
        a.refusal = practice::AssignmentRefusal::too_large;
        said = "calcora: " + path + " is larger than " + std::to_string(practice::LARGEST_ASSIGNMENT >> 10) + " KB: passed over\n";
        break;
    case ClassRead::not_allowed:
    case ClassRead::failed: said = "calcora: cannot read the assignment " + path + " (" + why + ")\n"; break;
    case ClassRead::read:
        why = notTheTeachers(folder, file);
        if (!why.empty()) {
            a.refusal = practice::AssignmentRefusal::not_teachers;
            said = "calcora: assignment.txt is not the teacher's: passed over (" + path + ": " + why + ")\n";
            break;
        }
        a = practice::readAssignment(file.text);
        for (const practice::AssignmentLineFault& f : a.faults) said += "calcora: " + practice::printable(practice::describe(f)) + "\n";
    }
    // Read again at each A: what it says is said again only when it changed.
    if (said != m_assignmentSaid) err << said;
    m_assignmentSaid = said;
    std::string kept;
    m_assignment.read(kept, why, practice::LARGEST_ASSIGNMENT);
    const bool same = assignmentKey(a) == assignmentKey(cpu.getAssignment());
    cpu.setAssignmentDone(a.total() ? std::max(doneIn(kept, a), same ? cpu.getAssignmentDone() : 0) : 0);
    if (!same) forgetAssignmentProblem(cpu);
    cpu.setAssignment(std::move(a));
}

void PracticeKeeper::keepAssignment(CPU& cpu, const std::string& pupil, std::ostream& err) {
    if (!cpu.getAssignmentChanged()) return;
    cpu.setAssignmentChanged(false);
    const practice::Assignment& a = cpu.getAssignment();
    const int ours = cpu.getAssignmentDone();
    int before = 0;
    std::string why;
    const bool saved = m_assignment.saveMerged(
        [&](const std::string& now) {
            before = doneIn(now, a);
            return withProgress(now, a, ours);
        },
        why);
    if (!saved) failed(m_assignment.where(), why, err);
    // Another window of the pupil's got as far or further: the furthest stands, and nothing is counted twice.
    if (saved && before >= ours) {
        cpu.setAssignmentDone(before);
        return;
    }
    if (!cpu.getClassFolder().empty())
        m_classRows += practice::assignmentRow(pupil, timeNow(), a.title, ours, a.total());
}

RowQueue* PracticeKeeper::classQueue(const CPU& cpu) {
    const std::optional<std::string> file = practice::classFilePath(cpu.getClassFolder(), m_pupil.login);
    if (cpu.getClassFolder().empty() || !file) return nullptr;
    auto found = m_classQueues.find(*file);
    if (found == m_classQueues.end())
        found = m_classQueues
                    .try_emplace(*file, *file, practice::classHeader(), pendingBeside(m_progress, *file),
                                 [this](const std::string& to, const std::string& rows, const std::string& header,
                                        std::string& why, const std::function<void(const AppendPlace&)>& before) {
                                     return appendToClassFile(to, rows, header, why, before,
                                                              [this](const std::string& share) { m_oneOwnerShare = share; });
                                 })
                    .first;
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
    const bool foreign = !sent && why.compare(0, std::strlen(FOREIGN_CLASS_FILE), FOREIGN_CLASS_FILE) == 0;
    cpu.setClassFileForeign(foreign);
    cpu.setClassUnreachable(!sent && !foreign);
    cpu.setPracticeRowsWaiting(m_log.waiting() || classWaiting());
    if (!m_oneOwnerShare.empty() && !m_oneOwnerSaid) {
        err << "calcora: the class folder " << cpu.getClassFolder() << " cannot tell pupils apart by owner (" << m_oneOwnerShare
            << "); the rows go to " << queue->destination() << " as before\n";
        m_oneOwnerSaid = true;
    }
    if (foreign && !m_foreignReported)
        err << "calcora: " << queue->destination() << " belongs to the account " << why.substr(std::strlen(FOREIGN_CLASS_FILE))
            << ", not to " << m_pupil.login << ": it is never written, and its rows wait here (tell the teacher)\n";
    m_foreignReported = m_foreignReported || foreign;
    if (sent || foreign || m_classFailureReported) return;
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
