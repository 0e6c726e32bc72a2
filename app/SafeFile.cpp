// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>
#include <optional>
#include <set>
#include <sstream>

namespace {

const int MAX_LINK_HOPS = 40;  // as the kernel allows before ELOOP
const int NAME_TRIES = 100;

// What a save leaves beside the file while it runs: ".calcora-PID-TAG.new",
// the new text that is renamed over the file once it is whole, or
// ".calcora-PID-TAG.redo", a file's new text kept until its rewrite in place
// is done. Short, so that it fits wherever the file's own name does.
const std::string LEFTOVER_PREFIX = ".calcora-";
const std::string NEW_SUFFIX = ".new";
const std::string REDO_SUFFIX = ".redo";
const char TAG_LETTERS[] = "0123456789abcdefghijklmnopqrstuvwxyz";
const std::size_t TAG_LENGTH = 6;
const std::string REDO_HEADER = "calcora-rewrite";
// Another program's lock on a shared file is held for a write or two; after
// half a second of waiting it is taken as stuck.
const std::string LOCK_SUFFIX = ".lock";
const int LOCK_TRIES = 50;
const std::chrono::milliseconds LOCK_PAUSE{10};

// An open file descriptor, closed when it goes.
class OpenFile {
public:
    explicit OpenFile(int fd = -1) : m_fd(fd) {}
    ~OpenFile() { closeNow(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    void reset(int fd) {
        closeNow();
        m_fd = fd;
    }
    // Closing can report a failed write that was delayed until then.
    bool closeNow() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int m_fd;
};

bool fail(std::string& why, const std::string& what) {
    why = what;
    return false;
}

std::string lastError() { return std::strerror(errno); }

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder == ".") return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// In a folder that others may write (a shared temporary folder, a class
// folder) anyone may plant a link. As the kernel does for the links it
// follows itself in sticky folders, follow one there only when it is the
// user's or the folder owner's.
bool mayFollow(const std::string& link, uid_t linkOwner, std::string& why) {
    struct stat folder {};
    if (stat(folderOf(link).c_str(), &folder) != 0) return fail(why, lastError());
    if (!(folder.st_mode & (S_IWGRP | S_IWOTH)) || linkOwner == geteuid() || linkOwner == folder.st_uid) return true;
    return fail(why, link + " is a link of another user (uid " + std::to_string(linkOwner) +
                         ") in a folder others may write; it is not followed");
}

// The file a chain of symbolic links ends at; it need not exist yet. A
// relative link is read from the folder the link is in.
bool followLinks(std::string path, std::string& resolved, std::string& why) {
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = path;
            return true;
        }
        if (!mayFollow(path, info.st_uid, why)) return false;
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length <= 0) return fail(why, lastError());
        const std::string next(target, static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : folderOf(path) + "/" + next;
    }
    return fail(why, std::strerror(ELOOP));
}

bool writeAll(int fd, const std::string& text) {
    const char* at = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = write(fd, at, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads an open regular file whole.
bool readOpenFile(int fd, std::string& text, std::size_t limit, std::string& why) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return fail(why, lastError());
    if (!S_ISREG(info.st_mode)) return fail(why, "not a regular file");
    text.clear();
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fail(why, lastError());
        if (got == 0) return true;
        if (text.size() + static_cast<std::size_t>(got) > limit)
            return fail(why, "larger than " + std::to_string(limit) + " bytes");
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// Like readTextFile; `missing` tells a file that is not there from one that
// cannot be read.
bool readFollowingLinks(const std::string& fileName, std::string& text, std::string& why, std::size_t limit,
                        bool& missing) {
    missing = false;
    std::string target;
    if (!followLinks(fileName, target, why)) return false;
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0) {
        missing = errno == ENOENT;
        return fail(why, lastError());
    }
    // Only a regular file is opened: a FIFO would block, a device could do anything.
    if (!S_ISREG(info.st_mode)) return fail(why, "not a regular file");
    OpenFile file(open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) return fail(why, lastError());
    return readOpenFile(file.fd(), text, limit, why);
}

// Writes the text over the file from its start, then cuts off what is left
// of a longer old text, and flushes it to disk: every name of the file shows it.
bool overwrite(int fd, const std::string& text) {
    return lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, text) && ftruncate(fd, static_cast<off_t>(text.size())) == 0 &&
           fsync(fd) == 0;
}

