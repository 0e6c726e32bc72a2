// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Speech.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "CPU.h"

#ifndef __EMSCRIPTEN__
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#endif

namespace {

// The lines as the page hands them to its live region.
std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string languageCode(const std::string& language) { return language == "Polish" ? "pl" : "en"; }

#ifndef __EMSCRIPTEN__

// The few calls of speech-dispatcher's client library used here, as
// libspeechd.h declares them (its enums passed as the ints they are), so that
// neither the library nor its header is needed to build the program.
struct SPDConnection;
const int SPD_MODE_SINGLE = 0;  // replies read by the caller: the library starts no thread
const int SPD_MESSAGE = 2;      // a priority that is never dropped for another client's text
using SpdOpen = SPDConnection* (*)(const char* client, const char* connection, const char* user, int mode);
using SpdClose = void (*)(SPDConnection*);
using SpdSay = int (*)(SPDConnection*, int priority, const char* text);
using SpdCancel = int (*)(SPDConnection*);
using SpdSetLanguage = int (*)(SPDConnection*, const char* language);

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

class SpeechDispatcher : public Voice {
public:
    static std::unique_ptr<Voice> open() {
        // Kept loaded once loaded: it brings GLib, which is never unloaded.
        static void* const library = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        std::unique_ptr<SpeechDispatcher> voice(new SpeechDispatcher);
        SpdOpen spdOpen = nullptr;
        if (!find(library, "spd_open", spdOpen) || !find(library, "spd_close", voice->m_close) ||
            !find(library, "spd_say", voice->m_say) || !find(library, "spd_cancel", voice->m_cancel) ||
            !find(library, "spd_set_language", voice->m_setLanguage))
            return nullptr;
        voice->m_connection = spdOpen("calcora", "main", nullptr, SPD_MODE_SINGLE);
        if (!voice->m_connection) return nullptr;
        return voice;
    }

    ~SpeechDispatcher() override {
        if (m_connection) m_close(m_connection);
    }

    bool say(const std::string& language, const std::string& text) override {
        if (language != m_language) {
            if (m_setLanguage(m_connection, language.c_str()) != 0) return false;
            m_language = language;
        }
        return m_cancel(m_connection) == 0 && m_say(m_connection, SPD_MESSAGE, text.c_str()) >= 0;
    }

private:
    SpeechDispatcher() = default;

