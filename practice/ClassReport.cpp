// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassReport.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <charconv>
#include <cstring>
#include <ctime>
#include <memory>
#include <tuple>

#include "Assignment.h"
#include "ClassFile.h"
#include "app/GlobalVariables.h"
#include "app/SafeFile.h"
#include "working/WorkingParts.h"

namespace practice {

using working::filled;

namespace {

constexpr std::size_t FIELDS = 8;
constexpr std::size_t LARGEST_CLASS_FILE = 64 << 20;
constexpr std::size_t REMEMBERED = 6;  // the mastery rule: 5 of the last 6 right without a hint
constexpr int TO_MASTER = 5;
constexpr int RECURS = 2;              // a pupil's mistake counts from its second time
constexpr std::size_t MISTAKES_SHOWN = 3;

// Text for a terminal: control characters (an escape sequence a pupil put in
// a name or a file's name) shown as '?'.
std::string printable(const std::string& text) {
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return shown;
}

// Reading the rows.

// The fields of the record at `at` (a CSV line, quoted fields spanning line
// breaks); moves `at` past it and counts its line breaks into `lines`.
bool nextRecord(const std::string& text, std::size_t& at, std::vector<std::string>& fields, int& lines) {
    fields.assign(1, "");
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '\n') ++lines;
            if (c != '"') fields.back() += c;
            else if (at + 1 < text.size() && text[at + 1] == '"') fields.back() += text[++at];
            else quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            ++at;
            ++lines;
            break;
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return !quoted;
}

std::optional<int> smallNumber(const std::string& text, int largest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 || value > largest)
        return std::nullopt;
    return value;
}

bool isTime(const std::string& t) {
    const char* const SHAPE = "dddd-dd-dd dd:dd:dd";
    if (t.size() != std::strlen(SHAPE)) return false;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (SHAPE[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(t[i])) : t[i] != SHAPE[i]) return false;
    return true;
}

struct Verdict {
    std::optional<VerdictKind> kind;  // none: skipped
    Mistake mistake = Mistake::none;
};

std::optional<Verdict> verdictIn(const std::string& word) {
    const std::size_t colon = word.find(':');
    const std::string kind = word.substr(0, colon);
    Verdict v;
    if (kind == "correct") v.kind = VerdictKind::correct;
    else if (kind == "wrong") v.kind = VerdictKind::wrong;
    else if (kind == "form") v.kind = VerdictKind::form;
    else if (kind != "skipped") return std::nullopt;
    if (colon == std::string::npos) return v;
    const std::optional<Mistake> m = v.kind ? mistakeWithId(word.substr(colon + 1)) : std::nullopt;
    if (!m) return std::nullopt;
    v.mistake = *m;
    return v;
}

// One answer or skip, counted as the practice screen counts it: the first
// answer on a problem decides whether it was right at the first try and
// whether it counts towards mastery (not after a hint).
void count(ExerciseSummary& s, int level, const std::string& problem, const Verdict& v, int hints) {
    ExerciseSummary::Level& l = s.levels[std::size_t(level - 1)];
    if (!l.open || l.problem != problem) l = {problem, true, false, l.recent};
    if (!v.kind) {
        l.open = false;
        return;
    }
    ++s.answers;
    if (v.mistake != Mistake::none) ++s.mistakes[v.mistake];
    const bool right = *v.kind == VerdictKind::correct;
    if (!l.counted && *v.kind != VerdictKind::form) {
        l.counted = true;
        ++s.problems;
        if (right && hints == 0) ++s.right_first;
        if (hints == 0) l.recent += right ? 'c' : 'm';
        if (l.recent.size() > REMEMBERED) l.recent.erase(0, l.recent.size() - REMEMBERED);
        if (std::count(l.recent.begin(), l.recent.end(), 'c') >= TO_MASTER) s.mastered = std::max(s.mastered, level);
    }
    if (right) l.open = false;
}

// The assignment's completion, "DONE/TOTAL".
std::optional<std::pair<int, int>> doneOfTotal(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::optional<int> done = smallNumber(text.substr(0, slash), 1 << 20);
    const std::optional<int> total = smallNumber(text.substr(slash + 1), 1 << 20);
    if (!done || !total || *done > *total) return std::nullopt;
    return std::make_pair(*done, *total);
}