// Makes a new entry in a folder last: the folder is flushed too.
void syncFolder(const std::string& folder) {
    OpenFile dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen()) fsync(dir.fd());
}

// A new file in `folder` under a leftover's name not in use. O_EXCL never
// opens an existing name, a planted link or FIFO included; the clock varies
// the name so a planted file cannot block every try.
int createLeftover(const std::string& folder, const std::string& suffix, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < NAME_TRIES; ++attempt) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::uint64_t mix = (static_cast<std::uint64_t>(now.tv_nsec) + 7919u * attempt) * 0x9E3779B97F4A7C15u >> 16;
        std::string tag;
        for (std::size_t i = 0; i < TAG_LENGTH; ++i, mix /= 36) tag += TAG_LETTERS[mix % 36];
        name = inFolder(folder, LEFTOVER_PREFIX + std::to_string(getpid()) + "-" + tag + suffix);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The process that left `name` behind and what it is, for a leftover's name.
struct Leftover {
    pid_t pid;
    bool redo;
};

std::optional<Leftover> leftoverNamed(const std::string& name) {
    const bool redo = endsWith(name, REDO_SUFFIX);
    if (name.compare(0, LEFTOVER_PREFIX.size(), LEFTOVER_PREFIX) != 0 || (!redo && !endsWith(name, NEW_SUFFIX)))
        return std::nullopt;
    const std::size_t start = LEFTOVER_PREFIX.size();
    const std::string middle = name.substr(start, name.size() - start - (redo ? REDO_SUFFIX : NEW_SUFFIX).size());
    const std::size_t dash = middle.find('-');
    if (dash == std::string::npos || dash == 0 || dash > 9 || middle.size() != dash + 1 + TAG_LENGTH)
        return std::nullopt;
    const std::string pid = middle.substr(0, dash), tag = middle.substr(dash + 1);
    if (pid.find_first_not_of("0123456789") != std::string::npos || tag.find_first_not_of(TAG_LETTERS) != std::string::npos)
        return std::nullopt;
    return Leftover{static_cast<pid_t>(std::stol(pid)), redo};
}

// Whether the process that made a leftover has ended. At start-up a
// leftover of this process's own number is an older process's.
bool processGone(pid_t pid) { return pid == getpid() || (kill(pid, 0) != 0 && errno == ESRCH); }

// The places for the user's own folder of what a rewrite must keep until it
// is done, best first: $XDG_STATE_HOME/calcora, ~/.local/state/calcora from
// $HOME and from the account (HOME may be unset or wrong).
std::vector<std::string> stateBases() {
    std::vector<std::string> bases;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    const passwd* account = getpwuid(geteuid());
    if (state && state[0] == '/') bases.push_back(state);
    if (home && home[0] == '/') bases.push_back(std::string(home) + "/.local/state");
    if (account && account->pw_dir && account->pw_dir[0] == '/') bases.push_back(std::string(account->pw_dir) + "/.local/state");
    return bases;
}

bool usableStateFolder(const std::string& folder) {
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid();
}

// The first of those folders that is usable (made when `create`); "" when none is.
std::string stateFolder(bool create) {
    for (const std::string& base : stateBases()) {
        const std::string folder = base + "/calcora";
        if (create) {
            std::error_code ignored;
            std::filesystem::create_directories(base, ignored);
            mkdir(folder.c_str(), 0700);
        }
        if (usableStateFolder(folder)) return folder;
    }
    return "";
}

// FNV-1a, continued from `hash` when given.
std::uint64_t checksum(const std::string& text, std::uint64_t hash = 14695981039346656037u) {
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211u;
    return hash;
}

