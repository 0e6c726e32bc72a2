// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows bound for one file (practice.csv, a class folder's file) that must
// all arrive, each once and in order, though the disk fills up or the folder
// goes away for a while. Rows that cannot be appended wait in memory and in
// a small pending file, and are written first at the next chance; a kill
// between their append and the pending file's emptying does not send them twice.
#include <functional>
#include <string>

#include "SafeFile.h"

class RowQueue {
public:
    // How the rows are appended: appendToTextFile's arguments and answer.
    using Appender = std::function<bool(const std::string& file, const std::string& rows, const std::string& header,
                                        std::string& why, const std::function<void(const AppendPlace&)>& beforeWrite)>;
    // Rows for `destination`, a new one beginning with `header`; those that
    // cannot be written wait in `pendingFile` ("": in memory only).
    RowQueue(std::string destination, std::string header, std::string pendingFile, Appender appender = appendToTextFile);

    // Adds whole rows (each ending in a line end) behind those waiting and
    // appends them all, oldest first; false, with `why`, when they wait.
    bool append(const std::string& rows, std::string& why);
    // Appends the rows waiting (an earlier run's too), as append of nothing new.
    bool retry(std::string& why) { return append("", why); }
    // Whether rows wait to be written, as this program last saw.
    bool waiting() const { return m_waiting; }
    // The file the rows go to.
    const std::string& destination() const { return m_destination; }

private:
    std::string m_destination, m_header, m_pendingFile;
    Appender m_appender;
    std::string m_inMemory;  // rows no pending file could take
    bool m_waiting = false;
};

// The pending file for `destination` in `folder` (beside the progress):
// "pending-<its name>-<a checksum of its full path>".
std::string pendingFileFor(const std::string& folder, const std::string& destination);