    SPDConnection* m_connection = nullptr;
    SpdClose m_close = nullptr;
    SpdSay m_say = nullptr;
    SpdCancel m_cancel = nullptr;
    SpdSetLanguage m_setLanguage = nullptr;
    std::string m_language;  // the service's language, set before the first text
};

// The client library ends the whole process on a reply it cannot read
// (printing why on standard output), so it is used only in a helper process
// of its own: this program started with SPEECH_HELPER. Texts go to its
// standard input one a line (a line break within a text as RECORD); it
// answers its opening and each text with one byte, '1' when done. Any other
// byte, or the helper gone, is a failure.
const char RECORD = '\x1e';

class SpeechHelper : public Voice {
public:
    static std::unique_ptr<Voice> start() {
        int toHelper[2], fromHelper[2];
        if (pipe2(toHelper, O_CLOEXEC) != 0) return nullptr;
        if (pipe2(fromHelper, O_CLOEXEC) != 0) {
            close(toHelper[0]);
            close(toHelper[1]);
            return nullptr;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toHelper[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromHelper[1], STDOUT_FILENO);
        char program[] = "calcora";
        char option[] = "--speech-helper";
        char* arguments[] = {program, option, nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(toHelper[0]);
        close(fromHelper[1]);
        std::unique_ptr<SpeechHelper> helper(new SpeechHelper(spawned == 0 ? pid : 0, toHelper[1], fromHelper[0]));
        if (spawned != 0 || !helper->answered()) return nullptr;
        return helper;
    }

    ~SpeechHelper() override {
        if (m_pid > 0) kill(m_pid, SIGKILL);  // before its input ends: no leak check in a helper that may hang
        close(m_to);
        close(m_from);
        if (m_pid > 0) waitpid(m_pid, nullptr, 0);
    }

    bool say(const std::string& language, const std::string& text) override {
        std::string line = language + " " + text + "\n";
        std::replace(line.begin(), line.end() - 1, '\n', RECORD);
        for (std::size_t sent = 0; sent < line.size();) {
            const ssize_t n = write(m_to, line.data() + sent, line.size() - sent);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            sent += std::size_t(n);
        }
        return answered();
    }

private:
    SpeechHelper(pid_t pid, int to, int from) : m_pid(pid), m_to(to), m_from(from) {}

    bool answered() {
        char answer = 0;
        ssize_t n;
        while ((n = read(m_from, &answer, 1)) < 0 && errno == EINTR) {
        }
        return n == 1 && answer == '1';
    }

    pid_t m_pid;
    int m_to, m_from;
};

// Asking the session bus: libdbus's few calls used here, as dbus/dbus.h
// declares them (its booleans are 32-bit, its errors may be passed as null).
struct DBusConnection;
struct DBusMessage;
struct DBusMessageIter {
    alignas(void*) unsigned char opaque[128];  // the library's own is 72 bytes on 64-bit machines
};
const int DBUS_BUS_SESSION = 0;
const int DBUS_TYPE_INVALID = 0;
const int DBUS_TYPE_STRING = 's';
const int DBUS_TYPE_VARIANT = 'v';
const int DBUS_TYPE_BOOLEAN = 'b';
const int ANSWER_WITHIN_MS = 250;

struct DBus {
    DBusConnection* (*busGetPrivate)(int, void*);
    void (*setExitOnDisconnect)(DBusConnection*, std::uint32_t);
    void (*connectionClose)(DBusConnection*);
    void (*connectionUnref)(DBusConnection*);
    DBusMessage* (*newMethodCall)(const char*, const char*, const char*, const char*);
    std::uint32_t (*appendArgs)(DBusMessage*, int, ...);
    void (*setAutoStart)(DBusMessage*, std::uint32_t);
    DBusMessage* (*sendWithReplyAndBlock)(DBusConnection*, DBusMessage*, int, void*);
    void (*messageUnref)(DBusMessage*);
    std::uint32_t (*iterInit)(DBusMessage*, DBusMessageIter*);
    int (*iterArgType)(DBusMessageIter*);
    void (*iterRecurse)(DBusMessageIter*, DBusMessageIter*);
    void (*iterGetBasic)(DBusMessageIter*, void*);

    bool load(void* library) {
        return find(library, "dbus_bus_get_private", busGetPrivate) &&
               find(library, "dbus_connection_set_exit_on_disconnect", setExitOnDisconnect) &&
               find(library, "dbus_connection_close", connectionClose) &&
               find(library, "dbus_connection_unref", connectionUnref) &&
               find(library, "dbus_message_new_method_call", newMethodCall) &&
               find(library, "dbus_message_append_args", appendArgs) &&
               find(library, "dbus_message_set_auto_start", setAutoStart) &&
               find(library, "dbus_connection_send_with_reply_and_block", sendWithReplyAndBlock) &&
               find(library, "dbus_message_unref", messageUnref) &&
               find(library, "dbus_message_iter_init", iterInit) &&
               find(library, "dbus_message_iter_get_arg_type", iterArgType) &&
               find(library, "dbus_message_iter_recurse", iterRecurse) &&
               find(library, "dbus_message_iter_get_basic", iterGetBasic);
    }

    // The boolean inside the variant a property's Get answers.
    bool trueIn(DBusMessage* reply) {
        DBusMessageIter variant, value;
        if (!iterInit(reply, &variant) || iterArgType(&variant) != DBUS_TYPE_VARIANT) return false;
        iterRecurse(&variant, &value);
        std::uint32_t on = 0;
        if (iterArgType(&value) == DBUS_TYPE_BOOLEAN) iterGetBasic(&value, &on);
        return on != 0;
    }

    // org.a11y.Status's ScreenReaderEnabled, asked of the accessibility bus's
    // launcher, which is not started for the question.
    bool screenReaderEnabled() {
        DBusConnection* bus = busGetPrivate(DBUS_BUS_SESSION, nullptr);
        if (!bus) return false;
        setExitOnDisconnect(bus, 0);
        bool enabled = false;
        if (DBusMessage* call = newMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get")) {
            const char* interface = "org.a11y.Status";
            const char* property = "ScreenReaderEnabled";
            setAutoStart(call, 0);
            if (appendArgs(call, DBUS_TYPE_STRING, &interface, DBUS_TYPE_STRING, &property, DBUS_TYPE_INVALID))
                if (DBusMessage* reply = sendWithReplyAndBlock(bus, call, ANSWER_WITHIN_MS, nullptr)) {
                    enabled = trueIn(reply);
                    messageUnref(reply);
                }
            messageUnref(call);
        }
        connectionClose(bus);
        connectionUnref(bus);
        return enabled;
    }
};

// Only a session bus that is already there is asked: libdbus would otherwise
// start one of its own for the X display.
bool sessionBusKnown() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat status;
    return runtime && stat((std::string(runtime) + "/bus").c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

#endif

}  // namespace

std::unique_ptr<Voice> openSpeechService() {
#ifdef __EMSCRIPTEN__
    return nullptr;
#else
    return SpeechHelper::start();
#endif
}

#ifndef __EMSCRIPTEN__
const char* const SPEECH_HELPER = "--speech-helper";

int runSpeechHelper() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // a helper left hanging goes with the program
    const std::unique_ptr<Voice> voice = SpeechDispatcher::open();
    std::cout << (voice ? '1' : '0') << std::flush;
    if (!voice) return 1;
    for (std::string line; std::getline(std::cin, line);) {
        std::replace(line.begin(), line.end(), RECORD, '\n');
        const std::size_t space = line.find(' ');
        const bool said = space != std::string::npos && voice->say(line.substr(0, space), line.substr(space + 1));
        std::cout << (said ? '1' : '0') << std::flush;
    }
    return 0;
}
#endif

// The voice's own thread: it opens the voice, then says each text handed to
// it. The frame loop only hands texts over and looks at how it is doing.
class SpeakingThread {
public:
    enum class State { working, failed, hung };

