#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

namespace {

const int MAX_LINK_HOPS = 40;  // as the kernel allows before ELOOP
const int NAME_TRIES = 100;

// An open file descriptor, closed when it goes.
class OpenFile {
public:
    explicit OpenFile(int fd = -1) : m_fd(fd) {}
    ~OpenFile() { closeNow(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
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

// The file a chain of symbolic links ends at; it need not exist yet. A
// relative link is read from the folder the link is in.
bool followLinks(std::string path, std::string& resolved, std::string& why) {
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = path;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0) return fail(why, lastError());
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

// Truncate and write the open file itself, so every name of it shows the text.
bool rewriteInPlace(int fd, const std::string& text, std::string& why) {
    if (ftruncate(fd, 0) != 0 || !writeAll(fd, text) || fsync(fd) != 0) return fail(why, lastError());
    return true;
}

// A new file beside `target` under a name not in use. O_EXCL never opens an
// existing name, a planted link or FIFO included; the clock varies the name
// so a planted file cannot block every try.
int createBeside(const std::string& target, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < NAME_TRIES; ++attempt) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        name = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(now.tv_nsec) + "-" +
               std::to_string(attempt);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// A file with other names, or someone else's file that only root could give
// away again, is rewritten in place: a new file would not be the same file.
bool mustRewriteInPlace(const struct stat& old) {
    return old.st_nlink > 1 || (geteuid() != 0 && old.st_uid != geteuid());
}

// Gives the new file the old one's owner, group (where the user may: EPERM
// for a group he is not in) and permissions; chown first, as it drops set-id bits.
bool takeOverIdentity(int fd, const struct stat& old) {
    return (fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM) && fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself last: the folder's entry is flushed too.
void syncFolder(const std::string& folder) {
    OpenFile dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen()) fsync(dir.fd());
}

}  // namespace

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
        if (mustRewriteInPlace(old)) return rewriteInPlace(existing.fd(), text, why);
    }

    std::string temporary;
    OpenFile fresh(createBeside(target, exists ? 0600 : 0666, temporary));
    if (!fresh.isOpen()) {
        // A folder closed to the user around a file open to him: as a plain write would.
        if (exists && errno == EACCES) return rewriteInPlace(existing.fd(), text, why);
        return fail(why, lastError());
    }
    const bool saved = (!exists || takeOverIdentity(fresh.fd(), old)) && writeAll(fresh.fd(), text) &&
                       fsync(fresh.fd()) == 0 && fresh.closeNow() && rename(temporary.c_str(), target.c_str()) == 0;
    if (!saved) {
        why = lastError();
        unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}
