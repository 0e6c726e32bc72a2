// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bilingual text table: one string per user-visible text, filled with the
// English or the Polish wording, and the two globals that reach it. The texts
// themselves are listed once, in Texts.h.
#include <string>

#include "Texts.h"

class Language {
public:
    Language() = default;           // every text empty until a language is loaded
    void ChangeToEnglish();          // assign the English wording to every text
    void ChangeToPolish();           // assign the Polish wording to every text

#define CALCORA_TEXT_MEMBER(name, english, polish) std::string name;
#define CALCORA_SPOKEN_MEMBER(name, english, polish, spoken) std::string name;
    CALCORA_TEXTS(CALCORA_TEXT_MEMBER, CALCORA_SPOKEN_MEMBER)
#undef CALCORA_SPOKEN_MEMBER
#undef CALCORA_TEXT_MEMBER
};

// Number of texts in the table.
#define CALCORA_TEXT_ONE(name, english, polish) +1
#define CALCORA_SPOKEN_ONE(name, english, polish, spoken) +1
constexpr int LANGUAGE_TEXT_COUNT = 0 CALCORA_TEXTS(CALCORA_TEXT_ONE, CALCORA_SPOKEN_ONE);
#undef CALCORA_SPOKEN_ONE
#undef CALCORA_TEXT_ONE

extern Language* lang_file;   // the single text table; null until start-up creates it
extern std::string language;  // "English" or "Polish"

// Start-up helper: creates the table if needed and loads English.
void setUpLanguage();
// The language toggle of the Space key and the start screen's language item.
void switchLanguage();

// The texts as a voice says them in the language shown (`language`): English
// as drawn, Polish with its letters ("Wyjście" for the drawn "Wyjscie").
const Language& spokenTexts();
// A text put together from drawn texts and numbers (an answer, a verdict, a
// working's line) as a voice says it: in Polish each word that the spoken
// Polish always writes one way is written so ("Ulamek 1: 1/2" becomes
// "Ułamek 1: 1/2"); a word it writes two ways ("ze", "że") stays as drawn.
std::string spokenText(const std::string& drawn);
