// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop as the program runs it: real start-up and shut-down on the
// dummy video driver, with window events pushed into SDL's queue.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "input/KeyTables.h"

using testsupport::pixel;
using testsupport::WHITE;

namespace {

void push(const SDL_Event& event) {
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 0);
}

void pushKey(SDLKey key, Uint8 type = SDL_KEYDOWN, SDLMod mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    push(e);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    push(e);
}

void pushMouse() {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 10;
    motion.motion.y = 10;
    push(motion);
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_LEFT;
    push(button);
}

// What the event reader reports, all of it.
struct ReaderState {
    bool closed;
    SDLKey key;
    bool waiting;
    std::vector<bool> held;
    bool operator==(const ReaderState& o) const {
        return closed == o.closed && key == o.key && waiting == o.waiting && held == o.held;
    }
};

ReaderState readerState() {
    return {g_input->windowClosed(), g_input->getKeyPressed(), g_input->checkIfKeyPressed(),
            std::vector<bool>(g_input->getInput(), g_input->getInput() + SDLK_LAST)};
}

bool wholeFrameIs(testsupport::Rgb color) {
    SDL_Surface* screen = g_graphics->getScreen();
    for (int y = 0; y < screen->h; ++y)
        for (int x = 0; x < screen->w; ++x)
            if (pixel(screen, x, y) != color) return false;
    return true;
}

class FrameLoopRun : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::closeGraphics();  // the program has SDL to itself
        ASSERT_TRUE(Init());
        for (int i = 0; i < 100 && handleInput(); ++i) {
        }  // whatever the driver queued at start-up
        runFrame();
    }
    void TearDown() override {
        Shutdown();
        setUpLanguage();
    }
};

}  // namespace

TEST_F(FrameLoopRun, StartUpOpensTheWindowOnTheStartScreen) {
    ASSERT_NE(g_graphics->getScreen(), nullptr);
    EXPECT_EQ(g_graphics->getScreen()->w, 1000);
    EXPECT_EQ(g_graphics->getScreen()->h, 700);
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, nullptr);
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, "Calcora");
    EXPECT_EQ(g_cpu->getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(language, "English");
    EXPECT_EQ(lang_file->start_screen_line1, "1. Natural numbers and integers");
}

TEST_F(FrameLoopRun, QueuedKeysAreHandledOnePerFrameInQueueOrder) {
    pushKey(SDLK_DOWN);
    pushKey(SDLK_RIGHT);
    runFrame();
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
    EXPECT_FALSE(g_input->checkIfKeyPressed());
    runFrame();
    EXPECT_EQ(g_cpu->getMenuItem(), "8");
}

TEST_F(FrameLoopRun, KeyUpOnlyReleasesTheHeldKey) {
    pushKey(SDLK_DOWN);
    runFrame();
    EXPECT_TRUE(g_input->getInput()[SDLK_DOWN]);
    pushKey(SDLK_DOWN, SDL_KEYUP);
    runFrame();
    EXPECT_FALSE(g_input->getInput()[SDLK_DOWN]);
    EXPECT_FALSE(g_input->checkIfKeyPressed());
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
}

