// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that hold whatever happens around them: a full disk, a kill at any
// moment, a file-size limit, a closed stderr, a link planted in a shared
// folder, the remains of a killed save. Each case runs on a small tmpfs of
// its own (mounted in a private mount namespace) and saves as root and as
// another user, in child processes that can be killed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/OutputToTextFile.h"
#include "app/RowQueue.h"
#include "app/SafeFile.h"
#include "app/UserFile.h"
#include "practice/Practice.h"

namespace fs = std::filesystem;

namespace {

// A child saving with `bytesBeforeKill` set is killed once its writes reach
// that many bytes, in the middle of a write or right after one.
long long bytesBeforeKill = -1;  // never
long long bytesWritten = 0;

}  // namespace

// Every write of this program's own code passes through here (the C library
// calls its own): a kill can land at any byte of a save.
extern "C" ssize_t write(int fd, const void* data, size_t size) {
    const bool last = bytesBeforeKill >= 0 && bytesWritten + static_cast<long long>(size) >= bytesBeforeKill;
    if (last) size = static_cast<size_t>(bytesBeforeKill - bytesWritten);
    const ssize_t written = syscall(SYS_write, fd, data, size);
    if (written > 0) bytesWritten += written;
    if (last) raise(SIGKILL);
    return written;
}

