// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlobalVariables.h"

#include <cctype>
#include <iterator>
#include <map>
#include <vector>

Language* lang_file = nullptr;
std::string language = "English";

namespace {

struct Wording {
    std::string Language::*text;
    const char* english;
    const char* polish;
    const char* spoken_polish;
};

const Wording WORDINGS[] = {
#define CALCORA_TEXT_WORDING(name, english, polish) {&Language::name, english, polish, polish},
#define CALCORA_SPOKEN_WORDING(name, english, polish, spoken) {&Language::name, english, polish, spoken},
    CALCORA_TEXTS(CALCORA_TEXT_WORDING, CALCORA_SPOKEN_WORDING)
#undef CALCORA_SPOKEN_WORDING
#undef CALCORA_TEXT_WORDING
};

// A word: a run of letters, the bytes of UTF-8's letters beyond ASCII included.
bool inWord(char c) { return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && inWord(text[end])) ++end;
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end > i ? end : i + 1;
    }
    return words;
}

// Each drawn Polish word of the spoken rows and how it is said; a word said
// two ways (or once as drawn, once otherwise) is left out.
std::map<std::string, std::string> buildSpokenWords() {
    std::map<std::string, std::string> said;
    std::map<std::string, bool> twoWays;
    for (const Wording& w : WORDINGS) {
        if (w.polish == w.spoken_polish) continue;
        const std::vector<std::string> drawn = wordsOf(w.polish), spoken = wordsOf(w.spoken_polish);
        if (drawn.size() != spoken.size()) continue;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const auto known = said.emplace(drawn[i], spoken[i]);
            if (!known.second && known.first->second != spoken[i]) twoWays[drawn[i]] = true;
        }
    }
    for (auto it = said.begin(); it != said.end();)
        it = twoWays.count(it->first) || it->first == it->second ? said.erase(it) : std::next(it);
    return said;
}

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

const Language& spokenTexts() {
    static const Language english = [] {
        Language l;
        l.ChangeToEnglish();
        return l;
    }();
    static const Language polish = [] {
        Language l;
        for (const Wording& w : WORDINGS) l.*w.text = w.spoken_polish;
        return l;
    }();
    return language == "Polish" ? polish : english;
}

std::string spokenText(const std::string& drawn) {
    static const std::map<std::string, std::string> words = buildSpokenWords();
    if (language != "Polish") return drawn;
    std::string said;
    for (std::size_t i = 0; i < drawn.size();) {
        std::size_t end = i;
        while (end < drawn.size() && inWord(drawn[end])) ++end;
        if (end == i) {
            said += drawn[i++];
            continue;
        }
        const std::string word = drawn.substr(i, end - i);
        const auto found = words.find(word);
        said += found == words.end() ? word : found->second;
        i = end;
    }
    return said;
}
