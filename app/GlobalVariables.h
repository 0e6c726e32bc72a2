#pragma once
// The bilingual text table: one string per user-visible text, filled with the
// English or the Polish wording, and the two globals that reach it.
#include <string>

class Language {
public:
    Language() = default;           // every text empty until a language is loaded
    void ChangeToEnglish();          // assign the English wording to every text
    void ChangeToPolish();           // assign the Polish wording to every text

    std::string start_screen_line1;
    std::string start_screen_line2;
    std::string start_screen_line3;
    std::string start_screen_line4;
    std::string start_screen_line5;
    std::string start_screen_line6;
    std::string start_screen_line7;
    std::string start_screen_language1;
    std::string start_screen_language2;
    std::string part4_line1;
    std::string part4_line2;
    std::string part4_line3;
    std::string part4_line4;
    std::string part4_line5;
    std::string options_line1;
    std::string options_line2;
    std::string options_line3;
    std::string options_line4;
    std::string options_fullscreen_on;
    std::string options_fullscreen_off;
    std::string options_gridlines_on;
    std::string options_gridlines_off;
    std::string options_controls;
    std::string options_key1;
    std::string options_key2;
    std::string options_key3;
    std::string options_key4;
    std::string options_key5;
    std::string about_line1;
    std::string about_line2;
    std::string about_line3;
    std::string about_line4;
    std::string about_line5;
    std::string about_line6;
    std::string about_line7;
    std::string _back;
    std::string to_remove_data_press;
    std::string _delete;
    std::string results_from;
    std::string part1_program1_line1;
    std::string part1_program1_line2;
    std::string part1_program1_line3;
    std::string part1_program1_line4;
    std::string part1_program1_line5;
    std::string part1_program2_line1;
    std::string part1_program2_line2;
    std::string part1_program2_line3;
    std::string part1_program2_line4;
    std::string part1_program2_line5;
    std::string part1_program3_line1;
    std::string part1_program3_line2;
    std::string part1_program3_line3;
    std::string part1_program4_line1;
    std::string part1_program4_line2;
    std::string part1_program4_line3;
    std::string part1_program4_line4;
    std::string part1_program5and6_line1;
    std::string part1_program5and6_line2;
    std::string part1_program5and6_line3;
    std::string part1_program5and6_line4;
    std::string part1_program5and6_line5;
    std::string part1_program5and6_line6;
    std::string part1_program7_line1;
    std::string part1_program7_line2;
    std::string part1_program7_line3;
    std::string part1_program7_line4;
    std::string part2_program1_line1;
    std::string part2_program1_line2;
    std::string part2_program1_line3;
    std::string part2_program1_line4;
    std::string part2_program1_line5;
    std::string part2_program1_line6;
    std::string part2_program2_line1;
    std::string part2_program2_line2;
    std::string part2_program2_line3;
    std::string part2_program2_line4;
    std::string part2_program3_line1;
    std::string part2_program3_line2;
    std::string part2_program3_line3;
    std::string part2_program3_line4;
    std::string part2_program3_line5;
    std::string part2_program3_line6;
    std::string part2_program4_line1;
    std::string part2_program4_line2;
    std::string part2_program4_line3;
    std::string part2_program4_line4;
    std::string part2_program4_line5;
    std::string part2_program4_line6;
    std::string part2_program5_line1;
    std::string part2_program5_line2;
    std::string part2_program5_line3;
    std::string part2_program5_line4;
    std::string part2_program5_line5;
    std::string part2_program5_line6;
    std::string part2_program5_line7;
    std::string part2_program5_line8;
    std::string part2_program5_line9;
    std::string part2_program5_line10;
    std::string part3_program1_line1;
    std::string part3_program1_line2;
    std::string part3_program1_line3;
    std::string part3_program1_line4;
    std::string part3_program2_line1;
    std::string part3_program2_line2;
    std::string part3_program2_line3;
    std::string part3_program2_line4;
    std::string part3_program3_line1;
    std::string part3_program3_line2;
    std::string part3_program3_line3;
    std::string part3_program3_line4;
    std::string part3_program3_line5;
    std::string part3_program3_line6;
    std::string part3_program4_line1;
    std::string part3_program4_line2;
    std::string part3_program4_line3;
    std::string part3_program4_line4;
    std::string part3_program4_line5;
    std::string part4_program1_line1;
    std::string part4_program1_line2;
    std::string part4_program1_line3;
    std::string part4_program1_a;
    std::string part4_program1_b;
    std::string part4_program2_line1;
    std::string part4_program2_line2;
    std::string part4_program2_point1;
    std::string part4_program2_point2;
    std::string part4_program2_x;
    std::string part4_program2_y;
    std::string part4_program3_line1;
    std::string part4_program3_line2;
    std::string part4_program3_vector1;
    std::string part4_program3_vector2;
    std::string part4_program3_x;
    std::string part4_program3_y;
    std::string part4_program3_m_vector1_by;
    std::string part4_program3_m_vector2_by;
    std::string program2;
    std::string program3_1;
    std::string program3_2;
    std::string program3_3;
    std::string program4_1;
    std::string program4_2;
    std::string program4_3;
    std::string program5_1;
    std::string program5_2;
    std::string program6_1;
    std::string program6_2;
    std::string program7_1;
    std::string program7_2;
    std::string program11_1;
    std::string program11_2;
    std::string program12_1;
    std::string program12_2;
    std::string program12_3;
    std::string program12_4;
    std::string program12_5;
    std::string program12_6;
    std::string program13;
    std::string program15_1;
    std::string program15_2;
    std::string program15_3;
    std::string error_division_by_zero;
    std::string error_zero_denominator;
    std::string error_primes_range;
    std::string error_recurring_decimal;
    std::string error_too_long;
    std::string error_results_not_saved;
};

// Number of texts in the table (the rows of the wording table in GlobalVariables.cpp).
constexpr int LANGUAGE_TEXT_COUNT = 167;

extern Language* lang_file;   // the single text table; null until start-up creates it
extern std::string language;  // "English" or "Polish"

// Start-up helper: creates the table if needed and loads English.
void setUpLanguage();
// The language toggle of the Space key and the start screen's language item.
void switchLanguage();
