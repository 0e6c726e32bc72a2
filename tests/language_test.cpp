// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The text table: both wordings, the language toggle, and that every text
// is rewritten by each switch.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/GlobalVariables.h"

namespace {

struct Text {
    std::string Language::*member;
    const char* name;
};

#define TEXT(name) {&Language::name, #name}
// Every text of the table, in declaration order.
const std::vector<Text> ALL_TEXTS = {
    TEXT(start_screen_line1), TEXT(start_screen_line2), TEXT(start_screen_line3), TEXT(start_screen_line4),
    TEXT(start_screen_line5), TEXT(start_screen_line6), TEXT(start_screen_line7), TEXT(start_screen_language1),
    TEXT(start_screen_language2), TEXT(part4_line1), TEXT(part4_line2), TEXT(part4_line3),
    TEXT(part4_line4), TEXT(part4_line5), TEXT(options_line1), TEXT(options_line2),
    TEXT(options_line3), TEXT(options_line4), TEXT(options_fullscreen_on), TEXT(options_fullscreen_off),
    TEXT(options_gridlines_on), TEXT(options_gridlines_off), TEXT(options_controls), TEXT(options_key1),
    TEXT(options_key2), TEXT(options_key3), TEXT(options_key4), TEXT(options_key5),
    TEXT(options_size), TEXT(options_high_contrast), TEXT(options_high_contrast_on), TEXT(options_high_contrast_off),
    TEXT(about_line1), TEXT(about_line2), TEXT(about_line3), TEXT(about_line4),
    TEXT(about_line5), TEXT(about_line6), TEXT(about_line7), TEXT(_back),
    TEXT(to_remove_data_press), TEXT(_delete), TEXT(results_from),
    TEXT(practice_name_remainder), TEXT(practice_name_primes), TEXT(practice_name_factors),
    TEXT(practice_name_divisibility), TEXT(practice_name_gcd), TEXT(practice_name_lcm),
    TEXT(practice_name_goldbach), TEXT(practice_name_operations), TEXT(practice_name_reduce),
    TEXT(practice_name_operations_reduced), TEXT(practice_name_equality), TEXT(practice_name_six_fractions),
    TEXT(practice_name_mixed), TEXT(practice_name_recurring), TEXT(practice_name_comparison),
    TEXT(practice_name_egyptian), TEXT(practice_name_lines), TEXT(practice_name_two_points),
    TEXT(practice_name_vectors), TEXT(practice_ask_remainder), TEXT(practice_ask_primes),
    TEXT(practice_ask_factors), TEXT(practice_ask_divisibility), TEXT(practice_ask_gcd),
    TEXT(practice_ask_lcm), TEXT(practice_ask_goldbach), TEXT(practice_ask_operations),
    TEXT(practice_ask_operations_reduced), TEXT(practice_ask_reduce), TEXT(practice_ask_equality),
    TEXT(practice_ask_six_fractions), TEXT(practice_ask_mixed), TEXT(practice_ask_recurring),
    TEXT(practice_ask_comparison), TEXT(practice_ask_egyptian), TEXT(practice_ask_lines),
    TEXT(practice_ask_two_points), TEXT(practice_ask_vectors), TEXT(practice_label_answer),
    TEXT(practice_label_gcd), TEXT(practice_label_lcm), TEXT(practice_label_whole),
    TEXT(practice_fraction), TEXT(practice_correct), TEXT(practice_correct_because),
    TEXT(practice_form), TEXT(practice_wrong), TEXT(practice_wrong_plain),
    TEXT(practice_unreadable), TEXT(practice_expect_whole), TEXT(practice_expect_fraction),
    TEXT(practice_expect_number), TEXT(practice_expect_yes_no), TEXT(practice_expect_comparison),
    TEXT(practice_expect_product), TEXT(practice_expect_two_primes), TEXT(practice_expect_units),
    TEXT(practice_expect_mixed), TEXT(practice_expect_crossing), TEXT(practice_zero_denominator),
    TEXT(practice_not_lowest), TEXT(practice_not_decimal), TEXT(practice_not_proper),
    TEXT(practice_not_prime), TEXT(practice_not_unit), TEXT(practice_added_across),
    TEXT(practice_product_not_lcm), TEXT(practice_product_not_gcd), TEXT(practice_lcm_not_gcd),
    TEXT(practice_gcd_not_lcm), TEXT(practice_not_greatest), TEXT(practice_not_lowest_multiple),
    TEXT(practice_quotient), TEXT(practice_slope_upside_down), TEXT(practice_sign_of_b),
    TEXT(practice_not_turned_over), TEXT(practice_factors_product), TEXT(practice_sum_wrong),
    TEXT(practice_unit_repeated), TEXT(practice_units_sum_wrong), TEXT(practice_one_vector_scaled),
    TEXT(practice_method_remainder), TEXT(practice_method_primes), TEXT(practice_method_factors),
    TEXT(practice_method_divisibility), TEXT(practice_method_gcd), TEXT(practice_method_lcm),
    TEXT(practice_method_goldbach), TEXT(practice_method_operations), TEXT(practice_method_reduce),
    TEXT(practice_method_equality), TEXT(practice_method_mixed), TEXT(practice_method_recurring),
    TEXT(practice_method_comparison), TEXT(practice_method_egyptian), TEXT(practice_method_lines),
    TEXT(practice_method_two_points), TEXT(practice_method_vectors), TEXT(practice_first_remainder),
    TEXT(practice_first_lines), TEXT(practice_heading), TEXT(practice_next), TEXT(practice_skipped), TEXT(practice_rows_waiting),
    TEXT(practice_hint_stage), TEXT(practice_mastered), TEXT(practice_keys), TEXT(practice_offer),
    TEXT(class_recorded_as), TEXT(class_unreachable), TEXT(options_name), TEXT(options_name_typing),
    TEXT(assignment_offer), TEXT(assignment_untitled), TEXT(assignment_at), TEXT(assignment_done),
    TEXT(assignment_line_error), TEXT(assignment_not_task), TEXT(assignment_unknown_exercise),
    TEXT(assignment_bad_level), TEXT(assignment_bad_count), TEXT(assignment_bad_seed), TEXT(report_title),
    TEXT(report_summary), TEXT(report_grid), TEXT(report_legend), TEXT(report_pupil), TEXT(report_pupil_number),
    TEXT(report_assignment), TEXT(report_days), TEXT(report_level), TEXT(report_no_level), TEXT(report_answers),
    TEXT(report_first_try), TEXT(report_done_of), TEXT(report_complete), TEXT(report_mistakes),
    TEXT(report_mistakes_note), TEXT(report_no_mistakes), TEXT(report_exercise), TEXT(report_mistake),
    TEXT(report_pupils), TEXT(report_level_mastered), TEXT(report_answers_given), TEXT(report_problems),
    TEXT(report_right_first), TEXT(report_right_share), TEXT(mistake_added_across), TEXT(mistake_product_not_lcm),
    TEXT(mistake_product_not_gcd), TEXT(mistake_gcd_lcm_swapped), TEXT(mistake_not_greatest_divisor),
    TEXT(mistake_not_lowest_multiple), TEXT(mistake_quotient_not_remainder), TEXT(mistake_slope_upside_down),
    TEXT(mistake_sign_of_b), TEXT(mistake_not_turned_over), TEXT(mistake_factors_product),
    TEXT(mistake_factor_not_prime), TEXT(mistake_term_not_prime), TEXT(mistake_sum_wrong),
    TEXT(mistake_unit_repeated), TEXT(mistake_units_sum_wrong), TEXT(mistake_one_vector_scaled),
    TEXT(part1_program1_line1),
    TEXT(part1_program1_line2), TEXT(part1_program1_line3), TEXT(part1_program1_line4), TEXT(part1_program1_line5),
    TEXT(part1_program2_line1), TEXT(part1_program2_line2), TEXT(part1_program2_line3), TEXT(part1_program2_line4),
    TEXT(part1_program2_line5), TEXT(part1_program3_line1), TEXT(part1_program3_line2), TEXT(part1_program3_line3),
    TEXT(part1_program4_line1), TEXT(part1_program4_line2), TEXT(part1_program4_line3), TEXT(part1_program4_line4),
    TEXT(part1_program5and6_line1), TEXT(part1_program5and6_line2), TEXT(part1_program5and6_line3), TEXT(part1_program5and6_line4),
    TEXT(part1_program5and6_line5), TEXT(part1_program5and6_line6), TEXT(part1_program7_line1), TEXT(part1_program7_line2),
    TEXT(part1_program7_line3), TEXT(part1_program7_line4), TEXT(part2_program1_line1), TEXT(part2_program1_line2),
    TEXT(part2_program1_line3), TEXT(part2_program1_line4), TEXT(part2_program1_line5), TEXT(part2_program1_line6),
    TEXT(part2_program2_line1), TEXT(part2_program2_line2), TEXT(part2_program2_line3), TEXT(part2_program2_line4),
    TEXT(part2_program3_line1), TEXT(part2_program3_line2), TEXT(part2_program3_line3), TEXT(part2_program3_line4),
    TEXT(part2_program3_line5), TEXT(part2_program3_line6), TEXT(part2_program4_line1), TEXT(part2_program4_line2),
    TEXT(part2_program4_line3), TEXT(part2_program4_line4), TEXT(part2_program4_line5), TEXT(part2_program4_line6),
    TEXT(part2_program5_line1), TEXT(part2_program5_line2), TEXT(part2_program5_line3), TEXT(part2_program5_line4),
    TEXT(part2_program5_line5), TEXT(part2_program5_line6), TEXT(part2_program5_line7), TEXT(part2_program5_line8),
    TEXT(part2_program5_line9), TEXT(part2_program5_line10), TEXT(part3_program1_line1), TEXT(part3_program1_line2),
    TEXT(part3_program1_line3), TEXT(part3_program1_line4), TEXT(part3_program2_line1), TEXT(part3_program2_line2),
    TEXT(part3_program2_line3), TEXT(part3_program2_line4), TEXT(part3_program3_line1), TEXT(part3_program3_line2),
    TEXT(part3_program3_line3), TEXT(part3_program3_line4), TEXT(part3_program3_line5), TEXT(part3_program3_line6),
    TEXT(part3_program4_line1), TEXT(part3_program4_line2), TEXT(part3_program4_line3), TEXT(part3_program4_line4),
    TEXT(part3_program4_line5), TEXT(part4_program1_line1), TEXT(part4_program1_line2), TEXT(part4_program1_line3),
    TEXT(part4_program1_a), TEXT(part4_program1_b), TEXT(part4_program2_line1), TEXT(part4_program2_line2),
    TEXT(part4_program2_point1), TEXT(part4_program2_point2), TEXT(part4_program2_x), TEXT(part4_program2_y),
    TEXT(part4_program3_line1), TEXT(part4_program3_line2), TEXT(part4_program3_vector1), TEXT(part4_program3_vector2),
    TEXT(part4_program3_x), TEXT(part4_program3_y), TEXT(part4_program3_m_vector1_by), TEXT(part4_program3_m_vector2_by), TEXT(part4_program3_sum),
    TEXT(program2), TEXT(program3_1), TEXT(program3_2), TEXT(program3_3),
    TEXT(program4_1), TEXT(program4_2), TEXT(program4_3), TEXT(program5_1),
    TEXT(program5_2), TEXT(program6_1), TEXT(program6_2), TEXT(program5and6_and), TEXT(program7_1),
    TEXT(program7_2), TEXT(program11_1), TEXT(program11_2), TEXT(program12_1),
    TEXT(program12_2), TEXT(program12_3), TEXT(program12_4), TEXT(program12_5),
    TEXT(program12_6), TEXT(program13), TEXT(program15_1), TEXT(program15_2),
    TEXT(program15_3), TEXT(error_division_by_zero), TEXT(error_zero_denominator), TEXT(error_primes_range),
    TEXT(error_recurring_decimal), TEXT(error_too_long), TEXT(error_results_not_saved), TEXT(error_results_kept),
    TEXT(working_hint), TEXT(working_keys), TEXT(working_more_above), TEXT(working_more_below),
    TEXT(working_saved), TEXT(working_save_failed), TEXT(working_yes), TEXT(working_no),
    TEXT(working_gcd_is), TEXT(working_euclid), TEXT(working_gcd_zero), TEXT(working_lowest_terms), TEXT(working_gcd_both_zero),
    TEXT(working_zero_denominator), TEXT(working_saved_results), TEXT(working_remainder_title), TEXT(working_remainder_divide),
    TEXT(working_results_not_saved),
    TEXT(working_remainder_check), TEXT(working_remainder_smaller), TEXT(working_by_zero), TEXT(working_primes_title),
    TEXT(working_primes_too_far), TEXT(working_primes_sieve), TEXT(working_primes_strike_each), TEXT(working_primes_strike),
    TEXT(working_primes_nothing), TEXT(working_primes_backwards), TEXT(working_primes_below_two), TEXT(working_primes_count_one),
    TEXT(working_primes_count_few), TEXT(working_primes_count_many), TEXT(working_factors_title), TEXT(working_factors_too_small),
    TEXT(working_factors_ladder), TEXT(working_factors_prime), TEXT(working_divisibility_title), TEXT(working_rule_last_digit),
    TEXT(working_rule_last_digits), TEXT(working_rule_digit_sum), TEXT(working_rule_alternating), TEXT(working_rule_both),
    TEXT(working_gcd_title), TEXT(working_gcd_last), TEXT(working_lcm_title), TEXT(working_lcm_is), TEXT(working_lcm_zero),
    TEXT(working_goldbach_title), TEXT(working_goldbach_range), TEXT(working_goldbach_odd), TEXT(working_goldbach_search),
    TEXT(working_goldbach_pair), TEXT(working_goldbach_not_prime), TEXT(working_goldbach_count),
    TEXT(working_operations_title), TEXT(working_operations_reduced_title), TEXT(working_no_reciprocal), TEXT(working_reduce_each),
    TEXT(working_reduce_title), TEXT(working_equality_title), TEXT(working_cross_products), TEXT(working_cross_equal),
    TEXT(working_cross_differ), TEXT(working_six_title), TEXT(working_six_line), TEXT(working_six_lowest), TEXT(working_mixed_title), TEXT(working_mixed_proper),
    TEXT(working_recurring_title), TEXT(working_recurring_shape), TEXT(working_recurring_subtract), TEXT(working_compare_title),
    TEXT(working_compare_first), TEXT(working_compare_second), TEXT(working_egyptian_title), TEXT(working_egyptian_whole),
    TEXT(working_egyptian_unit_start), TEXT(working_egyptian_take), TEXT(working_egyptian_last), TEXT(working_egyptian_stop),
    TEXT(working_lines_title), TEXT(working_line), TEXT(working_line_y_axis), TEXT(working_line_x_axis),
    TEXT(working_line_x_never), TEXT(working_line_x_everywhere), TEXT(working_lines_cross), TEXT(working_lines_parallel),
    TEXT(working_lines_same), TEXT(working_two_points_title), TEXT(working_vertical), TEXT(working_same_points),
    TEXT(working_not_a_line), TEXT(working_vectors_title), TEXT(working_vectors_lengths),
};
#undef TEXT

Language english() {
    Language l;
    l.ChangeToEnglish();
    return l;
}

Language polish() {
    Language l;
    l.ChangeToPolish();
    return l;
}

// Names of the texts that differ between two tables.
std::vector<std::string> differences(const Language& a, const Language& b) {
    std::vector<std::string> names;
    for (const Text& t : ALL_TEXTS)
        if (a.*t.member != b.*t.member) names.push_back(t.name);
    return names;
}

}  // namespace

