// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's progress (mastery, the problems that come back, the saved
// form) and the rows of practice.csv.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "Practice.h"
#include "PracticeParts.h"

namespace practice {

namespace {

constexpr std::size_t REMEMBERED = 6;  // answers the mastery rule looks back on
constexpr int TO_MASTER = 5;           // of them correct without a hint
// A missed or skipped problem is shown again as the second problem after it,
// well within five even when two come due together.
constexpr int COMEBACK_WAIT = 2;
constexpr std::size_t MOST_DUE = 50;   // more in a saved file means it is damaged
constexpr int FRESH_TRIES = 100;       // draws to find a problem unlike the last one
const char* const SAVED_HEADER = "calcora practice progress 1";

}  // namespace

std::optional<std::uint64_t> wholeNumberOf(const std::string& t) {
    std::uint64_t v = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (error != std::errc() || end != t.data() + t.size() || t.empty()) return std::nullopt;
    return v;
}

// The fields of one saved line: "gcd 2 1 ccmcc 123:2,456:1" (exercise, level,
// mastered, the last answers or "-", the problems due back or "-").
std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

Progress::Level& Progress::at(Exercise e, int level) { return record_.levels[{e, level}]; }

const Progress::Level* Progress::find(Exercise e, int level) const {
    const auto it = record_.levels.find({e, level});
    return it == record_.levels.end() ? nullptr : &it->second;
}

Problem Progress::next(Exercise e, int level) {
    Level& l = at(e, level);
    for (Comeback& c : l.due) c.wait = std::max(c.wait - 1, 0);
    const auto differs = [&](const Problem& p) { return !l.current || !sameQuestion(p, *l.current); };
    std::optional<Problem> chosen;
    for (auto c = l.due.begin(); c != l.due.end(); ++c) {
        if (c->wait > 0) continue;
        Problem back = generate(e, level, c->seed);
        if (!differs(back)) continue;
        chosen = std::move(back);
        l.due.erase(c);
        break;
    }
    for (int tries = 0; !chosen; ++tries) {
        const std::uint64_t seed =
            mixSeed({record_.sequence_seed, static_cast<std::uint64_t>(e), static_cast<std::uint64_t>(level), l.drawn++});
        Problem fresh = generate(e, level, seed);
        if (differs(fresh) || tries == FRESH_TRIES) chosen = std::move(fresh);
    }
    l.current = std::move(chosen);
    l.current_counted = false;
    l.current_comes_back = false;
    return *l.current;
}

void Progress::comeBack(Level& l) {
    if (!l.current || l.current_comes_back) return;
    l.current_comes_back = true;
    if (l.due.size() < MOST_DUE) l.due.push_back({l.current->seed, COMEBACK_WAIT});
}

void Progress::answered(Exercise e, int level, VerdictKind kind, int hints) {
    Level& l = at(e, level);
    if (!l.current || kind == VerdictKind::unreadable || kind == VerdictKind::form) return;
    if (kind == VerdictKind::wrong) comeBack(l);
    if (l.current_counted) return;
    l.current_counted = true;
    if (hints > 0) return;
    l.recent += kind == VerdictKind::correct ? 'c' : 'm';
    if (l.recent.size() > REMEMBERED) l.recent.erase(0, l.recent.size() - REMEMBERED);
    if (std::count(l.recent.begin(), l.recent.end(), 'c') >= TO_MASTER) l.mastered = true;
}

void Progress::skipped(Exercise e, int level) { comeBack(at(e, level)); }

std::string Progress::text() const {
    std::string saved = std::string(SAVED_HEADER) + "\n";
    for (const auto& [key, l] : record_.levels) {
        if (!l.mastered && l.recent.empty() && l.due.empty()) continue;
        std::string due;
        for (const Comeback& c : l.due) due += (due.empty() ? "" : ",") + std::to_string(c.seed) + ":" + std::to_string(c.wait);
        saved += id(key.first) + " " + std::to_string(key.second) + " " + (l.mastered ? "1" : "0") + " " +
                 (l.recent.empty() ? "-" : l.recent) + " " + (due.empty() ? "-" : due) + "\n";
    }
    for (const std::string& line : record_.unknown) saved += line + "\n";
    return saved;
}

bool Progress::readLine(const std::string& line) {
    const std::vector<std::string> f = wordsOf(line);
    if (f.empty()) return true;
    const std::optional<Exercise> e = exerciseWithId(f[0]);
    const std::optional<std::uint64_t> level = f.size() > 1 ? wholeNumberOf(f[1]) : std::nullopt;
    if (!e || (level && *level > HIGHEST_LEVEL)) {
        record_.unknown.push_back(line);  // an exercise or a level of a later version
        return true;
    }
    if (f.size() != 5) return false;
    if (!level || *level < LOWEST_LEVEL || (f[2] != "0" && f[2] != "1")) return false;
    if (find(*e, int(*level))) return false;
    Level l;
    l.mastered = f[2] == "1";
    if (f[3] != "-") l.recent = f[3];
    if (l.recent.size() > REMEMBERED || l.recent.find_first_not_of("cm") != std::string::npos) return false;
    if (f[4] != "-") {
        std::istringstream list(f[4]);
        for (std::string item; std::getline(list, item, ',');) {
            const std::size_t colon = item.find(':');
            if (colon == std::string::npos) return false;
            const std::optional<std::uint64_t> seed = wholeNumberOf(item.substr(0, colon));
            const std::optional<std::uint64_t> wait = wholeNumberOf(item.substr(colon + 1));
            if (!seed || !wait || *wait > COMEBACK_WAIT || l.due.size() == MOST_DUE) return false;
            l.due.push_back({*seed, int(*wait)});
        }
    }
    record_.levels[{*e, int(*level)}] = std::move(l);
    return true;
}

Progress Progress::read(const std::string& saved, std::uint64_t sequenceSeed, bool* damaged) {
    if (damaged) *damaged = false;
    Progress fresh(sequenceSeed);
    if (saved.empty()) return fresh;
    Progress p(sequenceSeed);
    std::istringstream in(saved);
    std::string line;
    const auto nextLine = [&] {
        if (!std::getline(in, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // CRLF
        return true;
    };
    bool sound = nextLine() && line == SAVED_HEADER;
    while (sound && nextLine()) sound = p.readLine(line);
    if (sound) return p;
    if (damaged) *damaged = true;
    return fresh;
}

std::string Progress::lineKey(const std::string& line) {
    const std::vector<std::string> f = wordsOf(line);
    if (f.size() < 2 || line == SAVED_HEADER) return "";
    return f[0] + " " + f[1];
}

// practice.csv

namespace {

const char* verdictWord(const std::optional<VerdictKind>& verdict) {
    if (!verdict) return "skipped";
    switch (*verdict) {
    case VerdictKind::correct: return "correct";
    case VerdictKind::form: return "form";
    case VerdictKind::wrong: return "wrong";
    case VerdictKind::unreadable: break;
    }
    return "";
}

}  // namespace

std::string csvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvHeader() { return "time,exercise,level,problem,answer,verdict,hints\n"; }

std::string csvRow(const CsvRow& row) {
    if (row.verdict == VerdictKind::unreadable) return "";
    return csvField(row.time) + "," + id(row.exercise) + "," + std::to_string(row.level) + "," + csvField(row.problem) +
           "," + csvField(row.answer) + "," + verdictWord(row.verdict) + "," + std::to_string(row.hints) + "\n";
}

std::string csvTime(const std::tm& local) {
    char written[80];  // room for any int in every field
    std::snprintf(written, sizeof written, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return written;
}

}  // namespace practice