// What is wrong with one row, or "" when it is sound (and then counted).
std::string readRow(const std::vector<std::string>& f, PupilSummary& pupil) {
    if (f.size() != FIELDS) return "expected " + std::to_string(FIELDS) + " fields, found " + std::to_string(f.size());
    if (!isTime(f[1])) return "the time is not YYYY-MM-DD HH:MM:SS";
    if (f[2] == ASSIGNMENT_EXERCISE) {
        const std::optional<std::pair<int, int>> progress = doneOfTotal(f[5]);
        if (!f[3].empty() || !progress || (f[6] != "progress" && f[6] != "complete")) return "not an assignment's row";
        pupil.name = f[0];
        pupil.assignment = f[4];
        std::tie(pupil.done, pupil.total) = *progress;
        return "";
    }
    const std::optional<Exercise> e = exerciseWithId(f[2]);
    if (!e) return "unknown exercise '" + f[2] + "'";
    const std::optional<int> level = smallNumber(f[3], HIGHEST_LEVEL);
    if (!level || *level < LOWEST_LEVEL) return "the level is not 1, 2 or 3";
    const std::optional<Verdict> verdict = verdictIn(f[6]);
    if (!verdict) return "unknown verdict '" + f[6] + "'";
    const std::optional<int> hints = smallNumber(f[7], HINT_STAGES);
    if (!hints) return "the hints are not a number from 0 to 3";
    pupil.name = f[0];
    pupil.days.insert(f[1].substr(0, 10));
    count(pupil.exercises[*e], *level, f[4], *verdict, *hints);
    return "";
}

}  // namespace

bool readClassFile(const std::string& file, const std::string& text, PupilSummary& pupil, std::ostream& err) {
    std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::vector<std::string> fields;
    int lines = 0;
    std::string header = classHeader();
    header.pop_back();
    std::string first;
    nextRecord(text, at, fields, lines);
    for (const std::string& f : fields) first += (first.empty() ? "" : ",") + f;
    if (first != header) {
        err << printable(file) << ":1: not a class file (its first line is not " << header << ")\n";
        return false;
    }
    pupil.file = file;
    while (at < text.size()) {
        const int line = lines + 1;
        const bool closed = nextRecord(text, at, fields, lines);
        if (fields.size() == 1 && fields[0].empty()) continue;
        const std::string why = closed ? readRow(fields, pupil) : "a quote is never closed";
        if (why.empty()) ++pupil.rows;
        else err << printable(file) << ":" << line << ": " << printable(why) << "\n";
    }
    return true;
}

namespace {

// Writing the report.

std::string escaped(const std::string& text) {
    std::string html;
    for (char c : text) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        case '\'': html += "&#39;"; break;
        default: html += c;
        }
    }
    return html;
}

// A cell a spreadsheet takes as text as it stands: one that would start a
// formula, or read as a number or a date (3/10, 2-3), begins with an apostrophe.
std::string tableCell(const std::string& text) {
    const bool formula = !text.empty() && std::strchr("=+-@\t\r", text[0]);
    const bool numberLike = text.find_first_of("0123456789") != std::string::npos &&
                            text.find_first_not_of("0123456789/-.:, ") == std::string::npos;
    return csvField(formula || numberLike ? "'" + text : text);
}

int share(const ExerciseSummary& s) { return s.problems ? s.right_first * 100 / s.problems : 0; }

const char* shade(const ExerciseSummary& s) {
    if (s.problems == 0) return "none";
    return share(s) >= 80 ? "good" : share(s) >= 50 ? "fair" : "weak";
}

std::string pupilShown(const ReportInput& in, std::size_t index) {
    return in.anonymous ? filled(lang_file->report_pupil_number, {std::to_string(index + 1)}) : in.pupils[index].name;
}

// The pupil's assignment, as far as it concerns the class folder's present one.
std::string assignmentShown(const ReportInput& in, const PupilSummary& p) {
    const bool current = p.assignment && (!in.assignment_title || *p.assignment == *in.assignment_title);
    if (!current) return in.assignment_title ? filled(lang_file->report_done_of, {"0", std::to_string(in.assignment_total)}) : "";
    if (p.done >= p.total) return lang_file->report_complete;
    return filled(lang_file->report_done_of, {std::to_string(p.done), std::to_string(p.total)});
}

std::vector<Exercise> exercisesPractised(const ReportInput& in) {
    std::vector<Exercise> practised;
    for (Exercise e : allExercises())
        for (const PupilSummary& p : in.pupils)
            if (p.exercises.count(e)) {
                practised.push_back(e);
                break;
            }
    return practised;
}

std::string cell(const ExerciseSummary& s) {
    const std::string level = s.mastered ? filled(lang_file->report_level, {std::to_string(s.mastered)}) : lang_file->report_no_level;
    std::string text = escaped(level) + "<br>" + escaped(filled(lang_file->report_answers, {std::to_string(s.answers)}));
    if (s.problems) text += "<br>" + escaped(filled(lang_file->report_first_try, {std::to_string(share(s))}));
    return "<td class=\"" + std::string(shade(s)) + "\">" + text + "</td>";
}

