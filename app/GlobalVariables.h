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
    CALCORA_TEXTS(CALCORA_TEXT_MEMBER)
#undef CALCORA_TEXT_MEMBER
};

// Number of texts in the table.
#define CALCORA_TEXT_ONE(name, english, polish) +1
constexpr int LANGUAGE_TEXT_COUNT = 0 CALCORA_TEXTS(CALCORA_TEXT_ONE);
#undef CALCORA_TEXT_ONE

extern Language* lang_file;   // the single text table; null until start-up creates it
extern std::string language;  // "English" or "Polish"

// Start-up helper: creates the table if needed and loads English.
void setUpLanguage();
// The language toggle of the Space key and the start screen's language item.
void switchLanguage();