namespace {

const uid_t ROOT = 0;
const uid_t NOBODY = 65534;
const uid_t STRANGER = 65533;  // a third user: the owner of planted files
const std::size_t DISK_SIZE = 2 << 20;

std::string contentsOf(const std::string& path) {
    std::ostringstream contents;
    contents << std::ifstream(path, std::ios::binary).rdbuf();
    return contents.str();
}

void writeFile(const std::string& path, const std::string& text, uid_t owner, mode_t mode) {
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

void makeFolder(const std::string& path, uid_t owner, mode_t mode) {
    ASSERT_EQ(mkdir(path.c_str(), mode), 0);
    ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

std::set<std::string> entriesOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// A listing as long as the primes up to a million (617 kB), distinct per seed.
std::string listing(char seed, std::size_t size = 617'000) {
    std::string text;
    for (unsigned n = 2; text.size() < size; ++n) text += std::to_string(n * 7 + seed) + ", ";
    text.resize(size);
    return text;
}

// Each user's state folder, on the test's disk (the working folder).
std::string stateFolder(uid_t user) { return (fs::current_path() / ("state-" + std::to_string(user))).string(); }

// Forks `body` as `user`, with the user's state folder; its exit status is the result.
pid_t startAs(uid_t user, const std::function<int()>& body) {
    const std::string state = stateFolder(user);
    std::fflush(nullptr);  // else a child that writes to stderr flushes the parent's output again
    const pid_t child = fork();
    if (child != 0) return child;
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    if (user != geteuid() && (setgroups(0, nullptr) != 0 || setresgid(user, user, user) != 0 ||
                              setresuid(user, user, user) != 0))
        _exit(99);
    _exit(body());
}

// The child's exit status, or minus the signal that ended it.
int statusOf(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// 0 when saved, 1 when not.
int save(const std::string& file, const std::string& text) {
    std::string why;
    return saveTextFile(file, text, why) ? 0 : 1;
}

// The report of the next start's sweep, run as `user`.
std::string nextStart(uid_t user, const std::string& file) {
    int ends[2];
    if (pipe(ends) != 0) return "no pipe";
    const pid_t child = startAs(user, [&] {
        std::ostringstream report;
        finishInterruptedSaves({file}, report);
        const std::string text = report.str();
        return write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1;
    });
    close(ends[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
    close(ends[0]);
    statusOf(child);
    return report;
}

// A file the save must rewrite in place, and who saves it.
struct InPlace {
    const char* why;
    uid_t saver;
    const char* folder;
    uid_t folderOwner;
    uid_t fileOwner;
    mode_t fileMode;
    bool hardLink;
};

const InPlace IN_PLACE[] = {
    {"a second hard link, saved by root", ROOT, "linked-root", ROOT, ROOT, 0644, true},
    {"a second hard link, saved by a user", NOBODY, "linked", NOBODY, NOBODY, 0644, true},
    {"a folder the user may not write", NOBODY, "closed", ROOT, NOBODY, 0644, false},
    {"another owner's file open to all", NOBODY, "shared", NOBODY, STRANGER, 0666, false},
};

// Each test on a tmpfs of its own, mounted in a private mount namespace and
// made the working folder; every user has a state folder on it.
class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "saving as other users and mounting a small disk need root";
        fs::create_directory("disk");
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("calcora-test", "disk", "tmpfs", 0, ("size=" + std::to_string(DISK_SIZE)).c_str()) != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                         << "): the full-disk and kill cases need a small disk of their own";
        mounted = true;
        fs::current_path("disk");
        for (uid_t user : {STRANGER, NOBODY, ROOT})
            if (chown(".", user, user) != 0) GTEST_SKIP() << "files cannot be given to other users here";
        for (uid_t user : {ROOT, NOBODY}) makeFolder(stateFolder(user), user, 0700);
    }
    void TearDown() override {
        if (!mounted) return;
        fs::current_path(folder.path());
        umount2("disk", MNT_DETACH);
    }

    // Lays out `c` with `text` in it; returns the file's name.
    std::string layOut(const InPlace& c, const std::string& text) {
        makeFolder(c.folder, c.folderOwner, 0755);
        const std::string file = std::string(c.folder) + "/results.txt";
        writeFile(file, text, c.fileOwner, c.fileMode);
        if (c.hardLink) {
            EXPECT_EQ(link(file.c_str(), (std::string(c.folder) + "/second name").c_str()), 0);
        }
        return file;
    }
    // Nothing but the file (and its second name) in its folder, no record in any state folder.
    void expectNoLeftovers(const InPlace& c) {
        const std::set<std::string> expected =
            c.hardLink ? std::set<std::string>{"results.txt", "second name"} : std::set<std::string>{"results.txt"};
        EXPECT_EQ(entriesOf(c.folder), expected) << c.why;
        for (uid_t user : {ROOT, NOBODY}) {
            const std::string records = stateFolder(user) + "/calcora";
            EXPECT_TRUE(!fs::exists(records) || entriesOf(records).empty()) << c.why;
        }
    }
    int saveAs(uid_t user, const std::string& file, const std::string& text) {
        return statusOf(startAs(user, [&] { return save(file, text); }));
    }
    // Fills the disk to leave `room` bytes free.
    void leaveRoom(std::size_t room) {
        struct statvfs disk {};
        ASSERT_EQ(statvfs(".", &disk), 0);
        const std::size_t free = disk.f_bfree * disk.f_frsize;
        ASSERT_GT(free, room);
        std::ofstream("filler", std::ios::binary) << std::string(free - room, 'x');
    }

    testsupport::TemporaryFolder folder{"safe-save"};
    bool mounted = false;
};

}  // namespace

// Full: not even the new text's record fits, or the record fits and the text
// does not. Either way the save fails and changes nothing; with room, it saves.
TEST_F(SafeSave, InPlaceRewritesFailWholeOnAFullDisk) {
    const std::string old = "Number of prime numbers: 4;     2, 3, 5, 7, \n", primes = listing('p');
    for (const InPlace& c : IN_PLACE) {
        const std::string file = layOut(c, old);
        struct stat before {};
        ASSERT_EQ(stat(file.c_str(), &before), 0);
        for (std::size_t room : {primes.size() / 2, primes.size() + primes.size() / 4}) {
            leaveRoom(room);
            EXPECT_EQ(saveAs(c.saver, file, primes), 1) << c.why << ", " << room << " bytes free";
            EXPECT_EQ(contentsOf(file), old) << c.why << ", " << room << " bytes free";
            fs::remove("filler");
            expectNoLeftovers(c);
        }
        EXPECT_EQ(saveAs(c.saver, file, primes), 0) << c.why;
        struct stat after {};
        ASSERT_EQ(stat(file.c_str(), &after), 0);
        EXPECT_EQ(contentsOf(file), primes) << c.why;
        EXPECT_EQ(after.st_ino, before.st_ino) << c.why;
        EXPECT_EQ(after.st_uid, before.st_uid) << c.why;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.why;
        if (c.hardLink) {
            EXPECT_EQ(contentsOf(std::string(c.folder) + "/second name"), primes) << c.why;
        }
        fs::remove_all(c.folder);
    }
}

// Saves killed at random byte counts, in place and by replacing the file:
// the next start finishes or undoes each, leaving the old text or the whole
// new one and nothing else.
TEST_F(SafeSave, SavesKilledAtAnyByteLeaveTheOldTextOrTheNew) {
    std::vector<InPlace> cases(std::begin(IN_PLACE), std::end(IN_PLACE));
    cases.push_back({"a plain file, replaced", NOBODY, "plain", NOBODY, NOBODY, 0644, false});
    const std::string texts[] = {listing('a'), listing('b', 300'000)};
    std::mt19937 random(20240519);
    int kept = 0, finished = 0, done = 0;
    for (const InPlace& c : cases) {
        const std::string file = layOut(c, texts[1]);
        for (int kill = 0; kill < 14; ++kill) {
            const std::string old = contentsOf(file);
            const std::string& fresh = old == texts[0] ? texts[1] : texts[0];
            // Up to every byte the save writes: its record and its text (a little more than twice the text).
            const long long killAt = std::uniform_int_distribution<long long>(0, 2 * fresh.size() + 300)(random);
            const int status = statusOf(startAs(c.saver, [&] {
                bytesWritten = 0;
                bytesBeforeKill = killAt;
                return save(file, fresh);
            }));
            const std::string report = nextStart(c.saver, file);
            const std::string now = contentsOf(file);
            ASSERT_TRUE(now == old || now == fresh) << c.why << ", killed at byte " << killAt << ": " << now.size();
            (now == old ? kept : status == 0 ? done : finished)++;
            if (status == -SIGKILL && now == fresh) {
                EXPECT_NE(report.find("finished"), std::string::npos) << c.why << ", killed at byte " << killAt;
            }
            expectNoLeftovers(c);
        }
        fs::remove_all(c.folder);
    }
    std::cout << kept + finished + done << " saves killed at a random byte: " << kept << " left the old text, "
              << finished << " were finished by the next start, " << done << " had written all before\n";
}

// In a folder others may write, sticky or not, a link is followed only when
// it is the saving user's or the folder owner's; elsewhere every link is followed.
TEST_F(SafeSave, ALinkInASharedFolderIsFollowedOnlyForItsOwnerOrTheFolders) {
    struct Case {
        mode_t folderMode;
        uid_t linkOwner, saver;
        bool followed;
    };
    const Case cases[] = {
        {01777, STRANGER, ROOT, false}, {01777, STRANGER, NOBODY, false}, {01777, ROOT, NOBODY, true},
        {01777, NOBODY, NOBODY, true},  {01777, ROOT, ROOT, true},        {0777, STRANGER, ROOT, false},
        {0777, NOBODY, NOBODY, true},   {0775, STRANGER, NOBODY, false},  {0755, STRANGER, ROOT, true},
    };
    writeFile("victim", "before\n", ROOT, 0666);
    for (const Case& c : cases) {
        makeFolder("tmp", ROOT, c.folderMode);
        ASSERT_EQ(symlink("../victim", "tmp/results.txt"), 0);
        ASSERT_EQ(lchown("tmp/results.txt", c.linkOwner, c.linkOwner), 0);
        const int status = statusOf(startAs(c.saver, [] {
            std::string why;
            if (saveTextFile("tmp/results.txt", "primes\n", why)) return 0;
            if (why.find("link of another user") == std::string::npos) return 1;
            return appendToTextFile("tmp/results.txt", "row\n", "", why) ? 3 : 2;  // appends follow the same rule
        }));
        const std::string label = "link of " + std::to_string(c.linkOwner) + " saved by " + std::to_string(c.saver);
        EXPECT_EQ(status, c.followed ? 0 : 2) << label;
        EXPECT_EQ(contentsOf("victim"), c.followed ? "primes\n" : "before\n") << label;
        EXPECT_TRUE(fs::is_symlink("tmp/results.txt")) << label;
        writeFile("victim", "before\n", ROOT, 0666);
        fs::remove_all("tmp");
    }
}

// The next start removes what killed saves left, says so once for each, and
// leaves alone what is not theirs: a live process's, another user's record,
// files of other names.
TEST_F(SafeSave, TheNextStartRemovesOnlyTheRemainsOfKilledSaves) {
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    statusOf(gone);
    const std::string dead = ".calcora-" + std::to_string(gone);
    writeFile(dead + "-aaaaaa.new", listing('a', 1000), ROOT, 0600);
    writeFile(dead + "-bbbbbb.redo", "calcora-rewrite 1 2", ROOT, 0600);  // cut short
    writeFile(dead + "-cccccc.redo", "calcora-rewrite 1 2", STRANGER, 0600);
    writeFile(".calcora-1-dddddd.new", "a live process's", ROOT, 0600);
    writeFile("notes.new", "the user's", ROOT, 0600);
    const std::set<std::string> left = {dead + "-cccccc.redo", ".calcora-1-dddddd.new", "notes.new", "state-0",
                                        "state-65534"};
    std::ostringstream report;
    finishInterruptedSaves({"results.txt"}, report);
    EXPECT_EQ(entriesOf("."), left);
    const std::string lines = report.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
    EXPECT_NE(lines.find(dead + "-aaaaaa.new"), std::string::npos) << lines;
}

// A file-size limit or a standard error nobody reads any more fails the save,
// plainly or in place, and the program goes on.
TEST_F(SafeSave, AFileSizeLimitOrAClosedStderrFailsTheSaveNotTheProgram) {
    const InPlace plain{"a plain file", ROOT, "plain", ROOT, ROOT, 0644, false};
    for (const InPlace& c : {plain, IN_PLACE[1]}) {
        const std::string file = layOut(c, "old\n");
        const int status = statusOf(startAs(c.saver, [&] {
            keepRunningWhenWritesFail();
            const rlimit limit{100'000, 100'000};
            setrlimit(RLIMIT_FSIZE, &limit);
            return save(file, listing('p'));
        }));
        EXPECT_EQ(status, 1) << c.why;
        EXPECT_EQ(contentsOf(file), "old\n") << c.why;
        expectNoLeftovers(c);
    }
    mkdir("results.txt", 0755);  // the save fails and says so on stderr
    const int status = statusOf(startAs(ROOT, [] {
        int ends[2];
        if (pipe(ends) != 0 || dup2(ends[1], 2) < 0) return 3;
        close(ends[0]);
        keepRunningWhenWritesFail();
        CPU cpu;
        cpu.setSolution("primes");
        return OutputToTextFile().save_to_text_file(&cpu) ? 1 : 0;
    }));
    EXPECT_EQ(status, 0);
}

namespace {

const std::string HEADER = "time,exercise,answer\n";

// The row a pupil's answer `n` makes.
std::string row(int n) { return "2026-12-09 00:09:2" + std::to_string(n % 10) + ",gcd," + std::to_string(n) + "\n"; }

}  // namespace

// A full disk, then room again: the rows that could not be written wait
// (in the pending file, or in memory where it cannot be written either) and
// land first, each once, in order; a last line without its line end gets one.
TEST_F(SafeSave, RowsThatCannotBeAppendedWaitAndLandOnceInOrder) {
    const std::string pendingElsewhere = (folder.path() / "pending").string();
    // A page of the disk, full to its end: any more needs another.
    std::string last = "2026-12-09 00:09:19,gcd,correct,0";
    last.insert(0, 4096 - HEADER.size() - last.size(), ' ');
    for (const std::string& pending : {pendingElsewhere, std::string("pending-on-the-full-disk")}) {
        writeFile("practice.csv", HEADER + last, ROOT, 0644);
        leaveRoom(0);
        RowQueue queue("practice.csv", HEADER, pending);
        std::string why;
        EXPECT_FALSE(queue.append(row(1), why)) << pending;
        EXPECT_NE(why.find("No space left"), std::string::npos) << why;
        EXPECT_FALSE(queue.append(row(2), why));
        EXPECT_TRUE(queue.waiting());
        fs::remove("filler");
        EXPECT_TRUE(queue.append(row(3), why)) << why;
        EXPECT_FALSE(queue.waiting());
        EXPECT_EQ(contentsOf("practice.csv"), HEADER + last + "\n" + row(1) + row(2) + row(3));
        EXPECT_TRUE(!fs::exists(pending) || fs::file_size(pending) == 0) << pending;
        fs::remove(pending);
    }
    // An append-only file (chattr +a) takes them too, where the disk knows such files.
    writeFile("append-only.csv", HEADER, ROOT, 0644);
    const int fd = open("append-only.csv", O_RDONLY);
    int flags = FS_APPEND_FL;
    if (ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0) {
        std::string why;
        EXPECT_TRUE(RowQueue("append-only.csv", HEADER, pendingElsewhere).append(row(4), why)) << why;
        EXPECT_EQ(contentsOf("append-only.csv"), HEADER + row(4));
        flags = 0;
        ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
}

namespace {

bool killInTruncate = false;

}  // namespace

// The moment between the rows' landing and the pending file's emptying.
extern "C" int ftruncate(int fd, off_t length) {
    if (killInTruncate && length == 0) raise(SIGKILL);
    return static_cast<int>(syscall(SYS_ftruncate, fd, length));
}

// A row waiting from an earlier run, a new one, and a kill at any byte on
// their way to the pending file, right after their append or before the
// pending file is emptied: the next start's retry leaves each row once, none
// cut short (a row a kill cut before it was kept is lost, as with no file).
TEST_F(SafeSave, AKilledAppendNeitherLosesNorRepeatsARow) {
    const std::string pending = stateFolder(ROOT) + "/pending", rows = row(1) + row(2);
    writeFile("practice.csv", HEADER, ROOT, 0644);
    struct stat log {};
    ASSERT_EQ(stat("practice.csv", &log), 0);
    // What reaches the pending file before practice.csv is written: the new row, then where the rows go.
    const long long guarded = static_cast<long long>(
        row(2).size() + ("#calcora-sent " + std::to_string(log.st_dev) + " " + std::to_string(log.st_ino) + " " +
                         std::to_string(HEADER.size()) + " " + std::to_string(rows.size()) + "\n")
                            .size());
    std::vector<long long> kills{-1, guarded + static_cast<long long>(rows.size())};  // -1: as it empties the pending file
    for (long long at = 0; at <= guarded; ++at) kills.push_back(at);
    for (long long kill : kills) {
        writeFile("practice.csv", HEADER, ROOT, 0644);
        writeFile(pending, row(1), ROOT, 0600);
        const int status = statusOf(startAs(ROOT, [&] {
            killInTruncate = kill < 0;
            bytesWritten = 0;
            bytesBeforeKill = kill;
            std::string why;
            return RowQueue("practice.csv", HEADER, pending).append(row(2), why) ? 0 : 1;
        }));
        ASSERT_EQ(status, -SIGKILL) << "killed at byte " << kill;
        std::string why;
        EXPECT_TRUE(RowQueue("practice.csv", HEADER, pending).retry(why)) << why;
        const std::string now = contentsOf("practice.csv");
        const bool keptNew = kill < 0 || kill >= static_cast<long long>(row(2).size());
        EXPECT_EQ(now, HEADER + (keptNew ? rows : row(1))) << "killed at byte " << kill;
    }
}

// A file that must be rewritten in place where no folder can keep its new
// text meanwhile (the state folder a file, no home): the rewrite is refused
// and the old file kept whole; a usable home behind a useless state folder takes it.
TEST_F(SafeSave, ARewriteWithNowhereToKeepItsTextIsRefused) {
    const InPlace& closed = IN_PLACE[2];
    const std::string file = layOut(closed, "old\n");
    writeFile("not-a-folder", "", NOBODY, 0644);
    const int refused = statusOf(startAs(NOBODY, [&] {
        setenv("XDG_STATE_HOME", "not-a-folder", 1);
        unsetenv("HOME");  // and the account's home, /nonexistent, is none
        std::string why;
        if (saveTextFile(file, "new\n", why)) return 0;
        return why.rfind(REFUSED_REWRITE, 0) == 0 ? 2 : 1;
    }));
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(contentsOf(file), "old\n");
    const int status = statusOf(startAs(NOBODY, [&] {
        setenv("XDG_STATE_HOME", (fs::current_path() / "not-a-folder").c_str(), 1);
        setenv("HOME", stateFolder(NOBODY).c_str(), 1);
        return save(file, "new\n");
    }));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contentsOf(file), "new\n");
    expectNoLeftovers(closed);
}

// Two programs at once in one folder, each appending rows and saving its
// own setting and progress: every row arrives, whole, and each keeps the
// other's changes.
TEST_F(SafeSave, TwoProgramsAtOnceKeepEachOthersWork) {
    const int ROWS = 15;
    const std::string settings = "settings", progress = "progress";
    writeFile(settings, "language=English\ngridlines=off\n", ROOT, 0644);
    writeFile(progress, "calcora practice progress 1\n", ROOT, 0644);
    const std::string changes[] = {"gcd 1 0 cc -", "remainder 2 1 ccccc -"};
    std::vector<pid_t> children;
    for (int who = 0; who < 2; ++who)
        children.push_back(startAs(ROOT, [&, who] {
            const auto keyed = [](const std::string& line) { return line.substr(0, line.find_first_of("= ")); };
            const std::string settingsBefore = "language=English\ngridlines=off\n";
            const std::string progressBefore = "calcora practice progress 1\n";
            const std::string ours[] = {"language=Polish\ngridlines=off\n", "language=English\ngridlines=on\n"};
            RowQueue queue("practice.csv", HEADER, pendingFileFor(stateFolder(ROOT), "practice.csv"));  // as both windows
            std::string why;
            bool sound = true;
            for (int n = 0; n < ROWS; ++n) {
                sound = queue.append(row(who * 100 + n), why) && sound;
                if (n != ROWS / 2) continue;
                const UserFile s = UserFile::at(settings), p = UserFile::at(progress);
                sound = s.saveChanges(settingsBefore, ours[who], keyed, [](const std::string&) { return true; }, why) && sound;
                sound = p.saveChanges(progressBefore, progressBefore + changes[who] + "\n",
                                      practice::Progress::lineKey, [](const std::string&) { return true; }, why) &&
                        sound;
            }
            return sound ? 0 : 1;
        }));
    for (pid_t child : children) EXPECT_EQ(statusOf(child), 0);
    const std::string log = contentsOf("practice.csv");
    EXPECT_EQ(log.rfind(HEADER, 0), 0u);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2 * ROWS + 1) << log;
    for (int who = 0; who < 2; ++who)
        for (int n = 0; n < ROWS; ++n) EXPECT_NE(log.find(row(who * 100 + n)), std::string::npos) << who << " " << n;
    EXPECT_EQ(contentsOf(settings), "language=Polish\ngridlines=on\n");
    const std::string both = contentsOf(progress);
    for (const std::string& change : changes) EXPECT_NE(both.find(change + "\n"), std::string::npos) << both;
}