std::string grid(const ReportInput& in, const std::vector<Exercise>& shown) {
    std::string html = "<table>\n<tr><th>" + escaped(lang_file->report_pupil) + "</th><th>" +
                       escaped(lang_file->report_assignment) + "</th><th>" + escaped(lang_file->report_days) + "</th>";
    for (Exercise e : shown) html += "<th>" + escaped(name(e)) + "</th>";
    html += "</tr>\n";
    for (std::size_t i = 0; i < in.pupils.size(); ++i) {
        const PupilSummary& p = in.pupils[i];
        html += "<tr><th>" + escaped(pupilShown(in, i)) + "</th><td>" + escaped(assignmentShown(in, p)) + "</td><td>" +
                std::to_string(p.days.size()) + "</td>";
        for (Exercise e : shown) {
            const auto found = p.exercises.find(e);
            html += found == p.exercises.end() ? "<td class=\"none\"></td>" : cell(found->second);
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

// Per exercise, its named mistakes that recur for some pupil, most pupils first.
std::string mistakes(const ReportInput& in, const std::vector<Exercise>& shown) {
    std::string rows;
    for (Exercise e : shown) {
        std::map<Mistake, std::vector<std::size_t>> who;
        for (std::size_t i = 0; i < in.pupils.size(); ++i) {
            const auto found = in.pupils[i].exercises.find(e);
            if (found == in.pupils[i].exercises.end()) continue;
            for (const auto& [mistake, times] : found->second.mistakes)
                if (times >= RECURS) who[mistake].push_back(i);
        }
        std::vector<std::pair<Mistake, std::vector<std::size_t>>> ranked(who.begin(), who.end());
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
        if (ranked.size() > MISTAKES_SHOWN) ranked.resize(MISTAKES_SHOWN);
        for (const auto& [mistake, pupils] : ranked) {
            std::string names;
            for (std::size_t i : pupils) names += (names.empty() ? "" : ", ") + pupilShown(in, i);
            rows += "<tr><td>" + escaped(name(e)) + "</td><td>" + escaped(mistakeName(mistake)) + "</td><td>" +
                    std::to_string(pupils.size()) + ": " + escaped(names) + "</td></tr>\n";
        }
    }
    if (rows.empty()) return "<p>" + escaped(lang_file->report_no_mistakes) + "</p>\n";
    return "<table>\n<tr><th>" + escaped(lang_file->report_exercise) + "</th><th>" + escaped(lang_file->report_mistake) +
           "</th><th>" + escaped(lang_file->report_pupils) + "</th></tr>\n" + rows + "</table>\n";
}

const char* const STYLE =
    "@page { size: A4 landscape; margin: 10mm; }\n"
    "body { font-family: sans-serif; font-size: 10pt; color: #000; background: #fff; }\n"
    "table { border-collapse: collapse; margin-bottom: 1em; }\n"
    "th, td { border: 1px solid #666; padding: 2px 5px; vertical-align: top; text-align: left; }\n"
    "tr { page-break-inside: avoid; }\n"
    ".good { background: #b7e4b7; } .fair { background: #fbe79a; } .weak { background: #f4b6b6; }\n"
    ".none { background: #e6e6e6; }\n"
    "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n";

int answersIn(const ReportInput& in) {
    int answers = 0;
    for (const PupilSummary& p : in.pupils)
        for (const auto& [e, s] : p.exercises) answers += s.answers;
    return answers;
}

}  // namespace

std::string reportPage(const ReportInput& in) {
    const std::vector<Exercise> shown = exercisesPractised(in);
    const std::string title = lang_file->report_title;
    return "<!DOCTYPE html>\n<html lang=\"" + std::string(language == "Polish" ? "pl" : "en") +
           "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + escaped(title) + "</title>\n<style>\n" + STYLE +
           "</style>\n</head>\n<body>\n<h1>" + escaped(title) + "</h1>\n<p>" +
           escaped(filled(lang_file->report_summary,
                          {std::to_string(in.pupils.size()), std::to_string(answersIn(in)), in.date})) +
           "</p>\n<h2>" + escaped(lang_file->report_grid) + "</h2>\n<p>" + escaped(lang_file->report_legend) + "</p>\n" +
           grid(in, shown) + "<h2>" + escaped(lang_file->report_mistakes) + "</h2>\n<p>" +
           escaped(lang_file->report_mistakes_note) + "</p>\n" + mistakes(in, shown) + "</body>\n</html>\n";
}

std::string reportTable(const ReportInput& in) {
    const Language& t = *lang_file;
    std::string table = "\xEF\xBB\xBF";  // a byte order mark: spreadsheets then read the file as UTF-8
    for (const std::string* heading : {&t.report_pupil, &t.report_exercise, &t.report_level_mastered, &t.report_answers_given,
                                       &t.report_problems, &t.report_right_first, &t.report_right_share, &t.report_days,
                                       &t.report_assignment})
        table += tableCell(*heading) + (heading == &t.report_assignment ? "\r\n" : ",");
    for (std::size_t i = 0; i < in.pupils.size(); ++i) {
        const PupilSummary& p = in.pupils[i];
        const std::string after = "," + std::to_string(p.days.size()) + "," + tableCell(assignmentShown(in, p)) + "\r\n";
        if (p.exercises.empty()) table += tableCell(pupilShown(in, i)) + ",,,0,0,0,," + after;
        for (const auto& [e, s] : p.exercises)
            table += tableCell(pupilShown(in, i)) + "," + tableCell(name(e)) + "," +
                     (s.mastered ? std::to_string(s.mastered) : "") + "," + std::to_string(s.answers) + "," +
                     std::to_string(s.problems) + "," + std::to_string(s.right_first) + "," +
                     (s.problems ? std::to_string(share(s)) : "") + after;
    }
    return table;
}

namespace {

// The whole command, step by step.

bool readFile(const std::string& path, std::string& text, std::string& why) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ELOOP ? "it is a symbolic link" : std::strerror(errno);
        return false;
    }
    struct stat status;
    bool read = false;
    if (fstat(fd, &status) != 0) why = std::strerror(errno);
    else if (!S_ISREG(status.st_mode)) why = "it is not a regular file";
    else if (std::size_t(status.st_size) > LARGEST_CLASS_FILE) why = "it is larger than a class file can be";
    else {
        text.resize(std::size_t(status.st_size));
        std::size_t got = 0;
        for (ssize_t n = 1; got < text.size() && n > 0; got += std::size_t(n > 0 ? n : 0))
            n = ::read(fd, &text[got], text.size() - got);
        text.resize(got);
        read = true;
    }
    close(fd);
    return read;
}

bool endsWith(const std::string& name, const std::string& end) {
    return name.size() > end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}

// The *.csv names of the folder, sorted; false when it cannot be read.
bool csvNames(const std::string& folder, std::vector<std::string>& names, std::string& why) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        why = std::strerror(errno);
        return false;
    }
    for (const dirent* entry; (entry = readdir(dir.get()));)
        if (endsWith(entry->d_name, ".csv")) names.push_back(entry->d_name);
    std::sort(names.begin(), names.end());
    return true;
}

