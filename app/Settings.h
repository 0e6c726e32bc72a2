// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupil's choices that outlast a run: the language, full screen and grid
// lines, kept per user in the settings file (one "name=value" line each) and
// saved whenever one changes. Until the pupil has chosen, the language is the
// one the desktop (or the browser) names.
#include <ostream>
#include <string>
#include <vector>

#include "CPU.h"
#include "GlobalVariables.h"
#include "UserFile.h"

// One remembered choice: its name in the file, the words it is written as
// (one per value), how the store holds it, and whether the browser restores
// it. A setting without words holds a text (the pupil's name, a folder):
// `text` reads it, `write` sets it, `fits` says which texts it takes, and
// `saved` whether the program writes it back (the class folder is the
// administrator's or the teacher's, never rewritten by the program), and
// `refused` what a settings line with a text it does not take is told (a
// setting of words is told its words).
// Adding a setting is one row of SETTINGS (Settings.cpp).
struct Setting {
    const char* name;
    std::vector<const char*> words;
    int (*current)(const CPU&);       // the index of the present value's word
    void (*choose)(CPU&, int word);   // makes the value of that word the present one
    bool in_browser = true;           // a page may not go full screen unless the pupil asks there and then
    std::string (*text)(const CPU&) = nullptr;
    void (*write)(CPU&, const std::string&) = nullptr;
    bool (*fits)(const std::string&) = nullptr;
    bool saved = true;
    std::string Language::*refused = nullptr;
};
const std::vector<Setting>& settings();

// The settings file's text for the store's present choices.
std::string settingsText(const CPU& cpu);

// Applies a settings file's text to the store (a byte order mark is
// nothing, CRLF a line end), line by line: blank lines and "#" comments are
// nothing, and a line that is not "name=value" of a setting with a value it
// takes is passed over alone and given back as a fault (`system_wide` as
// given). With `labFolder`, the class folder is the lab's: a class-folder
// line is passed over too, a fault when it names another folder.
std::vector<SettingsFault> applySettingsText(CPU& cpu, const std::string& text, bool systemWide = false,
                                             bool labFolder = false);

// A fault as the start screen says it in the words of `t`: "settings line 2:
// not a setting". What the line wrote is shown cut short, its control
// characters as '?'.
std::string describe(const SettingsFault& fault, const Language& t);

// The language the user's locale names: "Polish" when the first of
// `preferences` that names a language (not empty, "C" or "POSIX") begins with
// "pl", else "English". On the desktop the preferences are LC_ALL,
// LC_MESSAGES, LANG and LANGUAGE, in this order; in the browser, the page's
// preferred languages.
std::string localeLanguage(const std::vector<std::string>& preferences);
std::vector<std::string> localePreferences();

// The system-wide settings files an administrator may write, in the order
// they are looked for: calcora/settings in each folder of $XDG_CONFIG_DIRS
// (else /etc/xdg); only absolute folders count. None in the browser.
std::vector<UserFile> systemSettingsFiles();

// Keeps the choices in `file`: `restore` reads them at start-up, first from
// the first of `system` that exists, then from `file`, whose lines win but
// for a class folder that `system` names (the locale's language and the
// store's defaults for what the files do not give; each line passed over,
// and a file that exists but cannot be read, is said in one line on `err`
// and kept in the store for the start screen); `keep`, called every frame, saves them when one has
// changed: the changed lines only, into `file` as it is then, so that two
// windows keep each other's choices and what came from `system` is not
// copied there. A failed save is said once a run and tried again at the next
// change.
class SettingsKeeper {
public:
    explicit SettingsKeeper(UserFile file, std::vector<UserFile> system = {})
        : m_file(std::move(file)), m_system(std::move(system)) {}
    void restore(CPU& cpu, std::ostream& err);
    void keep(const CPU& cpu, std::ostream& err);

private:
    std::vector<std::string> choices(const CPU& cpu) const;
    // Whether `file` exists; its faults added to `faults`.
    bool apply(CPU& cpu, const UserFile& file, bool systemWide, std::vector<SettingsFault>& faults, std::ostream& err);

    UserFile m_file;
    std::vector<UserFile> m_system;
    std::vector<std::string> m_kept;  // the choices last read or saved
    std::string m_keptText;           // and their text
    bool m_failureReported = false;
    bool m_labFolder = false;         // the system-wide file names the class folder
};

// The settings file of the program's own settings: "settings" in the user's configuration folder.
UserFile settingsFile();

// The program's own settings, per user: SDL_main and the browser's main call
// `rememberSettings` once started, the frame loop calls `keepSettings`. Tests
// that run frames remember nothing unless they ask.
void rememberSettings(CPU& cpu);
// The choices as the program's own settings give them, read but never saved
// (the class report's language).
void readSettings(CPU& cpu, std::ostream& err);
void keepSettings(const CPU& cpu);
