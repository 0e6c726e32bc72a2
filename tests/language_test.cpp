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

// Every text of the table, in declaration order, from the text list itself:
// a text added there is checked here without another line.
#define TEXT(name, english, polish) {&Language::name, #name},
#define SPOKEN_TEXT(name, english, polish, spoken) TEXT(name, english, polish)
const std::vector<Text> ALL_TEXTS = {CALCORA_TEXTS(TEXT, SPOKEN_TEXT)};
#undef TEXT
#undef SPOKEN_TEXT

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

// A voice says Polish with its letters, and says nothing else: each spoken
// text with its diacritics taken off is the drawn text; English is said as drawn.
TEST(TextTable, SpokenPolishIsTheDrawnPolishWithItsLetters) {
    const std::pair<std::string, char> LETTERS[] = {
        {"ą", 'a'}, {"ć", 'c'}, {"ę", 'e'}, {"ł", 'l'}, {"ń", 'n'}, {"ó", 'o'}, {"ś", 's'}, {"ź", 'z'}, {"ż", 'z'},
        {"Ą", 'A'}, {"Ć", 'C'}, {"Ę", 'E'}, {"Ł", 'L'}, {"Ń", 'N'}, {"Ó", 'O'}, {"Ś", 'S'}, {"Ź", 'Z'}, {"Ż", 'Z'}};
    const auto drawnForm = [&](std::string text) {
        for (const auto& [letter, plain] : LETTERS)
            for (std::size_t at = text.find(letter); at != std::string::npos; at = text.find(letter, at))
                text.replace(at, letter.size(), 1, plain);
        return text;
    };
    EXPECT_TRUE(differences(spokenTexts(), english()).empty());
    const std::string before = language;
    language = "Polish";
    const Language& spoken = spokenTexts();
    for (const Text& t : ALL_TEXTS) EXPECT_EQ(drawnForm(spoken.*t.member), polish().*t.member) << t.name;
    EXPECT_EQ(spoken.start_screen_line7, "Wyjście");
    EXPECT_EQ(spoken.practice_offer, "P: ćwicz");
    EXPECT_EQ(spokenText("Ulamek 1: 1/2     Ulamek 2: 2/3"), "Ułamek 1: 1/2     Ułamek 2: 2/3");
    EXPECT_EQ(spokenText("Sprawdz ze"), "Sprawdź ze") << "said two ways, a word stays as drawn";
    language = before;
}