std::string absolutePath(const std::string& path) {
    char* folder = realpath(folderOf(path).c_str(), nullptr);
    if (!folder) return path;
    const std::string whole = inFolder(folder, path.substr(path.rfind('/') + 1));
    std::free(folder);
    return whole;
}

// A rewrite's record: a header line (the file's device and inode, the sizes
// of its name and of its new text, and a checksum of both), the file's
// absolute name and the new text. Complete and intact only when the sizes
// and the checksum agree.
struct Rewrite {
    dev_t device = 0;
    ino_t inode = 0;
    std::string target, text;
};

std::string recordOf(const Rewrite& rewrite) {
    std::ostringstream header;
    header << REDO_HEADER << ' ' << rewrite.device << ' ' << rewrite.inode << ' ' << rewrite.target.size() << ' '
           << rewrite.text.size() << ' ' << checksum(rewrite.text, checksum(rewrite.target)) << '\n';
    return header.str() + rewrite.target + rewrite.text;
}

std::optional<Rewrite> rewriteRecorded(const std::string& record) {
    const std::size_t end = record.find('\n');
    if (end == std::string::npos) return std::nullopt;
    std::istringstream header(record.substr(0, end));
    std::string tag;
    Rewrite rewrite;
    std::size_t nameSize = 0, textSize = 0;
    std::uint64_t sum = 0;
    header >> tag >> rewrite.device >> rewrite.inode >> nameSize >> textSize >> sum;
    if (!header || tag != REDO_HEADER || record.size() - end - 1 != nameSize + textSize) return std::nullopt;
    rewrite.target = record.substr(end + 1, nameSize);
    rewrite.text = record.substr(end + 1 + nameSize);
    if (checksum(rewrite.text, checksum(rewrite.target)) != sum) return std::nullopt;
    return rewrite;
}

// Keeps the rewrite's record beside the file or else in the user's state
// folder, flushed to disk, and names it in `record`. Where neither can take
// it, the rewrite is refused: a kill half-way would tear the file for good.
bool keepRecord(const Rewrite& rewrite, std::string& record, std::string& why) {
    const std::string contents = recordOf(rewrite);
    std::string folder = folderOf(rewrite.target);
    OpenFile file(createLeftover(folder, REDO_SUFFIX, 0600, record));
    if (!file.isOpen() && !(folder = stateFolder(true)).empty())
        file.reset(createLeftover(folder, REDO_SUFFIX, 0600, record));
    if (!file.isOpen())
        return fail(why, REFUSED_REWRITE);
    if (writeAll(file.fd(), contents) && fsync(file.fd()) == 0 && file.closeNow()) {
        syncFolder(folder);
        return true;
    }
    why = lastError();
    unlink(record.c_str());
    return false;
}

// A rewrite in place cannot be undone: before the first byte changes, the new
// text must be known to fit, under the file-size limit and on the disk.
bool underSizeLimit(std::size_t size, std::string& why) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size > limit.rlim_cur)
        return fail(why, std::strerror(EFBIG));
    return true;
}

