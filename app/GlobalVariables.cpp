// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlobalVariables.h"

Language* lang_file = nullptr;
std::string language = "English";

namespace {

struct Wording {
    std::string Language::*text;
    const char* english;
    const char* polish;
};

const Wording WORDINGS[] = {
#define CALCORA_TEXT_WORDING(name, english, polish) {&Language::name, english, polish},
    CALCORA_TEXTS(CALCORA_TEXT_WORDING)
#undef CALCORA_TEXT_WORDING
};

}  // namespace

void Language::ChangeToEnglish() {
    for (const Wording& w : WORDINGS) this->*w.text = w.english;
}

void Language::ChangeToPolish() {
    for (const Wording& w : WORDINGS) this->*w.text = w.polish;
}

void setUpLanguage() {
    if (lang_file == nullptr) lang_file = new Language();
    lang_file->ChangeToEnglish();
    language = "English";
}

void switchLanguage() {
    if (language == "English") {
        lang_file->ChangeToPolish();
        language = "Polish";
    } else {
        lang_file->ChangeToEnglish();
        language = "English";
    }
}
