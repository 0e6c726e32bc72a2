// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemFields.h"

namespace {

const std::vector<Chapter> CHAPTERS = {
    {Screen::part1, 1, "part1_", exercisesIn(1)},
    {Screen::part2, 2, "part2_", exercisesIn(2)},
    {Screen::part3, 3, "part3_", exercisesIn(3)},
};

// The plot screens number their items: item "1" names the first field.
struct NumberedFields {
    Screen screen;
    std::vector<Field> fields;
};

const NumberedFields PLOT_FIELDS[] = {
    {Screen::part4_program1,
     {Field::part4_program1_a1, Field::part4_program1_b1, Field::part4_program1_a2, Field::part4_program1_b2,
      Field::part4_program1_a3, Field::part4_program1_b3}},
    {Screen::part4_program2,
     {Field::part4_program2_x1, Field::part4_program2_y1, Field::part4_program2_x2, Field::part4_program2_y2}},
    {Screen::part4_program3,
     {Field::part4_program3_x1, Field::part4_program3_y1, Field::part4_program3_x2, Field::part4_program3_y2,
      Field::part4_program3_multiply_by1, Field::part4_program3_multiply_by2}},
};

bool panelShowsAnswer(const CPU& cpu) {
    if (!cpu.getSolution().empty()) return true;
    for (int line = 1; line <= 5; ++line)
        if (!cpu.getSolutionLine(line).empty()) return true;
    return false;
}

bool isRequestOf(const Chapter& chapter, const std::string& request) {
    for (int n = 1; n <= chapter.exercises; ++n)
        if (request == requestName(chapter, n)) return true;
    return false;
}

}  // namespace

const std::vector<Chapter>& exerciseChapters() { return CHAPTERS; }

const Chapter* chapterOn(Screen screen) {
    for (const Chapter& chapter : CHAPTERS)
        if (chapter.screen == screen) return &chapter;
    return nullptr;
}

std::string requestName(const Chapter& chapter, int exercise) {
    const std::optional<Exercise> e = exerciseOn(chapter.number, exercise);
    return e ? requestName(*e) : "";
}

std::vector<Field> plotFields(Screen screen) {
    for (const NumberedFields& plot : PLOT_FIELDS)
        if (plot.screen == screen) return plot.fields;
    return {};
}

std::optional<Field> fieldOfItem(Screen screen, const std::string& item) {
    if (const Chapter* chapter = chapterOn(screen)) return fieldNamed(chapter->prefix + item);
    const std::vector<Field> fields = plotFields(screen);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (item == std::to_string(i + 1)) return fields[i];
    return std::nullopt;
}

std::vector<std::string> fieldTexts(const CPU& cpu, const std::vector<Field>& fields) {
    std::vector<std::string> texts;
    for (Field f : fields) texts.push_back(cpu.getField(f));
    return texts;
}

bool workingOffered(const CPU& cpu, Screen screen) {
    if (!plotFields(screen).empty()) return true;
    const Chapter* chapter = chapterOn(screen);
    return chapter && isRequestOf(*chapter, cpu.getLastSolved()) && panelShowsAnswer(cpu);
}