TEST(TextTable, TheListAboveCoversEveryText) {
    EXPECT_EQ(ALL_TEXTS.size(), static_cast<std::size_t>(LANGUAGE_TEXT_COUNT));
    EXPECT_EQ(sizeof(Language), ALL_TEXTS.size() * sizeof(std::string));
}

TEST(TextTable, ANewTableIsEmptyUntilALanguageIsLoaded) {
    const Language fresh;
    for (const Text& t : ALL_TEXTS) EXPECT_EQ(fresh.*t.member, "") << t.name;
}

TEST(TextTable, EnglishWordingKeepsItsBlanks) {
    const Language en = english();
    EXPECT_EQ(en.start_screen_line1, "1. Natural numbers and integers");
    EXPECT_EQ(en.start_screen_line7, "Exit");
    EXPECT_EQ(en.start_screen_language1, "zmien na:");
    EXPECT_EQ(en.start_screen_language2, "POLSKI");
    EXPECT_EQ(en.options_line2, "Fullscreen: ");
    EXPECT_EQ(en.options_line3, "Grid on the chart: ");
    EXPECT_EQ(en.options_fullscreen_off, "off");
    EXPECT_EQ(en.options_key5, "escape - back to previous screen");
    EXPECT_EQ(en.about_line1, "About program");
    EXPECT_EQ(en.results_from, "Results from tasks 2 and 7 are saved to file results.txt");
    EXPECT_EQ(en.part1_program7_line2, "for numbers n: 4<=n<=2500");
    EXPECT_EQ(en.part3_program2_line2, "a common fraction. Example: 0.12[857]");
    EXPECT_EQ(en.program2, "Number of prime numbers: ");
    EXPECT_EQ(en.program3_2, " amount to: ");
    EXPECT_EQ(en.program4_1, ": yes    ");
    EXPECT_EQ(en.program5_2, " is: ");
    EXPECT_EQ(en.program6_1, "Lowest common multiple of numers ");
    EXPECT_EQ(en.program15_3, "Fractions 1 and 2 are equal.");
    EXPECT_EQ(en.error_division_by_zero, "Division by zero is not allowed");
    EXPECT_EQ(en.error_zero_denominator, "The denominator cannot be 0");
    EXPECT_EQ(en.error_primes_range, "Enter numbers from 0 to 1000000");
    EXPECT_EQ(en.error_recurring_decimal, "Write the decimal like 0.12[857]");
    EXPECT_EQ(en.error_too_long, "The answer is too long to show");
    EXPECT_EQ(en.error_results_not_saved, "Could not save results.txt");
}

