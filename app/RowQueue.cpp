// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowQueue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "SafeFile.h"

namespace {

// The pending file holds the waiting rows and, while they are being
// appended, one last line saying where they go: "#calcora-sent DEV INODE
// OFFSET SIZE". The next look at it checks whether they landed there.
const std::string SENT = "#calcora-sent ";
// A term's answers are a few hundred kilobytes; more is not a pending file of ours.
const std::size_t PENDING_LIMIT = 64 << 20;

std::string sentLine(const AppendPlace& place) {
    std::ostringstream line;
    line << SENT << place.device << ' ' << place.inode << ' ' << place.offset << ' ' << place.size << '\n';
    return line.str();
}

// The rows a pending file still holds: without its last "sent" line, and
// without the rows before it when they did land; never a part of a row.
std::string rowsStillWaiting(std::string pending, const std::string& destination) {
    pending.erase(pending.rfind('\n') == std::string::npos ? 0 : pending.rfind('\n') + 1);  // a row a kill cut short
    const std::size_t sent = pending.rfind(SENT);
    if (sent == std::string::npos || (sent > 0 && pending[sent - 1] != '\n')) return pending;
    const std::string rows = pending.substr(0, sent);
    std::istringstream line(pending.substr(sent + SENT.size()));
    AppendPlace place{};
    line >> place.device >> place.inode >> place.offset >> place.size;
    const bool landed = line && appendLanded(destination, place, rows);
    return (landed ? "" : rows) + pending.substr(pending.find('\n', sent) == std::string::npos
                                                     ? pending.size()
                                                     : pending.find('\n', sent) + 1);
}

// Opens and locks the pending file, making its folder; -1 when it cannot be had.
int openPending(const std::string& path) {
    if (path.empty()) return -1;
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) mkdir(path.substr(0, slash).c_str(), 0700);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    std::string why;
    if (fd >= 0 && !lockFile(fd, why)) {
        close(fd);
        return -1;
    }
    return fd;
}

// Makes the pending file hold exactly `text`: cut to what of it is there
// already, then the rest appended, so that a kill on the way loses nothing.
bool pendingHolds(int fd, const std::string& before, const std::string& text) {
    std::size_t same = 0;
    while (same < before.size() && same < text.size() && before[same] == text[same]) ++same;
    if (same == before.size() && same == text.size()) return true;
    return ftruncate(fd, static_cast<off_t>(same)) == 0 && writeWhole(fd, text.substr(same));
}

// A pending file not emptied keeps its "sent" line: its rows are not sent twice.
void emptied(int fd) {
    if (ftruncate(fd, 0) != 0) return;
}

}  // namespace

RowQueue::RowQueue(std::string destination, std::string header, std::string pendingFile, Appender appender)
    : m_destination(std::move(destination)),
      m_header(std::move(header)),
      m_pendingFile(std::move(pendingFile)),
      m_appender(std::move(appender)) {
    struct stat info {};
    m_waiting = !m_pendingFile.empty() && stat(m_pendingFile.c_str(), &info) == 0 && info.st_size > 0;
}

bool RowQueue::append(const std::string& rows, std::string& why) {
    Descriptor pending(openPending(m_pendingFile));
    const bool hasFile = pending.fd() >= 0;
    std::string inFile;
    std::string unread;
    if (hasFile && !readWhole(pending.fd(), inFile, unread, PENDING_LIMIT)) inFile.clear();
    const std::string all = rowsStillWaiting(inFile, m_destination) + m_inMemory + rows;
    // While the rows are on their way the pending file holds them, and then where they go.
    const bool kept = hasFile && pendingHolds(pending.fd(), inFile, all);
    if (kept) inFile = all;
    const auto remember = [&](const AppendPlace& place) {
        if (kept && pendingHolds(pending.fd(), inFile, all + sentLine(place))) inFile = all + sentLine(place);
    };
    const bool sent = all.empty() || m_appender(m_destination, all, m_header, why, remember);
    // Not sent, they wait in the pending file, or in memory when it cannot take them.
    m_inMemory = sent || kept ? "" : all;
    if (hasFile && (sent || !kept)) emptied(pending.fd());
    m_waiting = !sent;
    return sent;
}

std::string pendingFileFor(const std::string& folder, const std::string& destination) {
    std::string full = destination;
    char here[PATH_MAX];
    if ((full.empty() || full[0] != '/') && getcwd(here, sizeof here)) full = std::string(here) + "/" + full;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char c : full) hash = (hash ^ c) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    return folder + "/pending-" + full.substr(full.rfind('/') + 1) + "-" + tag;
}