// SDL drops them before its queue, so a fast mouse cannot crowd out keys.
TEST_F(FrameLoopRun, MouseEventsNeverReachTheQueue) {
    for (Uint8 type : {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        EXPECT_EQ(SDL_EventState(type, SDL_QUERY), SDL_IGNORE) << int(type);
    EXPECT_EQ(SDL_EventState(SDL_KEYDOWN, SDL_QUERY), SDL_ENABLE);
    pushMouse();  // pushed by hand they still arrive: taken one per frame and ignored
    pushKey(SDLK_DOWN);
    runFrame();
    runFrame();
    EXPECT_EQ(g_cpu->getMenuItem(), "1");
    runFrame();
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
}

TEST_F(FrameLoopRun, ShiftDoesNotChangeTheTypedCharacter) {
    g_cpu->setCurrentMenu(screenName(Screen::part1));
    pushKey(SDLK_1, SDL_KEYDOWN, KMOD_LSHIFT);
    runFrame();
    EXPECT_EQ(g_cpu->getPart1Program1_n(), "1");
}

TEST_F(FrameLoopRun, AnEmptyQueueLeavesTheEventReaderAsItWas) {
    pushKey(SDLK_DOWN);
    runFrame();
    const ReaderState before = readerState();
    EXPECT_FALSE(handleInput());
    runFrame();
    EXPECT_TRUE(readerState() == before);
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
}

TEST_F(FrameLoopRun, QuitStopsTheLoopAndStaysReported) {
    pushQuit();
    pushKey(SDLK_DOWN);
    runFrame();
    EXPECT_TRUE(g_input->windowClosed());
    EXPECT_FALSE(g_cpu->isGameRunning());
    runFrame();  // a key after the quit is still taken, and the quit still stands
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
    EXPECT_TRUE(g_input->windowClosed());
    EXPECT_FALSE(g_cpu->isGameRunning());
}

TEST_F(FrameLoopRun, ClosingTheWindowEndsTheLoop) {
    alarm(20);  // a loop that never ends fails the test instead of hanging it
    pushKey(SDLK_DOWN);
    pushQuit();
    Start_game();
    alarm(0);
    EXPECT_EQ(g_cpu->getMenuItem(), "2");
}

TEST_F(FrameLoopRun, ExitOnTheStartScreenEndsTheLoop) {
    alarm(20);
    pushKey(SDLK_UP);
    pushKey(SDLK_RETURN);
    Start_game();
    alarm(0);
    EXPECT_EQ(g_cpu->getMenuItem(), "7");
    EXPECT_FALSE(g_input->windowClosed());
}

TEST_F(FrameLoopRun, ADisplayModeChangeIsAppliedOnceAtTheStartOfTheNextFrame) {
    g_cpu->setCurrentMenu(screenName(Screen::options_menu));
    pushKey(SDLK_RETURN);
    runFrame();
    EXPECT_TRUE(g_cpu->getFullscreen());
    EXPECT_TRUE(g_cpu->getChangedDisplayMode());
    EXPECT_EQ(g_graphics->getScreen()->w, 1000);  // not yet

    EXPECT_TRUE(runFrame());  // drawn in the new mode though no event came
    EXPECT_FALSE(g_cpu->getChangedDisplayMode());
    EXPECT_EQ(g_graphics->getScreen()->w, 1024);
    EXPECT_EQ(g_graphics->getScreen()->h, 768);
    EXPECT_TRUE(g_graphics->getScreen()->flags & SDL_FULLSCREEN);
    EXPECT_FALSE(runFrame());

    pushKey(SDLK_RETURN);
    runFrame();
    EXPECT_FALSE(g_cpu->getFullscreen());
    EXPECT_TRUE(runFrame());
    EXPECT_FALSE(g_cpu->getChangedDisplayMode());
    EXPECT_EQ(g_graphics->getScreen()->w, 1024);
    EXPECT_EQ(g_graphics->getScreen()->h, 768);
    EXPECT_FALSE(g_graphics->getScreen()->flags & SDL_FULLSCREEN);
}

TEST_F(FrameLoopRun, OnlyAFrameWithSomethingNewIsDrawn) {
    EXPECT_FALSE(runFrame());
    EXPECT_FALSE(runFrame());
    pushKey(SDLK_DOWN);
    EXPECT_TRUE(runFrame());
    EXPECT_FALSE(runFrame());
    pushKey(SDLK_DOWN, SDL_KEYUP);
    pushMouse();
    for (int frame = 0; frame < 4; ++frame) EXPECT_FALSE(runFrame());
    EXPECT_FALSE(g_input->getInput()[SDLK_DOWN]);
}

TEST_F(FrameLoopRun, TheFrameAfterASolvedRequestIsDrawn) {
    g_cpu->setCurrentMenu(screenName(Screen::part1));
    g_cpu->setPart1Program1_n("17");
    g_cpu->setPart1Program1_k("5");
    g_cpu->setPart1Item("calculate1");
    pushKey(SDLK_RETURN);
    EXPECT_TRUE(runFrame());
    ASSERT_EQ(g_cpu->getSolveThisProgram(), "solved");
    EXPECT_TRUE(runFrame());  // shows the answer
    EXPECT_FALSE(runFrame());
}

TEST_F(FrameLoopRun, AnUnknownScreenNameGivesABackgroundOnlyFrame) {
    pushKey(SDLK_DOWN);
    runFrame();
    EXPECT_FALSE(wholeFrameIs(WHITE));  // the start screen

    g_cpu->setCurrentMenu("no such screen");
    pushKey(SDLK_SPACE);
    EXPECT_TRUE(runFrame());
    EXPECT_TRUE(wholeFrameIs(WHITE));
    EXPECT_EQ(language, "Polish");  // keys are still handled
}

TEST_F(FrameLoopRun, ShutDownLeavesNoObjectBehind) {
    Shutdown();
    EXPECT_EQ(g_cpu, nullptr);
    EXPECT_EQ(g_graphics, nullptr);
    EXPECT_EQ(g_input, nullptr);
    EXPECT_EQ(g_input2, nullptr);
    EXPECT_EQ(g_different_screens, nullptr);
    EXPECT_EQ(g_frame_loop, nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(TTF_WasInit(), 0);
    EXPECT_NE(lang_file, nullptr);  // the text table lives to the end
}

TEST(StartUp, FailsWithAMessageWhenTheVideoDriverCannotStart) {
    const char* previous = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    testsupport::closeGraphics();  // an open window would let SDL skip starting video
    testing::internal::CaptureStderr();
    const int status = SDL_main(0, nullptr);
    const std::string message = testing::internal::GetCapturedStderr();
    if (previous)
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_VIDEODRIVER");

    EXPECT_EQ(status, 1);
    EXPECT_NE(message.find("calcora"), std::string::npos) << message;
    EXPECT_NE(message.find("video"), std::string::npos) << message;
    EXPECT_EQ(g_cpu, nullptr);
    EXPECT_EQ(g_graphics, nullptr);
}

TEST(ScreenList, EveryScreenHasADrawRoutineAndAKeyTable) {
    for (int i = 0; i < SCREEN_COUNT; ++i) {
        const Screen screen = screenAt(i);
        EXPECT_NE(screenRoutine(screen), nullptr) << screenName(screen);
        EXPECT_EQ(screenKeysFor(screen).screen, screen) << screenName(screen) << " has another screen's keys";
        EXPECT_EQ(screenNamed(screenName(screen)), screen);
    }
    EXPECT_EQ(allScreenKeys().size(), std::size_t(SCREEN_COUNT));
    EXPECT_FALSE(screenNamed("no such screen"));
}