TEST(TextTable, PolishWordingIsPlainAscii) {
    const Language pl = polish();
    EXPECT_EQ(pl.start_screen_line7, "Wyjscie");
    EXPECT_EQ(pl.start_screen_language1, "change to:");
    EXPECT_EQ(pl.start_screen_language2, "ENGLISH");
    EXPECT_EQ(pl.part4_line1, "Funckje liniowe i wektory");
    EXPECT_EQ(pl.options_line2, "Pelen ekran: ");
    EXPECT_EQ(pl.options_line3, "Kratki na wykresie: ");
    EXPECT_EQ(pl.options_fullscreen_off, "wylaczony");
    EXPECT_EQ(pl.options_gridlines_off, "wylaczone");
    EXPECT_EQ(pl.options_gridlines_on, "wlaczone");
    EXPECT_EQ(pl.about_line2, "Stworzony przez:");
    EXPECT_EQ(pl.program5_2, " wynosi: ");
    EXPECT_EQ(pl.program4_2, ": nie    ");
    EXPECT_EQ(pl.error_division_by_zero, "Nie mozna dzielic przez zero");
    EXPECT_EQ(pl.error_zero_denominator, "Mianownik nie moze byc zerem");
    EXPECT_EQ(pl.error_primes_range, "Wpisz liczby od 0 do 1000000");
    EXPECT_EQ(pl.error_recurring_decimal, "Zapisz ulamek tak jak 0.12[857]");
    EXPECT_EQ(pl.error_too_long, "Odpowiedz jest za dluga, by ja pokazac");
    EXPECT_EQ(pl.error_results_not_saved, "Nie mozna zapisac pliku results.txt");

    for (const Language& table : {english(), pl})
        for (const Text& t : ALL_TEXTS)
            for (unsigned char c : table.*t.member) EXPECT_LT(c, 128) << t.name;
}