    SpeakingThread(Speech::VoiceOpener open, SpeechLimits limits) : m_shared(std::make_shared<Shared>()) {
        m_shared->limits = limits;
        m_thread = std::thread(run, m_shared, std::move(open));
    }

    // Waits a moment for the thread to close the voice; one that hangs, or
    // that takes longer, is left to end by itself.
    ~SpeakingThread() {
        std::unique_lock<std::mutex> lock(m_shared->mutex);
        m_shared->stop = true;
        m_shared->wake.notify_one();
        const bool finished = state(lock) == State::hung
                                  ? m_shared->finished
                                  : m_shared->done.wait_for(lock, STOP_WAIT, [this] { return m_shared->finished; });
        lock.unlock();
        if (finished) m_thread.join();
        else m_thread.detach();
    }

    // A text not yet begun gives way to this one.
    void say(const std::string& language, const std::string& text) {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->next = {language, text};
        m_shared->wake.notify_one();
    }

    State state() {
        std::unique_lock<std::mutex> lock(m_shared->mutex);
        return state(lock);
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds STOP_WAIT{100};

    struct Shared {
        std::mutex mutex;
        std::condition_variable wake, done;
        SpeechLimits limits;
        std::optional<std::pair<std::string, std::string>> next;  // language and text
        std::optional<Clock::time_point> deadline;                // of the exchange under way
        bool failed = false, stop = false, finished = false;
    };

    State state(std::unique_lock<std::mutex>&) const {
        if (m_shared->failed) return State::failed;
        return m_shared->deadline && Clock::now() > *m_shared->deadline ? State::hung : State::working;
    }

    // `exchange` with the service, its deadline `limit` from now; false when it failed.
    template <typename Exchange>
    static bool timed(Shared& shared, std::unique_lock<std::mutex>& lock, std::chrono::milliseconds limit,
                      Exchange exchange) {
        shared.deadline = Clock::now() + limit;
        lock.unlock();
        const bool done = exchange();
        lock.lock();
        shared.deadline.reset();
        if (!done) shared.failed = true;
        return done;
    }

    static void run(std::shared_ptr<Shared> shared, Speech::VoiceOpener open) {
        std::unique_lock<std::mutex> lock(shared->mutex);
        std::unique_ptr<Voice> voice;
        if (timed(*shared, lock, shared->limits.open, [&] { return (voice = open()) != nullptr; }))
            while (true) {
                shared->wake.wait(lock, [&] { return shared->stop || shared->next; });
                if (shared->stop) break;
                const std::pair<std::string, std::string> said = std::move(*shared->next);
                shared->next.reset();
                if (!timed(*shared, lock, shared->limits.text, [&] { return voice->say(said.first, said.second); }))
                    break;
            }
        lock.unlock();
        voice.reset();
        lock.lock();
        shared->finished = true;
        shared->done.notify_all();
    }

    std::shared_ptr<Shared> m_shared;  // the thread's too: it may outlive this object
    std::thread m_thread;
};

Speech::Speech(VoiceOpener open, std::ostream& err, SpeechLimits limits)
    : m_open(std::move(open)), m_err(err), m_limits(limits) {}

Speech::~Speech() = default;

bool Speech::follow(CPU& cpu) {
    if (!cpu.getSpeech()) {
        m_thread.reset();
        m_read = {};  // switched on again, the screen is said whole
        return false;
    }
    if (cpu.getSpeechUnavailable()) return false;
#ifdef __EMSCRIPTEN__
    // The page speaks through its own live region.
    cpu.setSpeechUnavailable(true);
    return true;
#else
    if (!m_thread) m_thread = std::make_unique<SpeakingThread>(m_open, m_limits);
    const ScreenReading now = readScreen(cpu);
    const std::vector<std::string> lines = newlyRead(m_read, now);
    m_read = now;
    if (!lines.empty()) m_thread->say(languageCode(now.language), joined(lines));
    return watch(cpu);
#endif
}

bool Speech::watch(CPU& cpu) {
    if (!m_thread) return false;
    const SpeakingThread::State state = m_thread->state();
    if (state == SpeakingThread::State::working) return false;
    m_err << (state == SpeakingThread::State::hung ? "calcora: the speech service does not answer"
                                                   : "calcora: the speech service cannot be reached or does not take the text")
          << "; speech is not available\n";
    m_thread.reset();
    cpu.setSpeechUnavailable(true);
    return true;
}

bool screenReaderRunning() {
#ifdef __EMSCRIPTEN__
    return false;
#else
    if (!sessionBusKnown()) return false;
    void* library = dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    DBus dbus;  // the library stays loaded: its global data lives to the end
    return dbus.load(library) && dbus.screenReaderEnabled();
#endif
}

