// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and reading the program's text files (results.txt, working.txt and
// the like) so that nothing is lost: not to a full disk, a file-size limit or
// a kill half-way, not to a link or FIFO someone planted, and nothing left
// behind. The file keeps what makes it the user's file.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Replaces the contents of `fileName` with `text`; afterwards the file holds
// either its old text or the whole new one, whatever happens on the way.
//  - The new text goes to a fresh, short-named file beside the target
//    (created exclusively, so never through a planted link or FIFO), is
//    flushed to disk and renamed over the target; a kill before the rename
//    leaves the old text, and the remains are removed at the next start.
//  - The target keeps its identity: a symbolic link is followed and stays a
//    link (in a shared sticky folder only a link of the user or the folder's
//    owner is followed), permissions, owner and extended attributes are kept,
//    and a file the user may not write is not written.
//  - A file that must stay the same file (other hard links, another owner's
//    file, a folder the user may not write) is rewritten in place, but only
//    after its new size is known to fit (file-size limit, disk space) and
//    its new text is kept beside it, or in the user's state folder, until
//    the rewrite is done: the next start finishes a rewrite a kill broke off.
//    Where neither that folder nor the file's can keep it, the rewrite is
//    refused and `why` begins with REFUSED_REWRITE.
// Returns whether the text was saved; otherwise `why` says what went wrong.
extern const char* const REFUSED_REWRITE;
bool saveTextFile(const std::string& fileName, const std::string& text, std::string& why);

// As saveTextFile, but leaves a file that holds `text` already untouched.
bool saveTextFileIfChanged(const std::string& fileName, const std::string& text, std::string& why);

// Where an append put its bytes: the file, the offset of the first byte and
// how many were written (a header or a missing line end included).
struct AppendPlace {
    dev_t device;
    ino_t inode;
    long long offset;
    std::size_t size;
};

// Appends whole `rows` at the end of the file in one write (O_APPEND), never
// rewriting what is there: an append-only file takes them too. A missing or
// empty file starts with `header`, a last line without its line end gets one
// first. Two programs appending at once keep every row: each holds an
// advisory lock while it writes. A failed write takes back what part of it
// landed. `beforeWrite`, when given, hears where the bytes will go, under the lock.
bool appendToTextFile(const std::string& fileName, const std::string& rows, const std::string& header,
                      std::string& why, const std::function<void(const AppendPlace&)>& beforeWrite = nullptr);

// As appendToTextFile, into a file already open for appending (and reading,
// to see its last byte); it stays open.
bool appendToOpenFile(int fd, const std::string& rows, const std::string& header, std::string& why,
                      const std::function<void(const AppendPlace&)>& beforeWrite = nullptr);

// Whether the file is still the one an append went to and its bytes there end with `tail`.
bool appendLanded(const std::string& fileName, const AppendPlace& place, const std::string& tail);

// An advisory write lock on the whole open file (fcntl, which network file
// servers honour), given up when the file is closed; waits at most half a
// second for another program's. A file system without locks is no failure.
bool lockFile(int fd, std::string& why);

// Saves the text `change` makes of the file's present text ("" when it is
// missing), read again under the lock of a file beside it (`fileName`.lock),
// so that two programs saving at once each keep the other's changes.
bool saveMergedTextFile(const std::string& fileName, const std::function<std::string(const std::string&)>& change,
                        std::string& why, std::size_t limit = 1 << 20);

// Reads the whole file, following links as saveTextFile does. Only a regular
// file of at most `limit` bytes is read: no FIFO, device or folder is opened.
bool readTextFile(const std::string& fileName, std::string& text, std::string& why,
                  std::size_t limit = 64 << 20);

// Finishes or removes what saves of these files left when their program was
// killed (beside each file, and in the user's state folder); one line on
// `report` for each. Call at start-up, before the first save.
void finishInterruptedSaves(const std::vector<std::string>& fileNames, std::ostream& report);

// An open file descriptor (-1: none), closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Writes all of `text` to the open file, through interruptions and short writes.
bool writeWhole(int fd, const std::string& text);
// Reads the open regular file from where it stands to its end (at most `limit` bytes).
bool readWhole(int fd, std::string& text, std::string& why, std::size_t limit);

// A write to a closed pipe (SIGPIPE) or past the file-size limit (SIGXFSZ)
// fails with an error from then on instead of ending the program.
void keepRunningWhenWritesFail();
