// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserFile.h"

#include <map>
#include <sstream>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "SafeFile.h"
#endif

namespace {

const char* const PROGRAM_FOLDER = "calcora";

}  // namespace

UserFile UserFile::at(const std::string& path) { return UserFile(path); }

std::string plainLines(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    return text;
}

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::string mergeLines(const std::string& now, const std::string& before, const std::string& ours, LineKey keyOf) {
    if (now.empty()) return ours;
    std::map<std::string, std::string> was, changed;
    for (const std::string& line : linesOf(before)) was[keyOf(line)] = line;
    std::vector<std::string> order;  // the changed keys in the order of `ours`
    for (const std::string& line : linesOf(ours)) {
        const std::string key = keyOf(line);
        const auto old = was.find(key);
        if (key.empty() || (old != was.end() && old->second == line)) continue;
        changed[key] = line;
        order.push_back(key);
    }
    std::string merged;
    for (const std::string& line : linesOf(now)) {
        const auto mine = changed.find(keyOf(line));
        merged += (mine == changed.end() ? line : mine->second) + "\n";
        if (mine != changed.end()) changed.erase(mine);
    }
    for (const std::string& key : order)
        if (changed.count(key)) merged += changed[key] + "\n";
    return merged;
}

#ifdef __EMSCRIPTEN__

namespace {

// The page's local storage; a browser that refuses it (private windows of
// some, storage switched off) throws, and `failure` then says why.
EM_JS(char*, calcora_storage_get, (const char* key, int* failed), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        return value === null ? 0 : allocateUTF8(value);
    } catch (error) {
        HEAP32[failed >> 2] = 1;
        return 0;
    }
});

EM_JS(int, calcora_storage_set, (const char* key, const char* value), {
    try {
        localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
        return 1;
    } catch (error) {
        return 0;
    }
});

}  // namespace

UserFile::UserFile(UserFolder, const std::string& name) : m_where(std::string(PROGRAM_FOLDER) + "/" + name) {}

UserFile::Found UserFile::read(std::string& text, std::string& why, std::size_t limit) const {
    int failed = 0;
    char* value = calcora_storage_get(m_where.c_str(), &failed);
    if (failed) {
        why = "the browser's local storage cannot be read";
        return Found::unreadable;
    }
    if (!value) return Found::missing;
    text = plainLines(value);
    std::free(value);
    if (text.size() <= limit) return Found::read;
    why = "it is larger than expected";
    return Found::unreadable;
}

bool UserFile::save(const std::string& text, std::string& why) const {
    if (calcora_storage_set(m_where.c_str(), text.c_str())) return true;
    why = "the browser's local storage refused it";
    return false;
}

// The page's tabs share the storage but run one at a time: no lock needed.
bool UserFile::saveMerged(const std::function<std::string(const std::string&)>& change, std::string& why) const {
    std::string now;
    if (read(now, why, 1 << 20) != Found::read) now.clear();
    return save(change(now), why);
}

#else

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (isAbsolute(home)) return home;
    const passwd* user = getpwuid(getuid());
    return user && isAbsolute(user->pw_dir) ? user->pw_dir : "";
}

// The base folder of `folder`, or "" when there is none.
std::string baseFolder(UserFolder folder) {
    const bool config = folder == UserFolder::config;
    const char* variable = std::getenv(config ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    if (isAbsolute(variable)) return variable;
    const std::string home = homeFolder();
    if (home.empty()) return "";
    return home + (config ? "/.config" : "/.local/share");
}

// Makes every missing folder of `path` up to its last slash, each private to
// the user.
bool makeFoldersOf(const std::string& path, std::string& why) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            why = "cannot make the folder " + folder + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

}  // namespace

UserFile::UserFile(UserFolder folder, const std::string& name) {
    const std::string base = baseFolder(folder);
    if (!base.empty()) m_where = base + "/" + PROGRAM_FOLDER + "/" + name;
}

UserFile::Found UserFile::read(std::string& text, std::string& why, std::size_t limit) const {
    if (m_where.empty()) return Found::missing;
    const int fd = open(m_where.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return Found::missing;
        why = std::strerror(errno);
        return Found::unreadable;
    }
    struct stat status;
    Found found = Found::unreadable;
    if (fstat(fd, &status) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        why = "it is not a regular file";
    } else if (std::size_t(status.st_size) > limit) {
        why = "it is larger than expected";
    } else {
        text.clear();
        char chunk[4096];
        ssize_t got = 0;
        while (text.size() <= limit && (got = ::read(fd, chunk, sizeof chunk)) > 0) text.append(chunk, std::size_t(got));
        if (got < 0) why = std::strerror(errno);
        else if (text.size() > limit) why = "it is larger than expected";  // it grew while being read
        else found = Found::read;
        text = plainLines(std::move(text));
    }
    close(fd);
    return found;
}

bool UserFile::save(const std::string& text, std::string& why) const {
    if (m_where.empty()) {
        why = "there is no home folder to keep it in";
        return false;
    }
    return makeFoldersOf(m_where, why) && saveTextFile(m_where, text, why);
}

bool UserFile::saveMerged(const std::function<std::string(const std::string&)>& change, std::string& why) const {
    if (m_where.empty()) return save(change(""), why);
    return makeFoldersOf(m_where, why) && saveMergedTextFile(m_where, change, why);
}

#endif

bool UserFile::saveChanges(const std::string& before, const std::string& ours, const LineKey& keyOf,
                           bool (*sound)(const std::string&), std::string& why) const {
    return saveMerged(
        [&](const std::string& now) {
            const std::string plain = plainLines(now);
            return mergeLines(sound(plain) ? plain : "", before, ours, keyOf);
        },
        why);
}
