// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassReport.h"

#include <dirent.h>
#include <sys/stat.h>

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
#include "app/ClassFolder.h"
#include "app/GlobalVariables.h"
#include "app/SafeFile.h"
#include "working/WorkingParts.h"

namespace practice {

using working::filled;

namespace {

constexpr std::size_t FIELDS = 8;
constexpr std::size_t REMEMBERED = 6;  // the mastery rule: 5 of the last 6 right without a hint
constexpr int TO_MASTER = 5;
constexpr int RECURS = 2;              // a pupil's mistake counts from its second time
constexpr std::size_t MISTAKES_SHOWN = 3;

// Reading the rows.

// The fields of one line of CSV; false when a quote is never closed on it.
bool fieldsOf(const std::string& line, std::vector<std::string>& fields) {
    fields.assign(1, "");
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (quoted) {
            if (c != '"') fields.back() += c;
            else if (at + 1 < line.size() && line[at + 1] == '"') fields.back() += line[++at];
            else quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
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

// The pupil of the file named `name`, added when it is the first row of that name.
PupilSummary& pupilNamed(ClassFileRead& read, const std::string& file, const std::string& name) {
    for (PupilSummary& p : read.pupils)
        if (p.name == name) return p;
    read.pupils.emplace_back();
    read.pupils.back().file = file;
    read.pupils.back().name = name;
    return read.pupils.back();
}

// What is wrong with one row, or "" when it is sound (and then counted).
std::string readRow(const std::vector<std::string>& f, const std::string& file, ClassFileRead& read) {
    if (f.size() != FIELDS) return "expected " + std::to_string(FIELDS) + " fields, found " + std::to_string(f.size());
    if (!isTime(f[1])) return "the time is not YYYY-MM-DD HH:MM:SS";
    if (f[2] == ASSIGNMENT_EXERCISE) {
        const std::optional<std::pair<int, int>> progress = doneOfTotal(f[5]);
        if (!f[3].empty() || !progress || (f[6] != "progress" && f[6] != "complete")) return "not an assignment's row";
        PupilSummary& pupil = pupilNamed(read, file, nameAsRead(f[0]));
        // Of one assignment the furthest row counts, whatever the order the windows wrote them in.
        const bool same = pupil.assignment == f[4] && pupil.total == progress->second;
        pupil.done = same ? std::max(pupil.done, progress->first) : progress->first;
        pupil.total = progress->second;
        pupil.assignment = f[4];
        ++pupil.rows;
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
    PupilSummary& pupil = pupilNamed(read, file, nameAsRead(f[0]));
    pupil.days.insert(f[1].substr(0, 10));
    count(pupil.exercises[*e], *level, f[4], *verdict, *hints);
    ++pupil.rows;
    return "";
}

}  // namespace

std::optional<ClassFileRead> readClassFile(const std::string& file, const std::string& text, std::ostream& err) {
    std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    ClassFileRead read;
    std::string header = classHeader();
    header.pop_back();
    std::vector<std::string> fields;
    for (int line = 1; at < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string record = text.substr(at, end - at);
        at = end + 1;
        if (!record.empty() && record.back() == '\r') record.pop_back();
        if (line == 1 && record != header) {
            err << printable(file) << ":1: not a class file (its first line is not " << header << ")\n";
            return std::nullopt;
        }
        if (line == 1 || record.empty()) continue;
        std::string why = !isText(record)              ? "not text (binary bytes or broken UTF-8)"
                          : !fieldsOf(record, fields) ? "a quote is never closed on this line"
                                                      : readRow(fields, file, read);
        if (why.empty()) continue;
        err << printable(file) << ":" << line << ": " << printable(why) << "\n";
        ++read.passed;
    }
    if (text.size() <= (text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3u : 0u)) {
        err << printable(file) << ":1: not a class file (it is empty)\n";
        return std::nullopt;
    }
    return read;
}

namespace {

// Writing the report.

// Text for the page: HTML's own characters escaped, control characters shown as '?'.
std::string escaped(const std::string& text) {
    std::string html;
    for (char c : printable(text)) {
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
// formula, or that it would read as a number, a percentage, a sum of money,
// a date or a time (1e5, 50%, 3/10, 2-3, 08:40), or as TRUE or FALSE, begins
// with an apostrophe.
std::string tableCell(const std::string& text) {
    const bool formula = !text.empty() && std::strchr("=+-@\t\r", text[0]);
    std::string word;
    for (char c : text) word += char(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t exponent = word.find('E');
    const std::string rest = exponent == std::string::npos ? word : word.substr(0, exponent) + word.substr(exponent + 1);
    const bool numberLike = rest.find_first_of("0123456789") != std::string::npos &&
                            rest.find_first_not_of("0123456789/-.:,+%$() \xE2\x82\xAC\xC2\xA3") == std::string::npos;
    const bool truth = word == "TRUE" || word == "FALSE";
    return csvField(printable(formula || numberLike || truth ? "'" + text : text));
}

int share(const ExerciseSummary& s) { return s.problems ? s.right_first * 100 / s.problems : 0; }

const char* shade(const ExerciseSummary& s) {
    if (s.problems == 0) return "none";
    return share(s) >= 80 ? "good" : share(s) >= 50 ? "fair" : "weak";
}

// The name the rows give, else the login; a number instead when anonymous.
std::string pupilShown(const ReportInput& in, std::size_t index) {
    const PupilSummary& p = in.pupils[index];
    if (in.anonymous) return filled(lang_file->report_pupil_number, {std::to_string(index + 1)});
    return p.name.empty() ? p.login : p.name;
}

// On the page: the name, and beside it in smaller text the login that wrote the file.
std::string pupilOnPage(const ReportInput& in, std::size_t index) {
    const std::string login = in.anonymous ? "" : in.pupils[index].login;
    return escaped(pupilShown(in, index)) + (login.empty() ? "" : " <span class=\"login\">" + escaped(login) + "</span>");
}

// The notes that concern pupil `index`, joined.
std::string checksOfPupil(const ReportInput& in, std::size_t index) {
    const PupilSummary& p = in.pupils[index];
    std::string joined;
    for (const FileCheck& c : in.checks)
        if (c.files.count(p.file) && (c.name.empty() || c.name == p.name)) joined += (joined.empty() ? "" : "; ") + c.text;
    return joined;
}

// "Check these files" at the top of the page: every note, or only how many
// there are when the page is anonymous (the notes name files and logins).
std::string checkSection(const ReportInput& in) {
    if (in.checks.empty()) return "";
    std::string html = "<h2>" + escaped(lang_file->report_check) + "</h2>\n<p>" + escaped(lang_file->report_check_note) + "</p>\n";
    if (in.anonymous)
        return html + "<p>" + escaped(filled(lang_file->report_check_anonymous, {std::to_string(in.checks.size())})) + "</p>\n";
    html += "<ul class=\"check\">\n";
    for (const FileCheck& c : in.checks) html += "<li>" + escaped(c.text) + "</li>\n";
    return html + "</ul>\n";
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
        html += "<tr><th>" + pupilOnPage(in, i) + "</th><td>" + escaped(assignmentShown(in, p)) + "</td><td>" +
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
    "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    "th { max-width: 14em; overflow-wrap: anywhere; }\n"
    ".login { font-size: 75%; font-weight: normal; color: #444; }\n"
    ".check li { margin-bottom: 2px; }\n";

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
           "</p>\n" + checkSection(in) + "<h2>" + escaped(lang_file->report_grid) + "</h2>\n<p>" + escaped(lang_file->report_legend) + "</p>\n" +
           grid(in, shown) + "<h2>" + escaped(lang_file->report_mistakes) + "</h2>\n<p>" +
           escaped(lang_file->report_mistakes_note) + "</p>\n" + mistakes(in, shown) + "</body>\n</html>\n";
}

std::string reportTable(const ReportInput& in) {
    const Language& t = *lang_file;
    std::string table = "\xEF\xBB\xBF";  // a byte order mark: spreadsheets then read the file as UTF-8
    const std::string* const HEADINGS[] = {&t.report_pupil,        &t.report_login,      &t.report_exercise,
                                           &t.report_level_mastered, &t.report_answers_given, &t.report_problems,
                                           &t.report_right_first,  &t.report_right_share, &t.report_days,
                                           &t.report_assignment,   &t.report_check_column};
    for (const std::string* heading : HEADINGS) table += tableCell(*heading) + (heading == HEADINGS[10] ? "\r\n" : ",");
    for (std::size_t i = 0; i < in.pupils.size(); ++i) {
        const PupilSummary& p = in.pupils[i];
        const std::string who = tableCell(pupilShown(in, i)) + "," + tableCell(in.anonymous ? "" : p.login) + ",";
        const std::string after = "," + std::to_string(p.days.size()) + "," + tableCell(assignmentShown(in, p)) + "," +
                                  tableCell(in.anonymous ? "" : checksOfPupil(in, i)) + "\r\n";
        if (p.exercises.empty()) table += who + ",,0,0,0," + after;
        for (const auto& [e, s] : p.exercises)
            table += who + tableCell(name(e)) + "," + (s.mastered ? std::to_string(s.mastered) : "") + "," +
                     std::to_string(s.answers) + "," + std::to_string(s.problems) + "," + std::to_string(s.right_first) +
                     "," + (s.problems ? std::to_string(share(s)) : "") + after;
    }
    // The notes about no pupil's rows (a file not read, a share of one owner) on rows of their own.
    if (!in.anonymous)
        for (const FileCheck& c : in.checks) {
            const bool aboutAPupil = std::any_of(in.pupils.begin(), in.pupils.end(),
                                                 [&](const PupilSummary& p) { return c.files.count(p.file) > 0; });
            if (!aboutAPupil) table += ",,,,,,,,,," + tableCell(c.text) + "\r\n";
        }
    return table;
}

std::vector<FileCheck> checksOf(const std::vector<PupilSummary>& pupils, bool ownersKept) {
    std::vector<FileCheck> checks;
    std::map<std::string, std::vector<const PupilSummary*>> byFile;
    std::map<std::string, std::set<std::string>> filesOfName;
    for (const PupilSummary& p : pupils) {
        byFile[p.file].push_back(&p);
        if (!p.name.empty()) filesOfName[p.name].insert(p.file);
    }
    for (const auto& [file, of] : byFile) {
        const std::string login = of.front()->login;
        if (ownersKept && file != login + ".csv")
            checks.push_back({filled(lang_file->report_not_named_owner, {file, login}), {file}, ""});
        if (of.size() < 2) continue;
        std::string names;
        for (const PupilSummary* p : of) names += (names.empty() ? "" : ", ") + (p->name.empty() ? login : p->name);
        checks.push_back({filled(lang_file->report_shared_login, {file, std::to_string(of.size()), names}), {file}, ""});
    }
    for (const auto& [name, files] : filesOfName) {
        if (files.size() < 2) continue;
        std::string list;
        for (const std::string& f : files) list += (list.empty() ? "" : ", ") + f;
        checks.push_back({filled(lang_file->report_name_in_files, {name, list}), files, name});
    }
    return checks;
}

namespace {

// The whole command, step by step.

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
        // Anonymous: an order that tells nothing of the names.
        if (in.anonymous) return nameSeed(a.file + "/" + a.name) < nameSeed(b.file + "/" + b.name);
        return std::tie(a.name, a.login, a.file) < std::tie(b.name, b.login, b.file);
    });
}

// The class folder's assignment, when it is the teacher's.
void readFolderAssignment(const std::string& folder, ReportInput& in) {
    ClassFolderFile file;
    std::string why;
    if (readClassFolderFile(folder + "/" + ASSIGNMENT_FILE, LARGEST_ASSIGNMENT, file, why) != ClassRead::read) return;
    if (!notTheTeachers(folder, file).empty()) return;
    const Assignment a = readAssignment(file.text);
    if (a.total() == 0) return;
    in.assignment_title = a.title;
    in.assignment_total = a.total();
}

// A class file that could not be read, named on the page and on `err`.
FileCheck unread(const std::string& name, ClassRead result, const std::string& why, std::ostream& err) {
    err << "calcora: cannot read " << printable(name) << ": " << printable(why)
        << (result == ClassRead::not_allowed ? " (only the teacher's group may read the class files)" : "") << "\n";
    if (result == ClassRead::not_allowed) return {filled(lang_file->report_not_allowed, {name}), {name}, ""};
    if (result == ClassRead::too_large)
        return {filled(lang_file->report_too_large, {name, std::to_string(LARGEST_CLASS_FILE >> 20)}), {name}, ""};
    if (why.find("not by the class folder's owner") != std::string::npos)
        return {filled(lang_file->report_not_followed, {name}), {name}, ""};
    return {filled(lang_file->report_unreadable, {name, why}), {name}, ""};
}

// Reads every class file of the folder into `in`: its pupils, and the notes on the files.
void readClassFiles(const std::string& folder, const std::vector<std::string>& names, ReportInput& in, std::ostream& out,
                    std::ostream& err) {
    std::vector<FileCheck> notes;
    const std::string share = oneOwnerShare(folder);
    for (const std::string& name : names) {
        ClassFolderFile file;
        std::string why;
        const ClassRead result = readClassFolderFile(folder + "/" + name, LARGEST_CLASS_FILE, file, why);
        if (result == ClassRead::missing) continue;
        if (result != ClassRead::read) {
            notes.push_back(unread(name, result, why, err));
            continue;
        }
        std::optional<ClassFileRead> read = readClassFile(name, file.text, err);
        // A file made in another's name holds no rows of theirs, but is named all the same.
        if (!read && share.empty() && name != loginOf(file.owner) + ".csv")
            notes.push_back({filled(lang_file->report_not_named_owner, {name, loginOf(file.owner)}), {name}, ""});
        if (!read) continue;
        int rows = 0;
        for (PupilSummary& p : read->pupils) {
            p.login = loginOf(file.owner);
            rows += p.rows;
        }
        out << printable(name) << ": " << rows << " rows\n";
        if (read->passed) notes.push_back({filled(lang_file->report_lines_passed, {name, std::to_string(read->passed)}), {name}, ""});
        for (PupilSummary& p : read->pupils) in.pupils.push_back(std::move(p));
    }
    if (!share.empty()) {
        err << "calcora: " << printable(folder) << " cannot tell pupils apart by owner: " << share << "\n";
        in.checks.push_back({lang_file->report_one_owner, {}, ""});
    }
    for (FileCheck& c : checksOf(in.pupils, share.empty())) in.checks.push_back(std::move(c));
    for (FileCheck& c : notes) in.checks.push_back(std::move(c));
}

}  // namespace

int classReport(const std::string& folder, bool anonymous, std::ostream& out, std::ostream& err) {
    std::vector<std::string> names;
    std::string why;
    if (!csvNames(folder, names, why)) {
        err << "calcora: cannot read the class folder " << printable(folder) << ": " << why
            << (why == std::strerror(EACCES) ? " (only the teacher and the teacher's group may list it)" : "") << "\n";
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
    readClassFiles(folder, names, in, out, err);
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