bool roomOnDisk(int fd, std::size_t size, std::string& why) {
    if (size == 0) return true;
#ifdef __linux__
    // Reserves the blocks without changing the file's size or text.
    if (fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return fail(why, lastError());
#endif
    // A file system that cannot reserve: its free space must hold what the file does not.
    struct statvfs disk {};
    struct stat now {};
    if (fstatvfs(fd, &disk) != 0 || fstat(fd, &now) != 0) return fail(why, lastError());
    const unsigned long long free = (geteuid() == 0 ? disk.f_bfree : disk.f_bavail) * disk.f_frsize;
    const unsigned long long held = static_cast<unsigned long long>(now.st_blocks) * 512;
    return size <= held + free || fail(why, std::strerror(ENOSPC));
}

// Rewrites the file itself, for a file that must stay the same file. Nothing
// changes before the new text is known to fit and is kept in a record, so
// that the next start can finish a rewrite that a kill broke off.
bool rewriteInPlace(int fd, const std::string& target, const struct stat& old, const std::string& text,
                    std::string& why) {
    std::string record;
    if (!underSizeLimit(text.size(), why) ||
        !keepRecord({old.st_dev, old.st_ino, absolutePath(target), text}, record, why))
        return false;
    if (!roomOnDisk(fd, text.size(), why)) {
        unlink(record.c_str());
        return false;
    }
    // A failure from here on (an I/O error) keeps the record: the next start finishes the rewrite.
    if (!overwrite(fd, text)) return fail(why, lastError());
    unlink(record.c_str());
    return true;
}

// A file with other names, or someone else's file that only root could give
// away again, is rewritten in place: a new file would not be the same file.
bool mustStayTheSameFile(const struct stat& old) {
    return old.st_nlink > 1 || (geteuid() != 0 && old.st_uid != geteuid());
}

// Copies the old file's extended attributes (a teacher's user.* tag, an ACL)
// to the new one; those the user may not set (trusted.*, say) stay behind.
void copyAttributes([[maybe_unused]] int from, [[maybe_unused]] int to) {
#ifdef __linux__
    const ssize_t size = flistxattr(from, nullptr, 0);
    if (size <= 0) return;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = flistxattr(from, &names[0], names.size());
    if (listed <= 0) return;
    names.resize(static_cast<std::size_t>(listed));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t length = fgetxattr(from, name, nullptr, 0);
        if (length < 0) continue;
        std::string value(static_cast<std::size_t>(length), '\0');
        const ssize_t got = fgetxattr(from, name, &value[0], value.size());
        if (got >= 0) fsetxattr(to, name, value.data(), static_cast<std::size_t>(got), 0);
    }
#endif
}

// Gives the new file the old one's owner, group (where the user may: EPERM
// for a group he is not in), permissions and extended attributes; chown
// first, as it drops set-id bits.
bool takeOverIdentity(int fd, int oldFd, const struct stat& old) {
    if ((fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) || fchmod(fd, old.st_mode & 07777) != 0)
        return false;
    copyAttributes(oldFd, fd);
    return true;
}

