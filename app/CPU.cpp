// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPU.h"

#include <algorithm>
#include <sstream>

namespace {

struct FieldInfo {
    const char* name;
    const char* initial;
};

const FieldInfo FIELD_INFO[] = {
#define CALCORA_FIELD_INFO(Stem, name, initial) {#name, initial},
    CALCORA_INPUT_FIELDS(CALCORA_FIELD_INFO)
#undef CALCORA_FIELD_INFO
};
static_assert(sizeof(FIELD_INFO) / sizeof(FIELD_INFO[0]) == FIELD_COUNT, "one row per field");

// Writes the pieces one after another into a stream with default settings,
// so doubles come out in general format with 6 significant digits.
template <typename... Pieces>
std::string joined(const Pieces&... pieces) {
    std::ostringstream out;
    (out << ... << pieces);
    return out.str();
}

}  // namespace

const char* fieldName(Field f) { return FIELD_INFO[static_cast<int>(f)].name; }

std::optional<Field> fieldNamed(const std::string& name) {
    for (int i = 0; i < FIELD_COUNT; ++i)
        if (name == FIELD_INFO[i].name) return static_cast<Field>(i);
    return std::nullopt;
}

CPU::CPU() {
    for (int i = 0; i < FIELD_COUNT; ++i) fields[i] = FIELD_INFO[i].initial;
}

void CPU::clearSolutionLines1to5() {
    for (std::string& line : solution_line) line.clear();
}

void CPU::setLastSolved(std::string exercise, std::vector<std::string> typed) {
    last_solved = std::move(exercise);
    last_solved_inputs = std::move(typed);
}

void CPU::setWorkingExercise(std::string exercise, std::vector<std::string> typed) {
    working_exercise = std::move(exercise);
    working_inputs = std::move(typed);
}

void CPU::setField(Field f, const std::string& s) {
    std::string& field = fields[index(f)];
    if (field.size() < FIELD_MAX_LENGTH) field += s.substr(0, FIELD_MAX_LENGTH - field.size());
}

double CPU::string_to_double(const std::string& s) const {
    std::istringstream in(s);
    double value = 0.0;
    if (!(in >> value)) return 0.0;
    return value;
}

std::string CPU::StringString(std::string s1, std::string s2) const { return s1 + s2; }

std::string CPU::StringDoubleStringDouble(std::string s1, double d1, std::string s2, double d2) const {
    return joined(s1, d1, s2, d2);
}

std::string CPU::StringDoubleStringDoubleString(std::string s1, double d1, std::string s2, double d2,
                                                std::string s3) const {
    return joined(s1, d1, s2, d2, s3);
}

std::string CPU::DoubleStringDoubleStringDoubleString(double d1, std::string s1, double d2, std::string s2,
                                                      double d3, std::string s3) const {
    return joined(d1, s1, d2, s2, d3, s3);
}

void CPU::chooseSize(int percent) {
    percent = std::min(percent, largest_size_percent);
    if (percent == size_percent) return;
    size_percent = percent;
    changed_display_mode = true;
}

int CPU::getPracticeLevel(practice::Exercise e) const {
    const auto chosen = practice_levels.find(e);
    return chosen == practice_levels.end() ? practice::LOWEST_LEVEL : chosen->second;
}
