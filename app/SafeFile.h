// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and reading the program's text files (results.txt, working.txt and
// the like) so that nothing is lost: not to a full disk, a file-size limit or
// a kill half-way, not to a link or FIFO someone planted, and nothing left
// behind. The file keeps what makes it the user's file.
#include <cstddef>
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
// Returns whether the text was saved; otherwise `why` says what went wrong.
bool saveTextFile(const std::string& fileName, const std::string& text, std::string& why);

// As saveTextFile, but leaves a file that holds `text` already untouched.
bool saveTextFileIfChanged(const std::string& fileName, const std::string& text, std::string& why);

// Adds `text` at the end of the file through saveTextFile; a missing or
// empty file starts with `header` (a CSV file's first row, say).
bool appendToTextFile(const std::string& fileName, const std::string& text, const std::string& header,
                      std::string& why);

// Reads the whole file, following links as saveTextFile does. Only a regular
// file of at most `limit` bytes is read: no FIFO, device or folder is opened.
bool readTextFile(const std::string& fileName, std::string& text, std::string& why,
                  std::size_t limit = 64 << 20);

// Finishes or removes what saves of these files left when their program was
// killed (beside each file, and in the user's state folder); one line on
// `report` for each. Call at start-up, before the first save.
void finishInterruptedSaves(const std::vector<std::string>& fileNames, std::ostream& report);

// A write to a closed pipe (SIGPIPE) or past the file-size limit (SIGXFSZ)
// fails with an error from then on instead of ending the program.
void keepRunningWhenWritesFail();
