// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const int MAX_LINK_HOPS = 40;
const char* const ASSIGNMENT = "assignment.txt";
// File systems that give every file the mount's owner: CIFS and SMB (old
// and new), FAT (vfat, msdos) and exFAT.
const std::uint32_t ONE_OWNER_FILE_SYSTEMS[] = {0xFF534D42, 0xFE534D42, 0x517B, 0x4d44, 0x2011BAB0};

bool fail(std::string& why, const std::string& what) {
    why = what;
    return false;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", unsigned(mode & 07777));
    return text;
}

// The names in a folder ("." and ".." left out), sorted; none when it cannot be listed.
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) return names;
    for (const dirent* entry; (entry = readdir(dir.get()));)
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) names.push_back(entry->d_name);
    std::sort(names.begin(), names.end());
    return names;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Opens the class file for appending and reading, or for appending alone
// when its owner may only write it; creates it when absent.
int openOrCreate(const std::string& target, bool& created) {
    const int flags = O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    created = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        int fd = open(target.c_str(), O_RDWR | flags);
        if (fd < 0 && errno == EACCES) fd = open(target.c_str(), O_WRONLY | flags);
        if (fd >= 0 || errno != ENOENT) return fd;
        // Exclusively: a file another account put there first is never taken over.
        fd = open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | flags, CLASS_FILE_MODE);
        if (fd >= 0) {
            created = true;
            fchmod(fd, CLASS_FILE_MODE);  // whatever the umask: the teacher's group must read it
            return fd;
        }
        if (errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

const char* const FOREIGN_CLASS_FILE = "the class file belongs to another account: ";

std::string loginOf(uid_t uid) {
    const passwd* user = getpwuid(uid);
    return user && user->pw_name ? user->pw_name : std::to_string(uid);
}

std::string oneOwnerShare(const std::string& folder) {
    struct statfs share {};
    if (statfs(folder.c_str(), &share) == 0)
        for (std::uint32_t type : ONE_OWNER_FILE_SYSTEMS)
            if (static_cast<std::uint32_t>(share.f_type) == type)
                return "its file system (a Windows share or a FAT or exFAT disk) shows every file with one owner";
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0) return "";
    int classFiles = 0;
    for (const std::string& name : namesIn(folder)) {
        struct stat file {};
        if (!endsWith(name, ".csv") || lstat((folder + "/" + name).c_str(), &file) != 0 || !S_ISREG(file.st_mode)) continue;
        if (file.st_uid != dir.st_uid) return "";
        ++classFiles;
    }
    if (classFiles < 2) return "";
    return "every class file in it shows the folder's owner, " + loginOf(dir.st_uid) + ", as its owner";
}

bool classFolderTarget(const std::string& path, std::string& resolved, std::string& why) {
    struct stat folder {};
    if (stat(folderOf(path).c_str(), &folder) != 0) return fail(why, std::strerror(errno));
    std::string at = path;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = at;
            return true;
        }
        if (info.st_uid != folder.st_uid)
            return fail(why, nameOf(at) + " is a link made by " + loginOf(info.st_uid) +
                                 ", not by the class folder's owner; it is not followed");
        char target[PATH_MAX];
        const ssize_t length = readlink(at.c_str(), target, sizeof target - 1);
        if (length <= 0) return fail(why, std::strerror(errno));
        const std::string next(target, static_cast<std::size_t>(length));
        at = next.front() == '/' ? next : folderOf(at) + "/" + next;
    }
    return fail(why, std::strerror(ELOOP));
}

