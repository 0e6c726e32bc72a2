// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice screen's files: the pupil's progress, kept per user between
// runs (read defensively: missing or empty is a fresh start, and so is a
// damaged file, said in one line on stderr), and practice.csv in the working
// folder, a row for every checked answer and every skip, appended (never
// rewritten) and kept until it lands. The store holds what waits to be
// written; the frame loop writes it.
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "RowQueue.h"
#include "UserFile.h"

class CPU;

constexpr const char* PRACTICE_LOG_FILE = "practice.csv";
UserFile practiceProgressFile();

// The seed of the run's sequence of problems: the one --practice-seed gave,
// else one of its own.
void setPracticeSeed(std::uint64_t seed);
std::uint64_t practiceSeed();

// The pupil whose rows these are: the login the class file is named after,
// and the account's full name (its GECOS field).
struct Pupil {
    std::string login;
    std::string full_name;
};
Pupil accountPupil();

// Keeps the practice files: `restore` reads the progress into the store at
// start-up and sends the rows an earlier run could not; `keep`, called every
// frame, appends practice.csv's new rows (stamped with the local time now)
// behind any still waiting, and saves the progress when it changed: only
// the levels changed here, into the file as it is then, so that two windows
// keep each other's progress. Rows that cannot be written wait (in a pending
// file beside the progress) and are tried again with the next row or after
// a few seconds; the store knows that they wait. A failed save is said once
// a run, and the next change tries again.
// With a class folder in the store, each row also goes to the pupil's class
// file there, through a queue of its own; while its rows wait the store also
// says that the folder cannot be reached.
class PracticeKeeper {
public:
    PracticeKeeper(UserFile progress, const std::string& log, Pupil pupil = accountPupil(),
                   UserFile assignment = UserFile(UserFolder::data, "assignment"));
    void restore(CPU& cpu, std::uint64_t seed, std::ostream& err);
    // Reads the class folder's assignment.txt into the store (its unreadable
    // lines said on `err`) and how far the pupil got with it, kept in
    // `assignment` with a line per assignment that every window of the pupil
    // merges into, the furthest problem done winning. An assignment.txt that
    // is not the teacher's (see notTheTeachers) or too large is passed over.
    // `keep` reads it again when A asked for the assignment.
    void restoreAssignment(CPU& cpu, std::ostream& err);
    void keep(CPU& cpu, std::ostream& err);

private:
    void failed(const std::string& what, const std::string& why, std::ostream& err);
    void sendRows(CPU& cpu, const std::string& rows, std::ostream& err);
    void sendToClass(CPU& cpu, std::ostream& err);
    void keepAssignment(CPU& cpu, const std::string& pupil, std::ostream& err);
    RowQueue* classQueue(const CPU& cpu);
    bool classWaiting() const;

    UserFile m_progress;
    std::string m_progressKept;  // the progress as last read or saved
    RowQueue m_log;
    std::chrono::steady_clock::time_point m_lastTry{};
    Pupil m_pupil;
    UserFile m_assignment;
    std::map<std::string, RowQueue> m_classQueues;  // one for each class file of the run
    std::string m_classRows;  // waiting for a class file to be named
    std::string m_assignmentSaid;  // what the last read of assignment.txt said on stderr
    std::string m_oneOwnerShare;   // why the class folder's share shows one owner, once found
    bool m_failureReported = false;
    bool m_classFailureReported = false;
    bool m_foreignReported = false;
    bool m_oneOwnerSaid = false;
};

// The program's own practice files: SDL_main and the browser's main call
// `rememberPractice` once started, the frame loop calls `keepPractice`.
// Tests that run frames write nothing unless they ask.
void rememberPractice(CPU& cpu);
void keepPractice(CPU& cpu);