// Writes the whole text to the fresh file `temporary` and renames it over the target.
bool writeAndRename(OpenFile& fresh, const std::string& temporary, const std::string& target, int oldFd,
                    const struct stat& old, const std::string& text, std::string& why) {
    const bool saved = (oldFd < 0 || takeOverIdentity(fresh.fd(), oldFd, old)) && writeAll(fresh.fd(), text) &&
                       fsync(fresh.fd()) == 0 && fresh.closeNow() && rename(temporary.c_str(), target.c_str()) == 0;
    if (!saved) {
        why = lastError();
        unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

void removeLeftover(const std::string& path, const std::string& what, std::ostream& report) {
    if (unlink(path.c_str()) == 0) report << "calcora: removed " << path << ", " << what << "\n";
}

// Finishes the rewrite a record describes, when the record is whole and its
// file still the same file; a record cut short was cut before its file was
// touched, and goes.
void finishRewrite(const std::string& record, std::ostream& report) {
    OpenFile file(open(record.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    std::string contents, why;
    const std::optional<Rewrite> rewrite =
        file.isOpen() && readOpenFile(file.fd(), contents, SIZE_MAX, why) ? rewriteRecorded(contents) : std::nullopt;
    if (!rewrite) return removeLeftover(record, "an unfinished record of a save that was interrupted", report);
    OpenFile target(open(rewrite->target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    const bool gone = !target.isOpen() && (errno == ENOENT || errno == ELOOP);
    struct stat now {};
    if (gone || (target.isOpen() && (fstat(target.fd(), &now) != 0 || !S_ISREG(now.st_mode) ||
                                     now.st_dev != rewrite->device || now.st_ino != rewrite->inode)))
        return removeLeftover(record, "left by a save of " + rewrite->target + ", which is no longer there", report);
    if (!target.isOpen() || !overwrite(target.fd(), rewrite->text)) {
        report << "calcora: could not finish the interrupted save of " << rewrite->target << ": " << lastError()
               << "; " << record << " keeps its text\n";
        return;
    }
    unlink(record.c_str());
    report << "calcora: finished the save of " << rewrite->target << " that was interrupted\n";
}

void sweepFolder(const std::string& folder, std::ostream& report) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) names.push_back(entry->d_name);
        closedir(dir);
    }
    for (const std::string& name : names) {
        const std::optional<Leftover> leftover = leftoverNamed(name);
        if (!leftover || !processGone(leftover->pid)) continue;
        const std::string path = inFolder(folder, name);
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // Another user's record is never acted on; the user's own may rewrite only files he may write.
        if (leftover->redo && info.st_uid == geteuid()) finishRewrite(path, report);
        if (!leftover->redo) removeLeftover(path, "left by a save that was interrupted", report);
    }
}

}  // namespace

const char* const REFUSED_REWRITE =
    "it must be rewritten in place and there is no folder to keep its new text in until that is done; the old file "
    "is kept whole";

bool saveTextFile(const std::string& fileName, const std::string& text, std::string& why) {
    std::string target;
    if (!followLinks(fileName, target, why)) return false;

    struct stat old {};
    const bool exists = lstat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return fail(why, lastError());
    if (exists && !S_ISREG(old.st_mode)) return fail(why, "not a regular file");
    // Opening for writing asks the system whether the user may write the file.
    OpenFile existing(exists ? open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1);
    if (exists) {
        if (!existing.isOpen()) return fail(why, lastError());
        struct stat opened {};
        if (fstat(existing.fd(), &opened) != 0 || opened.st_ino != old.st_ino || opened.st_dev != old.st_dev)
            return fail(why, "the file was replaced while it was saved");
        if (mustStayTheSameFile(old)) return rewriteInPlace(existing.fd(), target, old, text, why);
    }

    std::string temporary;
    OpenFile fresh(createLeftover(folderOf(target), NEW_SUFFIX, exists ? 0600 : 0666, temporary));
    if (!fresh.isOpen()) {
        // A folder closed to the user around a file open to him: as a plain write would.
        if (exists && (errno == EACCES || errno == EPERM)) return rewriteInPlace(existing.fd(), target, old, text, why);
        return fail(why, lastError());
    }
    return writeAndRename(fresh, temporary, target, existing.fd(), old, text, why);
}

bool saveTextFileIfChanged(const std::string& fileName, const std::string& text, std::string& why) {
    std::string now;
    bool missing = false;
    if (readFollowingLinks(fileName, now, why, text.size(), missing) && now == text) return true;
    return saveTextFile(fileName, text, why);
}

bool lockFile(int fd, std::string& why) {
    for (int attempt = 0; attempt < LOCK_TRIES; ++attempt) {
        struct flock whole {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
        // A lock of this open file, not of the process: another descriptor closed elsewhere keeps it.
        if (fcntl(fd, F_OFD_SETLK, &whole) == 0) return true;
        if (errno == EINVAL && fcntl(fd, F_SETLK, &whole) == 0) return true;
#else
        if (fcntl(fd, F_SETLK, &whole) == 0) return true;
#endif
        // A file system without locks: single writes of whole rows still keep every row.
        if (errno == ENOLCK || errno == EOPNOTSUPP) return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) return fail(why, lastError());
        std::this_thread::sleep_for(LOCK_PAUSE);
    }
    return fail(why, "another program holds the file locked");
}

bool appendToTextFile(const std::string& fileName, const std::string& rows, const std::string& header,
                      std::string& why, const std::function<void(const AppendPlace&)>& beforeWrite) {
    std::string target;
    if (!followLinks(fileName, target, why)) return false;
    struct stat info {};
    if (lstat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return fail(why, "not a regular file");
    // Read too, to see the last byte; a file the user may only write is taken as ending its line.
    const int flags = O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    OpenFile file(open(target.c_str(), O_RDWR | flags, 0666));
    if (!file.isOpen() && errno == EACCES) file.reset(open(target.c_str(), O_WRONLY | flags, 0666));
    if (!file.isOpen()) return fail(why, lastError());
    return appendToOpenFile(file.fd(), rows, header, why, beforeWrite) && (file.closeNow() || fail(why, lastError()));
}

bool appendToOpenFile(int fd, const std::string& rows, const std::string& header, std::string& why,
                      const std::function<void(const AppendPlace&)>& beforeWrite) {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return fail(why, "not a regular file");
    if (!lockFile(fd, why)) return false;
    if (fstat(fd, &info) != 0) return fail(why, lastError());
    char last = '\n';
    if (info.st_size > 0 && pread(fd, &last, 1, info.st_size - 1) != 1) last = '\n';
    const std::string bytes = (info.st_size == 0 ? header : last == '\n' ? "" : "\n") + rows;
    if (!underSizeLimit(static_cast<std::size_t>(info.st_size) + bytes.size(), why)) return false;
    if (beforeWrite) beforeWrite({info.st_dev, info.st_ino, static_cast<long long>(info.st_size), bytes.size()});
    if (!writeAll(fd, bytes)) {
        why = lastError();
        // A part of a row is taken back (not possible in an append-only file, where it stays).
        if (ftruncate(fd, info.st_size) != 0) why += "; a part of a row is left at its end";
        return false;
    }
    return true;
}

bool appendLanded(const std::string& fileName, const AppendPlace& place, const std::string& tail) {
    OpenFile file(open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    const long long end = place.offset + static_cast<long long>(place.size);
    if (!file.isOpen() || fstat(file.fd(), &info) != 0 || info.st_dev != place.device || info.st_ino != place.inode ||
        info.st_size < end || tail.size() > place.size)
        return false;
    std::string there(tail.size(), '\0');
    const off_t from = static_cast<off_t>(end - static_cast<long long>(tail.size()));
    return pread(file.fd(), &there[0], there.size(), from) == static_cast<ssize_t>(there.size()) && there == tail;
}

bool saveMergedTextFile(const std::string& fileName, const std::function<std::string(const std::string&)>& change,
                        std::string& why, std::size_t limit) {
    // A folder that takes no new file (the file itself may still be written) is saved in without the lock.
    OpenFile lock(open((fileName + LOCK_SUFFIX).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (lock.isOpen() && !lockFile(lock.fd(), why)) return false;
    std::string now;
    bool missing = false;
    if (!readFollowingLinks(fileName, now, why, limit, missing)) {
        if (!missing) return false;
        now.clear();
    }
    return saveTextFileIfChanged(fileName, change(now), why);
}

bool readTextFile(const std::string& fileName, std::string& text, std::string& why, std::size_t limit) {
    bool missing = false;
    return readFollowingLinks(fileName, text, why, limit, missing);
}

void finishInterruptedSaves(const std::vector<std::string>& fileNames, std::ostream& report) {
    std::set<std::string> folders;
    for (const std::string& name : fileNames) {
        folders.insert(folderOf(name));
        std::string target, ignored;
        if (followLinks(name, target, ignored)) folders.insert(folderOf(target));
    }
    for (const std::string& base : stateBases())
        if (usableStateFolder(base + "/calcora")) folders.insert(base + "/calcora");
    for (const std::string& folder : folders) sweepFolder(folder, report);
}

Descriptor::~Descriptor() {
    if (m_fd >= 0) close(m_fd);
}

bool writeWhole(int fd, const std::string& text) { return writeAll(fd, text); }

bool readWhole(int fd, std::string& text, std::string& why, std::size_t limit) {
    return readOpenFile(fd, text, limit, why);
}

void keepRunningWhenWritesFail() {
    signal(SIGPIPE, SIG_IGN);
    signal(SIGXFSZ, SIG_IGN);
}
