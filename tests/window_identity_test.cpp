// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window's icon on a real X display of the test's own: an error the
// server sends back to the program's own calls (a property set on a window
// that is not there) is counted and the program goes on, and the icon goes on
// the window the library really made.
#include <X11/Xatom.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "gfx/WindowIdentityX11.h"
#include "gfx/XErrorTrap.h"

namespace {

// An Xvfb of its own, which picks a free display and names it on a pipe.
class OwnDisplay {
public:
    OwnDisplay() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) return;
        m_server = fork();
        if (m_server == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(pipeEnds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "320x240x24", nullptr);
            _exit(127);
        }
        close(pipeEnds[1]);
        std::string number;
        pollfd answer{pipeEnds[0], POLLIN, 0};
        char c = 0;
        while (poll(&answer, 1, 10000) == 1 && read(pipeEnds[0], &c, 1) == 1 && c != '\n') number += c;
        close(pipeEnds[0]);
        if (!number.empty()) m_display = XOpenDisplay((":" + number).c_str());
    }
    ~OwnDisplay() {
        if (m_display) XCloseDisplay(m_display);
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }
    Display* get() const { return m_display; }

private:
    pid_t m_server = -1;
    Display* m_display = nullptr;
};

#define NEED_DISPLAY(display) \
    if (!(display).get()) GTEST_SKIP() << "no Xvfb to start"

Window topLevel(Display* display) {
    return XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
}

int endsTheProgram(Display*, XErrorEvent*) {
    std::abort();
}

}  // namespace

TEST(WindowIdentity, AnXErrorOnTheProgramsOwnCallsLeavesItRunning) {
    const OwnDisplay display;
    NEED_DISPLAY(display);
    Display* d = display.get();
    const std::vector<unsigned long> icon = {1, 1, 0x40336699};
    const Window gone = topLevel(d);
    XDestroyWindow(d, gone);
    // Any error that reached the handler set before would end the test here.
    const XErrorHandler before = XSetErrorHandler(endsTheProgram);
    EXPECT_FALSE(setIconProperty(d, gone, icon));
    {
        XErrorTrap outer(d);
        EXPECT_FALSE(setIconProperty(d, gone, icon));  // counted by the inner trap alone
        XChangeProperty(d, gone, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>("x"), 1);
        EXPECT_EQ(outer.errors(), 1);
    }
    const Window there = topLevel(d);
    EXPECT_TRUE(setIconProperty(d, there, icon));
    EXPECT_EQ(XSetErrorHandler(before), endsTheProgram);  // each trap put back the handler it found

    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, there, XInternAtom(d, "_NET_WM_ICON", False), 0, 16, False, XA_CARDINAL, &type, &format,
                       &items, &left, &data);
    ASSERT_EQ(items, icon.size());
    EXPECT_EQ(reinterpret_cast<unsigned long*>(data)[2], icon[2]);
    XFree(data);
}

TEST(WindowIdentity, TheIconGoesOnTheFrameElseTheWindowElseTheProcesssOwnWindowAndAManagerIsSeen) {
    const OwnDisplay display;
    NEED_DISPLAY(display);
    Display* d = display.get();
    EXPECT_EQ(windowToLabel(d, 5, 7), 5u);
    EXPECT_EQ(windowToLabel(d, 0, 7), 7u);
    const Window another = topLevel(d);
    const unsigned long otherProcess = getpid() + 1;
    XChangeProperty(d, another, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&otherProcess), 1);
    EXPECT_EQ(windowToLabel(d, 0, 0), 0u);  // none says it is this process's: no icon, and nothing said
    const Window own = topLevel(d);
    const unsigned long thisProcess = getpid();
    XChangeProperty(d, own, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&thisProcess), 1);
    EXPECT_EQ(windowToLabel(d, 0, 0), own);

    // A window manager says so on the root window, or holds the screen's WM_S selection.
    EXPECT_FALSE(windowManagerRuns(d));
    XSetSelectionOwner(d, XInternAtom(d, "WM_S0", False), another, CurrentTime);
    EXPECT_TRUE(windowManagerRuns(d));
    XSetSelectionOwner(d, XInternAtom(d, "WM_S0", False), None, CurrentTime);
    XChangeProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&another), 1);
    EXPECT_TRUE(windowManagerRuns(d));
}
