// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class folder's files as the system keeps them. A pupil's file is
// theirs because their account owns it: the program appends only to a class
// file its own account owns, creating it if absent (exclusively, never
// through a link, readable by the folder's group alone); a link in the
// folder is followed only when the folder's owner made it, by the writer and
// the report alike. Some shares show every file with one owner (a CIFS mount
// with uid=, a FAT or exFAT stick): there ownership tells no one apart.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

#include "SafeFile.h"

// What the report reads of one class file; the writer keeps within it.
constexpr std::size_t LARGEST_CLASS_FILE = 64 << 20;
// A new class file: its owner writes it, the teacher's group reads it.
constexpr mode_t CLASS_FILE_MODE = 0640;

// The account's login, else its number.
std::string loginOf(uid_t uid);

// Why the share holding `folder` shows every file with one owner ("" when it
// keeps owners): its file system (CIFS/SMB, FAT, exFAT), or its class files,
// two at least, all owned by the folder's owner.
std::string oneOwnerShare(const std::string& folder);

// The file `path` in the class folder stands for: links followed only when
// the folder's owner made them. False, with `why`, for another's link.
bool classFolderTarget(const std::string& path, std::string& resolved, std::string& why);

// `why` begins with this when the class file is another account's.
extern const char* const FOREIGN_CLASS_FILE;
// Appends rows to the account's own class file `path` (see appendToTextFile),
// creating it with CLASS_FILE_MODE when it is absent. Another account's file
// is never written: false, and `why` is FOREIGN_CLASS_FILE and the owner's
// login, unless the share shows one owner for every file (`oneOwner` then
// hears why, and the rows go in as before).
bool appendToClassFile(const std::string& path, const std::string& rows, const std::string& header, std::string& why,
                       const std::function<void(const AppendPlace&)>& beforeWrite,
                       const std::function<void(const std::string&)>& oneOwner);

// A file of the class folder, read with whose it is.
struct ClassFolderFile {
    std::string text;
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
};
enum class ClassRead { read, missing, not_allowed, failed, too_large };
// Reads a regular file of at most `limit` bytes (links as classFolderTarget
// allows); otherwise `why` says what is wrong.
ClassRead readClassFolderFile(const std::string& path, std::size_t limit, ClassFolderFile& file, std::string& why);

// Whether `uid` is the folder's owner, root or a member of the folder's group
// (the teachers, as --class-setup sets it).
bool teacherOf(const std::string& folder, uid_t uid);

// Why a file of the class folder is not the teacher's ("" when it is): its
// owner is no teacher (teacherOf), or a pupil may write it (every account,
// or a group other than the folder's).
std::string notTheTeachers(const std::string& folder, const ClassFolderFile& file);

// calcora --class-setup FOLDER GROUP: makes FOLDER, or sets an existing one,
// as the teacher's drop box (the running account's, group GROUP, mode
// CLASS_FOLDER_MODE), and says on `out` what it set and what it found wrong
// among the files there, which it leaves as they are. 0 when the folder is
// set; 1, with one line on `err`, when it cannot be.
constexpr mode_t CLASS_FOLDER_MODE = 03733;
int classSetup(const std::string& folder, const std::string& group, std::ostream& out, std::ostream& err);