bool appendToClassFile(const std::string& path, const std::string& rows, const std::string& header, std::string& why,
                       const std::function<void(const AppendPlace&)>& beforeWrite,
                       const std::function<void(const std::string&)>& oneOwner) {
    std::string target;
    if (!classFolderTarget(path, target, why)) return false;
    struct stat info {};
    if (lstat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return fail(why, "not a regular file");
    bool created = false;
    const Descriptor file(openOrCreate(target, created));
    if (file.fd() < 0 && errno != EACCES && errno != EPERM) return fail(why, std::strerror(errno));
    // Whose the file is, as opened (or, when it cannot be opened, as it stands).
    if (file.fd() >= 0 ? fstat(file.fd(), &info) != 0 : lstat(target.c_str(), &info) != 0)
        return fail(why, std::strerror(errno));
    if (info.st_uid != geteuid()) {
        const std::string share = oneOwnerShare(folderOf(target));
        if (share.empty()) return fail(why, FOREIGN_CLASS_FILE + loginOf(info.st_uid));
        if (oneOwner) oneOwner(share);
    }
    if (file.fd() < 0) return fail(why, std::strerror(EACCES));
    if (std::size_t(info.st_size) + header.size() + rows.size() > LARGEST_CLASS_FILE)
        return fail(why, "the class file holds " + std::to_string(LARGEST_CLASS_FILE >> 20) +
                             " MB already, as much as the report reads");
    return appendToOpenFile(file.fd(), rows, header, why, beforeWrite);
}

ClassRead readClassFolderFile(const std::string& path, std::size_t limit, ClassFolderFile& file, std::string& why) {
    std::string target;
    if (!classFolderTarget(path, target, why)) return ClassRead::failed;
    const Descriptor opened(open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (opened.fd() < 0) {
        why = std::strerror(errno);
        if (errno == ENOENT) return ClassRead::missing;
        if (errno == ELOOP) why = "it is a symbolic link";
        return errno == EACCES || errno == EPERM ? ClassRead::not_allowed : ClassRead::failed;
    }
    struct stat info {};
    if (fstat(opened.fd(), &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "it is not a regular file";
        return ClassRead::failed;
    }
    file.owner = info.st_uid;
    file.group = info.st_gid;
    file.mode = info.st_mode;
    if (std::size_t(info.st_size) > limit) {
        why = "it is larger than " + std::to_string(limit) + " bytes";
        return ClassRead::too_large;
    }
    if (!readWhole(opened.fd(), file.text, why, limit)) return ClassRead::failed;
    return ClassRead::read;
}

bool teacherOf(const std::string& folder, uid_t uid) {
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0) return false;
    if (uid == 0 || uid == dir.st_uid) return true;
    const passwd* user = getpwuid(uid);
    if (user && user->pw_gid == dir.st_gid) return true;
    const group* teachers = getgrgid(dir.st_gid);
    if (!user || !teachers || !teachers->gr_mem) return false;
    for (char** member = teachers->gr_mem; *member; ++member)
        if (std::strcmp(*member, user->pw_name) == 0) return true;
    return false;
}

std::string notTheTeachers(const std::string& folder, const ClassFolderFile& file) {
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0) return std::strerror(errno);
    if (!teacherOf(folder, file.owner)) return "it belongs to " + loginOf(file.owner) + ", not a teacher";
    const bool othersWrite = (file.mode & S_IWOTH) || ((file.mode & S_IWGRP) && file.group != dir.st_gid);
    if (othersWrite) return "pupils may change it (mode " + octal(file.mode) + ")";
    return "";
}

namespace {

// What is wrong with one entry of the drop box, "" for nothing.
std::string faultOf(const std::string& folder, const std::string& name, const struct stat& dir) {
    struct stat info {};
    const std::string path = folder + "/" + name;
    if (lstat(path.c_str(), &info) != 0) return "";
    if (S_ISLNK(info.st_mode))
        return info.st_uid == dir.st_uid ? "" : name + " is a link made by " + loginOf(info.st_uid) + ": it is not followed";
    if (!S_ISREG(info.st_mode)) return "";
    const std::string mode = " (mode " + octal(info.st_mode) + ")";
    if (info.st_mode & S_IWOTH) return name + " can be changed by every account" + mode;
    // Every pupil reads the assignment; no pupil reads another's answers.
    const bool assignment = name == ASSIGNMENT;
    if (assignment && !(info.st_mode & S_IROTH)) return name + " cannot be read by the pupils" + mode;
    if (!assignment && (info.st_mode & S_IROTH)) return name + " can be read by every account" + mode;
    if (info.st_gid != dir.st_gid && (info.st_mode & S_IRWXG)) {
        const group* other = getgrgid(info.st_gid);
        return name + " is open to the group " + (other ? other->gr_name : std::to_string(info.st_gid)) +
               ", not the folder's" + mode;
    }
    if (assignment) {
        const std::string notTeachers = notTheTeachers(folder, {"", info.st_uid, info.st_gid, info.st_mode});
        return notTeachers.empty() ? "" : name + " is passed over: " + notTeachers;
    }
    if (endsWith(name, ".csv") && name.substr(0, name.size() - 4) != loginOf(info.st_uid))
        return name + " belongs to " + loginOf(info.st_uid) + ", not to the login it is named for";
    return "";
}

// The folders above: pupils must be able to pass through each.
void checkReach(const std::string& folder, std::ostream& out) {
    for (std::string above = folderOf(folder); !above.empty(); above = above == "/" ? "" : folderOf(above)) {
        struct stat info {};
        if (stat(above.c_str(), &info) == 0 && !(info.st_mode & S_IXOTH))
            out << "found: pupils cannot reach the folder: " << above << " is closed to them (mode " << octal(info.st_mode)
                << ")\n";
        if (above == ".") break;
    }
}

// An empty assignment.txt of the teacher's from the start: in a sticky
// folder no pupil can then put one of their own in its place.
void holdAssignmentsPlace(const std::string& folder, std::ostream& out) {
    const std::string path = folder + "/" + ASSIGNMENT;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return;
    fchmod(fd, 0644);
    close(fd);
    out << "made an empty " << ASSIGNMENT << ", so that no pupil can put one in its place\n";
}

}  // namespace

int classSetup(const std::string& folder, const std::string& groupName, std::ostream& out, std::ostream& err) {
    const group* teachers = getgrnam(groupName.c_str());
    if (!teachers) {
        err << "calcora: there is no group " << groupName << "\n";
        return 1;
    }
    const gid_t gid = teachers->gr_gid;
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) {
        if (errno != ENOENT || mkdir(folder.c_str(), 0700) != 0 || lstat(folder.c_str(), &info) != 0) {
            err << "calcora: cannot make " << folder << ": " << std::strerror(errno) << "\n";
            return 1;
        }
        out << "made " << folder << "\n";
    } else if (!S_ISDIR(info.st_mode)) {
        err << "calcora: " << folder << " is not a folder; it is left as it is\n";
        return 1;
    }
    if (info.st_uid != geteuid())
        out << "found: the folder belongs to " << loginOf(info.st_uid) << " (kept: its owner is the teacher)\n";
    // The group first: changing it may clear the set-group bit.
    if (info.st_gid != gid) {
        const group* was = getgrgid(info.st_gid);
        if (chown(folder.c_str(), uid_t(-1), gid) != 0) {
            err << "calcora: cannot give " << folder << " the group " << groupName << ": " << std::strerror(errno) << "\n";
            return 1;
        }
        out << "set the group to " << groupName << " (was " << (was ? was->gr_name : std::to_string(info.st_gid)) << ")\n";
    }
    if ((info.st_mode & 07777) != CLASS_FOLDER_MODE || info.st_gid != gid) {
        if (chmod(folder.c_str(), CLASS_FOLDER_MODE) != 0) {
            err << "calcora: cannot set the mode of " << folder << ": " << std::strerror(errno) << "\n";
            return 1;
        }
        if ((info.st_mode & 07777) != CLASS_FOLDER_MODE)
            out << "set the mode to " << octal(CLASS_FOLDER_MODE) << " (was " << octal(info.st_mode)
                << ((info.st_mode & S_IROTH) ? ": every account could list the folder" : "") << ")\n";
    }
    stat(folder.c_str(), &info);
    holdAssignmentsPlace(folder, out);
    int faults = 0;
    for (const std::string& name : namesIn(folder)) {
        const std::string fault = faultOf(folder, name, info);
        if (!fault.empty()) out << "found: " << fault << " (left as it is)\n";
        faults += !fault.empty();
    }
    checkReach(folder, out);
    if (const std::string share = oneOwnerShare(folder); !share.empty())
        out << "found: " << share << ": the files cannot be told apart by their owner\n";
    if (faults == 0) out << "found no file another pupil can read or change\n";
    out << folder << ": owner " << loginOf(info.st_uid) << ", group " << groupName << ", mode " << octal(info.st_mode)
        << "\n";
    return 0;
}
