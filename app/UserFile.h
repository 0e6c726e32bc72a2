// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file the program keeps for each user between runs (the pupil's settings),
// where the freedesktop.org base folders put it, read defensively and saved
// through the one safe save. In the browser the page's local storage stands in
// for the file, under the key "calcora/<name>".
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

// Which base folder: configuration ($XDG_CONFIG_HOME, else ~/.config) or
// data ($XDG_DATA_HOME, else ~/.local/share).
enum class UserFolder { config, data };

// What a line of a file is about (a setting's name, an exercise and level):
// "" for a line about nothing (a comment, a header).
using LineKey = std::string (*)(const std::string& line);

// The text with a byte order mark at its start dropped and CRLF made LF.
std::string plainLines(std::string text);

// Another program's text `now` of a file, with the lines of `ours` whose key
// `before` had otherwise (or not at all) put in place of that key's line, or
// added at the end: two programs saving one file keep each other's changes,
// and lines this version does not know stay as they are. Empty `now`: `ours`.
std::string mergeLines(const std::string& now, const std::string& before, const std::string& ours, LineKey keyOf);

class UserFile {
public:
    // The file `name` in the program's folder under the user's base folder:
    // <base>/calcora/<name>. A base variable that is empty or not an absolute
    // path is ignored, as the XDG base directory rules ask.
    UserFile(UserFolder folder, const std::string& name);
    // The file at exactly `path` (tests).
    static UserFile at(const std::string& path);

    // The path (in the browser, the storage key); "" when there is no home
    // folder to put the file in.
    const std::string& where() const { return m_where; }

    enum class Found { missing, read, unreadable };
    // Reads the whole file into `text`, a byte order mark at its start read
    // as nothing and CRLF line ends as LF. Only a regular file of at most
    // `limit` bytes is read (a FIFO, a device or a folder in its place is never
    // opened for reading, or never blocks); otherwise `why` says what is wrong.
    Found read(std::string& text, std::string& why, std::size_t limit) const;

    // Replaces the file with `text` (see saveTextFile), first making its
    // folders (only the user may enter them). Returns whether it was saved;
    // otherwise `why` says what went wrong.
    bool save(const std::string& text, std::string& why) const;

    // Saves `ours`, the program's new text of the file it last read or saved
    // as `before`, into the file as it is now, under a lock: see mergeLines.
    // A present text that `sound` rejects is replaced by `ours` whole.
    bool saveChanges(const std::string& before, const std::string& ours, const LineKey& keyOf,
                     bool (*sound)(const std::string&), std::string& why) const;

    // Saves the text `change` makes of the file's present text ("" when it is
    // missing or unreadable), read again under a lock (see saveMergedTextFile).
    bool saveMerged(const std::function<std::string(const std::string&)>& change, std::string& why) const;

private:
    explicit UserFile(std::string where) : m_where(std::move(where)) {}
    std::string m_where;
};
