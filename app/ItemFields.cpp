#include "ItemFields.h"

namespace {

const std::vector<Chapter> CHAPTERS = {
    {Screen::part1, "part1_", 7},
    {Screen::part2, "part2_", 5},
    {Screen::part3, "part3_", 4},
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

}  // namespace

const std::vector<Chapter>& exerciseChapters() { return CHAPTERS; }

const Chapter* chapterOn(Screen screen) {
    for (const Chapter& chapter : CHAPTERS)
        if (chapter.screen == screen) return &chapter;
    return nullptr;
}

std::string requestName(const Chapter& chapter, int exercise) {
    return chapter.prefix + std::string("program") + std::to_string(exercise);
}

std::optional<Field> fieldOfItem(Screen screen, const std::string& item) {
    if (const Chapter* chapter = chapterOn(screen)) return fieldNamed(chapter->prefix + item);
    for (const NumberedFields& plot : PLOT_FIELDS)
        if (plot.screen == screen) {
            for (std::size_t i = 0; i < plot.fields.size(); ++i)
                if (item == std::to_string(i + 1)) return plot.fields[i];
            return std::nullopt;
        }
    return std::nullopt;
}