bool sameFolder(const std::string& a, const std::string& b) {
    struct stat x, y;
    return stat(a.c_str(), &x) == 0 && stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return csvTime(local).substr(0, 10);
}

void putInOrder(ReportInput& in) {
    std::sort(in.pupils.begin(), in.pupils.end(), [&](const PupilSummary& a, const PupilSummary& b) {
        if (in.anonymous) return nameSeed(a.file) < nameSeed(b.file);  // an order that tells nothing of the names
        return a.name != b.name ? a.name < b.name : a.file < b.file;
    });
}

void readFolderAssignment(const std::string& folder, ReportInput& in) {
    std::string text, why;
    if (!readFile(folder + "/" + ASSIGNMENT_FILE, text, why)) return;
    const Assignment a = readAssignment(text);
    if (a.total() == 0) return;
    in.assignment_title = a.title;
    in.assignment_total = a.total();
}

}  // namespace

int classReport(const std::string& folder, bool anonymous, std::ostream& out, std::ostream& err) {
    std::vector<std::string> names;
    std::string why;
    if (!csvNames(folder, names, why)) {
        err << "calcora: cannot read the class folder " << printable(folder) << ": " << why << "\n";
        return 1;
    }
    if (sameFolder(folder, ".")) {
        err << "calcora: the report is written into the working folder: run it from another folder than "
            << printable(folder) << "\n";
        return 1;
    }
    ReportInput in;
    in.anonymous = anonymous;
    in.date = today();
    readFolderAssignment(folder, in);
    for (const std::string& name : names) {
        std::string text;
        PupilSummary pupil;
        if (!readFile(folder + "/" + name, text, why)) {
            err << "calcora: cannot read " << printable(name) << ": " << why << "\n";
            continue;
        }
        if (!readClassFile(name, text, pupil, err)) continue;
        out << printable(name) << ": " << pupil.rows << " rows\n";
        in.pupils.push_back(std::move(pupil));
    }
    if (in.pupils.empty()) {
        err << "calcora: no pupil's file (*.csv with the class file's first line) in " << printable(folder) << "\n";
        return 1;
    }
    putInOrder(in);
    for (const char* file : {REPORT_PAGE, REPORT_TABLE})
        if (!saveTextFile(file, file == REPORT_PAGE ? reportPage(in) : reportTable(in), why)) {
            err << "calcora: cannot save " << file << ": " << why << "\n";
            return 1;
        }
    out << "calcora: wrote " << REPORT_PAGE << " and " << REPORT_TABLE << " (" << in.pupils.size() << " pupils)\n";
    return 0;
}

}  // namespace practice
