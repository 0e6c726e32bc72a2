// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <iostream>
#include <memory>

#include "CPU.h"
#include "GlobalVariables.h"
#include "gfx/Layout.h"
#include "practice/ClassFile.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

const char* const LANGUAGES[] = {"English", "Polish"};

void chooseLanguage(CPU&, int word) {
    if (language != LANGUAGES[word]) switchLanguage();
}

const std::vector<const char*> OFF_ON = {"off", "on"};

int sizeIndex(int percent) {
    for (int i = 0; i < int(std::size(layout::SIZES)); ++i)
        if (layout::SIZES[i] == percent) return i;
    return 0;
}

const std::vector<Setting> SETTINGS = {
    {"language", {LANGUAGES[0], LANGUAGES[1]}, [](const CPU&) { return int(language == LANGUAGES[1]); },
     chooseLanguage},
    {"fullscreen", OFF_ON, [](const CPU& cpu) { return int(cpu.getFullscreen()); },
     [](CPU& cpu, int on) {
         if (bool(on) == cpu.getFullscreen()) return;
         cpu.setFullscreen(on);
         cpu.setChangedDisplayMode(true);  // the next frame switches, as after the Options key
     },
     false},
    {"gridlines", OFF_ON, [](const CPU& cpu) { return int(cpu.getGridlines()); },
     [](CPU& cpu, int on) { cpu.setGridlines(on); }},
    {"size", {"100%", "150%", "200%"}, [](const CPU& cpu) { return sizeIndex(cpu.getSizePercent()); },
     [](CPU& cpu, int index) { cpu.chooseSize(layout::SIZES[index]); }},
    {"high-contrast", OFF_ON, [](const CPU& cpu) { return int(cpu.getHighContrast()); },
     [](CPU& cpu, int on) { cpu.setHighContrast(on); }},
    {"speech", OFF_ON, [](const CPU& cpu) { return int(cpu.getSpeech()); },
     [](CPU& cpu, int on) { cpu.setSpeech(on); }},
    {"pupil", {}, nullptr, nullptr, true, [](const CPU& cpu) { return cpu.getPupilName(); },
     [](CPU& cpu, const std::string& name) { cpu.setPupilName(name); }, practice::typableName},
    {"class-folder", {}, nullptr, nullptr, false, [](const CPU& cpu) { return cpu.getClassFolder(); },
     [](CPU& cpu, const std::string& folder) { cpu.setClassFolder(folder); },
     [](const std::string& folder) { return folder.size() > 1 && folder[0] == '/'; }, false},
};

#ifdef __EMSCRIPTEN__
const bool IN_BROWSER = true;
#else
const bool IN_BROWSER = false;
#endif

// A settings file is a few short lines; anything larger is not one.
const std::size_t LARGEST_FILE = 4096;

const char* const HEADER = "# Calcora keeps the pupil's choices here and rewrites this file when one changes.\n";

std::string trimmed(const std::string& text) {
    const char* const BLANKS = " \t\r";
    const std::size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(BLANKS) - first + 1);
}

const Setting* settingNamed(const std::string& name) {
    for (const Setting& setting : SETTINGS)
        if (name == setting.name) return &setting;
    return nullptr;
}

int wordIndex(const Setting& setting, const std::string& word) {
    for (std::size_t i = 0; i < setting.words.size(); ++i)
        if (word == setting.words[i]) return int(i);
    return -1;
}

}  // namespace

const std::vector<Setting>& settings() { return SETTINGS; }

// The setting's present value as the file writes it.
std::string valueOf(const Setting& setting, const CPU& cpu) {
    return setting.text ? setting.text(cpu) : setting.words[std::size_t(setting.current(cpu))];
}

std::string settingsText(const CPU& cpu) {
    std::string text = HEADER;
    for (const Setting& setting : SETTINGS)
        if (setting.saved && !valueOf(setting, cpu).empty())
            text += std::string(setting.name) + "=" + valueOf(setting, cpu) + "\n";
    return text;
}

namespace {

using Choices = std::vector<std::pair<const Setting*, std::string>>;

// The choices a settings file's text makes; false, with `why`, for a damaged text.
bool readChoices(const std::string& text, Choices& chosen, std::string& why) {
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        const std::size_t equals = line.find('=');
        const bool wellFormed = equals != std::string::npos && line.find('\0') == std::string::npos;
        const Setting* setting = wellFormed ? settingNamed(trimmed(line.substr(0, equals))) : nullptr;
        const std::string value = wellFormed ? trimmed(line.substr(equals + 1)) : "";
        const bool fits = setting && (setting->text ? setting->fits(value) : wordIndex(*setting, value) >= 0);
        if (!wellFormed || (setting && !fits)) {
            why = "line " + std::to_string(number) + " is not a setting";
            return false;
        }
        if (setting) chosen.emplace_back(setting, value);  // a later version's setting is passed over
    }
    return true;
}

bool soundSettings(const std::string& text) {
    Choices chosen;
    std::string why;
    return readChoices(text, chosen, why);
}

