// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's report over a class folder: every pupil's class file summed
// up into one self-contained HTML page (pupils by exercises, the class's
// recurring mistakes, each pupil's assignment and days practised) and one
// CSV table, in the language shown. Whatever a pupil wrote is shown as text.
#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "practice/Practice.h"

namespace practice {

constexpr const char* REPORT_PAGE = "class-report.html";
constexpr const char* REPORT_TABLE = "class-report.csv";

// One pupil's answers at one exercise.
struct ExerciseSummary {
    int answers = 0;      // checked answers (not skips)
    int problems = 0;     // problems answered at least once
    int right_first = 0;  // of them, right at the first answer without a hint
    int mastered = 0;     // the highest level mastered, 0 for none
    std::map<Mistake, int> mistakes;  // how often each named mistake was made

    // While reading: each level's problem on show and the last answers, as
    // the practice screen counts them.
    struct Level {
        std::string problem;
        bool open = false, counted = false;
        std::string recent;
    };
    std::array<Level, HIGHEST_LEVEL> levels;
};

// One pupil: the rows of one name in one class file.
struct PupilSummary {
    std::string file;   // "anna.csv"
    std::string login;  // the file's owner, who wrote it
    std::string name;   // as the rows name the pupil (nameAsRead); "" shows the login
    std::map<Exercise, ExerciseSummary> exercises;
    std::set<std::string> days;
    std::optional<std::string> assignment;  // the last completion row's title
    int done = 0, total = 0;
    int rows = 0;
};

// A class file read: a pupil for each name its rows give, in the order they
// first appear, and how many lines were passed over.
struct ClassFileRead {
    std::vector<PupilSummary> pupils;
    int passed = 0;
};
// Reads one class file (named `file` in messages) a line at a time. A damaged
// line (a stray quote, binary bytes, a field that cannot be read) is said on
// `err` as "FILE:LINE: reason" and passed over alone. None, with one line on
// `err`, when the file is no class file at all.
std::optional<ClassFileRead> readClassFile(const std::string& file, const std::string& text, std::ostream& err);

// Something about the class folder's files the teacher should look at, in the
// language shown: it concerns the pupils of `files` (all names, or only
// `name`'s), or none when `files` is empty.
struct FileCheck {
    std::string text;
    std::set<std::string> files;
    std::string name;
};

// The page and the table over `pupils`, made on `date` (YYYY-MM-DD);
// `assignmentTitle` and `assignmentTotal` describe the class folder's
// assignment, if any. `anonymous`: pupils as numbers instead of names.
struct ReportInput {
    std::vector<PupilSummary> pupils;
    std::vector<FileCheck> checks;
    std::string date;
    std::optional<std::string> assignment_title;
    int assignment_total = 0;
    bool anonymous = false;
};
// The notes the folder's files call for: a file whose owner is not the login
// it is named for (unless the share shows one owner for all), a file with
// rows under several names, a name in several files.
std::vector<FileCheck> checksOf(const std::vector<PupilSummary>& pupils, bool ownersKept);
std::string reportPage(const ReportInput& in);
std::string reportTable(const ReportInput& in);

// The whole report: reads every *.csv of `folder` (a link only when the
// folder's owner made it), each pupil known by the login of the file's
// owner; writes REPORT_PAGE and REPORT_TABLE into the working folder, one
// line on `out` per file read. A file that cannot be read is named on the page.
// 0 when the report was made; 1, with one line on `err`, when the folder
// cannot be read, holds no pupil's file or the report cannot be saved.
int classReport(const std::string& folder, bool anonymous, std::ostream& out, std::ostream& err);

}  // namespace practice
