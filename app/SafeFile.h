#pragma once
// Saving a whole text file so that nothing planted beside it is followed and
// the file keeps what makes it the user's file.
#include <string>

// Replaces the contents of `fileName` with `text`. The text goes to a fresh
// file of a unique name beside the target (created exclusively, so never
// through a planted link or FIFO), is flushed to disk and renamed over the
// target; an interrupted save leaves the old contents. The target keeps its
// identity: a symbolic link is followed and stays a link, a file with other
// hard links is rewritten in place, the old permissions are kept, and a file
// the user may not write is not written. Returns whether the text was saved;
// otherwise `why` says what went wrong and no temporary file is left.
bool saveTextFile(const std::string& fileName, const std::string& text, std::string& why);