// A line's setting name; "" for a comment or a blank line.
std::string settingKey(const std::string& line) {
    const std::string plain = trimmed(line);
    if (plain.empty() || plain[0] == '#') return "";
    return trimmed(plain.substr(0, plain.find('=')));
}

}  // namespace

bool applySettingsText(CPU& cpu, const std::string& text, std::string& why) {
    Choices chosen;
    if (!readChoices(plainLines(text), chosen, why)) return false;
    for (const auto& [setting, value] : chosen) {
        if (!setting->in_browser && IN_BROWSER) continue;
        if (setting->write) setting->write(cpu, value);
        else setting->choose(cpu, wordIndex(*setting, value));
    }
    return true;
}

std::string localeLanguage(const std::vector<std::string>& preferences) {
    for (const std::string& preference : preferences) {
        const std::string name = preference.substr(0, preference.find_first_of("._@:"));
        if (name.empty() || name == "C" || name == "POSIX") continue;
        return preference.rfind("pl", 0) == 0 ? LANGUAGES[1] : LANGUAGES[0];
    }
    return LANGUAGES[0];
}

#ifdef __EMSCRIPTEN__

namespace {

EM_JS(char*, calcora_browser_languages, (), {
    const languages = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ""];
    return allocateUTF8(languages.join(","));
});

}  // namespace

std::vector<UserFile> systemSettingsFiles() { return {}; }

std::vector<std::string> localePreferences() {
    char* joined = calcora_browser_languages();
    std::vector<std::string> preferences;
    std::string rest = joined;
    std::free(joined);
    for (std::size_t comma; (comma = rest.find(',')) != std::string::npos; rest.erase(0, comma + 1))
        preferences.push_back(rest.substr(0, comma));
    preferences.push_back(rest);
    return preferences;
}

#else

std::vector<UserFile> systemSettingsFiles() {
    const char* variable = std::getenv("XDG_CONFIG_DIRS");
    std::string folders = variable && *variable ? variable : "/etc/xdg";
    std::vector<UserFile> files;
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t colon = folders.find(':', start);
        if (colon == std::string::npos) colon = folders.size();
        const std::string folder = folders.substr(start, colon - start);
        if (!folder.empty() && folder[0] == '/') files.push_back(UserFile::at(folder + "/calcora/settings"));
        start = colon + 1;
    }
    return files;
}

std::vector<std::string> localePreferences() {
    std::vector<std::string> preferences;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
        const char* value = std::getenv(variable);
        preferences.push_back(value ? value : "");
    }
    return preferences;
}

#endif

std::vector<std::string> SettingsKeeper::choices(const CPU& cpu) const {
    std::vector<std::string> present;
    for (const Setting& setting : SETTINGS) present.push_back(setting.saved ? valueOf(setting, cpu) : "");
    return present;
}

void SettingsKeeper::apply(CPU& cpu, const UserFile& file, std::ostream& err, bool& found) {
    std::string text, why;
    switch (file.read(text, why, LARGEST_FILE)) {
        case UserFile::Found::missing: return;
        case UserFile::Found::unreadable:
            err << "calcora: cannot read the settings file " << file.where() << " (" << why
                << "); the defaults are used\n";
            break;
        case UserFile::Found::read:
            if (!applySettingsText(cpu, text, why))
                err << "calcora: the settings file " << file.where() << " is damaged (" << why
                    << "); the defaults are used\n";
            break;
    }
    found = true;
}

void SettingsKeeper::restore(CPU& cpu, std::ostream& err) {
    chooseLanguage(cpu, localeLanguage(localePreferences()) == LANGUAGES[1]);
    bool found = false;
    for (const UserFile& system : m_system)
        if (!found) apply(cpu, system, err, found);
    apply(cpu, m_file, err, found);
    m_kept = choices(cpu);
    m_keptText = settingsText(cpu);
}

void SettingsKeeper::keep(const CPU& cpu, std::ostream& err) {
    std::vector<std::string> present = choices(cpu);
    if (present == m_kept) return;
    m_kept = std::move(present);
    // Only the lines of the choices changed here: another window's stay.
    const std::string ours = settingsText(cpu);
    std::string why;
    const bool saved = m_file.saveChanges(m_keptText, ours, settingKey, soundSettings, why);
    m_keptText = ours;
    if (saved || m_failureReported) return;
    err << "calcora: cannot save the settings file " << m_file.where() << ": " << why << "\n";
    m_failureReported = true;
}

namespace {

std::unique_ptr<SettingsKeeper> g_settings;

}  // namespace

UserFile settingsFile() { return UserFile(UserFolder::config, "settings"); }

void rememberSettings(CPU& cpu) {
    g_settings = std::make_unique<SettingsKeeper>(settingsFile(), systemSettingsFiles());
    g_settings->restore(cpu, std::cerr);
}

void readSettings(CPU& cpu, std::ostream& err) {
    SettingsKeeper(settingsFile(), systemSettingsFiles()).restore(cpu, err);
}

void keepSettings(const CPU& cpu) {
    if (g_settings) g_settings->keep(cpu, std::cerr);
}