TEST(TextTable, EveryTextButTheEmptyAboutRowIsFilledInBothLanguages) {
    for (const Language& table : {english(), polish()})
        for (const Text& t : ALL_TEXTS) {
            if (std::string(t.name) == "about_line4")
                EXPECT_EQ(table.*t.member, "");
            else
                EXPECT_NE(table.*t.member, "") << t.name;
        }
}

TEST(TextTable, OnlyTheLanguageNeutralTextsReadTheSameInBoth) {
    const std::vector<std::string> expected = {
        "about_line3",          "about_line4",      "_delete",          "part1_program1_line2", "part1_program1_line3",
        "part1_program1_line4", "part1_program4_line2", "part4_program1_a", "part4_program1_b", "part4_program2_x",
        "part4_program2_y",     "part4_program3_x", "part4_program3_y", "program5and6_and",
    };
    const std::vector<std::string> different = differences(english(), polish());
    std::set<std::string> same;
    for (const Text& t : ALL_TEXTS) same.insert(t.name);
    for (const std::string& name : different) same.erase(name);
    EXPECT_EQ(same, std::set<std::string>(expected.begin(), expected.end()));
}

TEST(TextTable, EachSwitchRewritesEveryText) {
    Language table;
    for (const Text& t : ALL_TEXTS) table.*t.member = "stale";
    table.ChangeToPolish();
    EXPECT_TRUE(differences(table, polish()).empty());
    for (const Text& t : ALL_TEXTS) table.*t.member = "stale";
    table.ChangeToEnglish();
    EXPECT_TRUE(differences(table, english()).empty());
}

TEST(TextTable, SwitchingTwiceRestoresEnglishEverywhere) {
    setUpLanguage();
    ASSERT_NE(lang_file, nullptr);
    EXPECT_EQ(language, "English");
    EXPECT_TRUE(differences(*lang_file, english()).empty());

    switchLanguage();
    EXPECT_EQ(language, "Polish");
    EXPECT_EQ(lang_file->start_screen_language2, "ENGLISH");
    EXPECT_TRUE(differences(*lang_file, polish()).empty());

    switchLanguage();
    EXPECT_EQ(language, "English");
    EXPECT_EQ(differences(*lang_file, english()), std::vector<std::string>{});

    // Start-up again on a table left in Polish keeps the same table and loads English.
    switchLanguage();
    Language* const before = lang_file;
    setUpLanguage();
    EXPECT_EQ(lang_file, before);
    EXPECT_EQ(language, "English");
    EXPECT_TRUE(differences(*lang_file, english()).empty());
}
