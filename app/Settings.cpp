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
#include "working/WorkingParts.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

const char* const LANGUAGES[] = {"English", "Polish"};

void chooseLanguage(CPU&, int word) {
    if (language != LANGUAGES[word]) switchLanguage();
}

const std::vector<const char*> OFF_ON = {"off", "on"};
const char* const CLASS_FOLDER = "class-folder";

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
     [](CPU& cpu, const std::string& name) { cpu.setPupilName(name); }, practice::typableName, true,
     &Language::settings_bad_name},
    {CLASS_FOLDER, {}, nullptr, nullptr, false, [](const CPU& cpu) { return cpu.getClassFolder(); },
     [](CPU& cpu, const std::string& folder) { cpu.setClassFolder(folder); },
     [](const std::string& folder) { return folder.size() > 1 && folder[0] == '/'; }, false,
     &Language::settings_relative_folder},
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

struct Choice {
    const Setting* setting;
    std::string value;
    int line;
};
using Choices = std::vector<Choice>;
using Kind = SettingsFault::Kind;

bool takes(const Setting& setting, const std::string& value) {
    return setting.text ? setting.fits(value) : wordIndex(setting, value) >= 0;
}

// A settings file's text read line by line: the choices of its sound lines,
// each other line passed over alone and said in `faults`.
Choices readChoices(const std::string& text, bool systemWide, std::vector<SettingsFault>& faults) {
    Choices chosen;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || line.find('\0') != std::string::npos) {
            faults.push_back({systemWide, number, Kind::not_a_setting, "", ""});
            continue;
        }
        const std::string name = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        const Setting* setting = settingNamed(name);
        if (setting && takes(*setting, value)) chosen.push_back({setting, value, number});
        else faults.push_back({systemWide, number, setting ? Kind::wrong_value : Kind::unknown_name, name, value});
    }
    return chosen;
}

// Lines of another program or version are merged into, never given up for ours.
bool soundSettings(const std::string&) { return true; }

// A line's setting name; "" for a comment or a blank line.
std::string settingKey(const std::string& line) {
    const std::string plain = trimmed(line);
    if (plain.empty() || plain[0] == '#') return "";
    return trimmed(plain.substr(0, plain.find('=')));
}

bool namesSetting(const std::string& text, const std::string& name) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (settingKey(text.substr(start, end - start)) == name) return true;
        start = end + 1;
    }
    return false;
}

// What a line wrote, as a screen or a terminal may show it: control
// characters (an escape sequence) and every byte beyond ASCII as '?', cut short.
std::string asWritten(const std::string& text) {
    const std::size_t LONGEST = 24;
    std::string shown = text.substr(0, LONGEST);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) c = '?';
    return text.size() > LONGEST ? shown + "..." : shown;
}

std::string wordsOf(const Setting& setting) {
    std::string words;
    for (const char* word : setting.words) words += (words.empty() ? "" : " / ") + std::string(word);
    return words;
}

std::string whatIsWrong(const SettingsFault& fault, const Language& t) {
    const Setting* setting = settingNamed(fault.name);
    switch (fault.kind) {
        case Kind::unreadable: return t.settings_unreadable;
        case Kind::not_a_setting: return t.settings_not_setting;
        case Kind::unknown_name: return working::filled(t.settings_unknown_name, {asWritten(fault.name)});
        case Kind::lab_folder: return working::filled(t.settings_lab_folder, {fault.name});
        case Kind::wrong_value: break;
    }
    if (setting && setting->refused) return working::filled(t.*setting->refused, {fault.name, asWritten(fault.value)});
    return working::filled(t.settings_takes, {fault.name, setting ? wordsOf(*setting) : ""});
}

const Language& english() {
    static const Language texts = [] {
        Language l;
        l.ChangeToEnglish();
        return l;
    }();
    return texts;
}

}  // namespace

std::vector<SettingsFault> applySettingsText(CPU& cpu, const std::string& text, bool systemWide, bool labFolder) {
    std::vector<SettingsFault> faults;
    for (const Choice& c : readChoices(plainLines(text), systemWide, faults)) {
        if (!c.setting->in_browser && IN_BROWSER) continue;
        if (labFolder && c.setting->name == std::string(CLASS_FOLDER)) {
            if (c.value != cpu.getClassFolder()) faults.push_back({systemWide, c.line, Kind::lab_folder, CLASS_FOLDER, c.value});
            continue;
        }
        if (c.setting->write) c.setting->write(cpu, c.value);
        else c.setting->choose(cpu, wordIndex(*c.setting, c.value));
    }
    std::sort(faults.begin(), faults.end(), [](const SettingsFault& a, const SettingsFault& b) { return a.line < b.line; });
    return faults;
}

std::string describe(const SettingsFault& fault, const Language& t) {
    const std::string& where = fault.system_wide ? t.settings_system_wide : t.settings_own;
    const std::string what = whatIsWrong(fault, t);
    return fault.line == 0 ? where + ": " + what : working::filled(t.settings_line, {where, std::to_string(fault.line), what});
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

bool SettingsKeeper::apply(CPU& cpu, const UserFile& file, bool systemWide, std::vector<SettingsFault>& faults,
                           std::ostream& err) {
    std::string text, why;
    switch (file.read(text, why, LARGEST_FILE)) {
        case UserFile::Found::missing: return false;
        case UserFile::Found::unreadable:
            err << "calcora: cannot read the settings file " << file.where() << " (" << why << "); none of it is used\n";
            faults.push_back({systemWide, 0, Kind::unreadable, "", ""});
            return true;
        case UserFile::Found::read: break;
    }
    const std::vector<SettingsFault> found = applySettingsText(cpu, text, systemWide, m_labFolder);
    // A class folder the lab names, even wrongly, is the lab's to mend.
    if (systemWide) m_labFolder = namesSetting(plainLines(text), CLASS_FOLDER);
    for (const SettingsFault& fault : found)
        err << "calcora: " << file.where() << " line " << fault.line << ": " << whatIsWrong(fault, english())
            << "; the line is passed over\n";
    faults.insert(faults.end(), found.begin(), found.end());
    return true;
}

void SettingsKeeper::restore(CPU& cpu, std::ostream& err) {
    chooseLanguage(cpu, localeLanguage(localePreferences()) == LANGUAGES[1]);
    std::vector<SettingsFault> faults;
    m_labFolder = false;
    for (const UserFile& system : m_system)
        if (apply(cpu, system, true, faults, err)) break;
    apply(cpu, m_file, false, faults, err);
    cpu.setSettingsFaults(std::move(faults));
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
