// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// A storm of random keys through the real frame loop: whatever a pupil
// types, on whatever screen, the store stays sound and every exercise is
// reached and solved. How quick its frames are is measured in bench/.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "gfx/Layout.h"
#include "input/KeyTables.h"

using namespace testsupport;

namespace {

constexpr int REQUEST_COUNT = 16;
constexpr int FRAMES_AT_A_LARGER_SIZE = 300;  // at most, in one spell at 150% or 200%

// Keys drawn in proportion to their weight, uniformly within each range.
// Moves, Enter and digits come most often, so the storm wanders over every
// screen, fills fields and presses the calculate buttons; Escape, Delete
// and Space are rare, so that it stays on a screen long enough to solve.
// The start screen has weights of its own: Left and Right there jump to the
// first and the last item, so they are rare, or the middle items (chapter 3,
// Options) would hardly ever be chosen. So has the working screen, which W
// opens often: the storm scrolls and saves there, and soon goes back.
struct KeyRange {
    SDLKey first, last;
    int onStartScreen, elsewhere, onWorkingScreen;
};

const KeyRange KEYS[] = {
    {SDLK_UP, SDLK_UP, 20, 20, 4},
    {SDLK_DOWN, SDLK_DOWN, 20, 20, 4},
    {SDLK_LEFT, SDLK_LEFT, 1, 16, 1},
    {SDLK_RIGHT, SDLK_RIGHT, 1, 16, 1},
    {SDLK_RETURN, SDLK_RETURN, 20, 20, 2},
    {SDLK_ESCAPE, SDLK_ESCAPE, 1, 1, 4},
    {SDLK_SPACE, SDLK_SPACE, 1, 1, 1},
    {SDLK_DELETE, SDLK_DELETE, 1, 2, 1},
    {SDLK_0, SDLK_9, 5, 60, 2},
    {SDLK_PERIOD, SDLK_PERIOD, 1, 3, 1},
    {SDLK_COMMA, SDLK_COMMA, 1, 2, 1},
    {SDLK_MINUS, SDLK_MINUS, 1, 3, 1},
    {SDLK_LEFTBRACKET, SDLK_LEFTBRACKET, 1, 3, 1},
    {SDLK_RIGHTBRACKET, SDLK_RIGHTBRACKET, 1, 3, 1},
    {SDLK_w, SDLK_w, 1, 2, 4},
    {SDLK_HOME, SDLK_PAGEDOWN, 1, 1, 8},  // Home, End, Page Up, Page Down
    {SDLK_KP0, SDLK_KP_ENTER, 1, 3, 1},   // the numpad: its operators type only on the practice screen
    {SDLK_ASTERISK, SDLK_PLUS, 1, 2, 1},  // * and +, then / ^ < = >: an answer's characters
    {SDLK_SLASH, SDLK_SLASH, 1, 2, 1},
    {SDLK_CARET, SDLK_CARET, 1, 1, 1},
    {SDLK_LESS, SDLK_GREATER, 1, 2, 1},
    // keys the program ignores
    {SDLK_BACKSPACE, SDLK_BACKSPACE, 1, 1, 1},
    {SDLK_TAB, SDLK_TAB, 1, 1, 1},
    {SDLK_a, SDLK_v, 1, 3, 1},
    {SDLK_x, SDLK_z, 1, 1, 1},
};

class KeyPicker {
public:
    explicit KeyPicker(unsigned seed) : random_(seed) {
        std::vector<int> onStart, elsewhere, onWorking;
        for (const KeyRange& range : KEYS) {
            onStart.push_back(range.onStartScreen);
            elsewhere.push_back(range.elsewhere);
            onWorking.push_back(range.onWorkingScreen);
        }
        onStart_ = std::discrete_distribution<int>(onStart.begin(), onStart.end());
        elsewhere_ = std::discrete_distribution<int>(elsewhere.begin(), elsewhere.end());
        onWorking_ = std::discrete_distribution<int>(onWorking.begin(), onWorking.end());
    }
    SDLKey next(const std::string& screen) {
        auto& pick = screen == screenName(Screen::start_screen) ? onStart_
                     : screen == screenName(Screen::working)    ? onWorking_
                                                                 : elsewhere_;
        const KeyRange& range = KEYS[pick(random_)];
        return SDLKey(std::uniform_int_distribution<int>(range.first, range.last)(random_));
    }
    bool alsoRelease() { return std::uniform_int_distribution<int>(0, 19)(random_) == 0; }
    bool withShift() { return std::uniform_int_distribution<int>(0, 7)(random_) == 0; }

private:
    std::mt19937 random_;
    std::discrete_distribution<int> onStart_, elsewhere_, onWorking_;
};

bool eventsWaiting() {
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0;
}

void push(Uint8 type, SDLKey key, bool shift = false) {
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = shift ? KMOD_LSHIFT : KMOD_NONE;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

// The request Enter asks for on this screen and item, when it asks for one:
// "calculate<N>" of a chapter requests that chapter's exercise N.
std::string requestOf(Screen screen, const std::string& item) {
    const Chapter* chapter = chapterOn(screen);
    if (!chapter || item.rfind("calculate", 0) != 0) return "";
    return requestName(*chapter, std::stoi(item.substr(9)));
}

bool panelShowsText(const CPU& cpu) {
    if (!cpu.getSolution().empty()) return true;
    for (int line = 1; line <= 5; ++line)
        if (!cpu.getSolutionLine(line).empty()) return true;
    return false;
}

struct StormFigures {
    int keys = 0, frames = 0, exits = 0;
    std::map<int, int> framesPerSize;  // by size in percent
    std::map<std::string, int> framesPerScreen;
    std::map<std::string, int> solved, answered;  // per request: run, and left text on the panel
};

class KeyStorm : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        ASSERT_TRUE(Init());
        setFrameDelay(0);
        // A display that holds every size: what the dummy driver reports as
        // the desktop depends on the windows earlier tests in the process opened.
        g_cpu->setLargestSizePercent(layout::SIZES[std::size(layout::SIZES) - 1]);
    }
    void TearDown() override {
        Shutdown();
        useEnglish();
    }

    // Runs frames until the queue is empty (the driver may add events of its
    // own); checks the store after each. `enter`: the event is a press of
    // Return, which may ask for a calculation.
    void runFrames(bool enter) {
        do {
            const std::string screen = g_cpu->getCurrentMenu();
            const auto& keys = screenKeysFor(*screenNamed(screen));
            const std::string request = enter && keys.get_item ? requestOf(keys.screen, (g_cpu->*keys.get_item)()) : "";
            enter = false;
            runFrame();
            ++figures.frames;
            expectSoundStore();
            countFrame(request);
        } while (eventsWaiting() && !HasFatalFailure());
    }

    void expectSoundStore() {
        for (int f = 0; f < FIELD_COUNT; ++f)
            ASSERT_LE(g_cpu->getField(Field(f)).size(), FIELD_MAX_LENGTH) << fieldName(Field(f));
        ASSERT_TRUE(screenNamed(g_cpu->getCurrentMenu())) << g_cpu->getCurrentMenu();
        for (const ScreenKeys& keys : allScreenKeys()) {
            if (!keys.get_item) continue;
            const std::string item = (g_cpu->*keys.get_item)();
            const bool known = std::any_of(keys.moves.begin(), keys.moves.end(),
                                           [&](const NavRow& row) { return item == row.item; });
            ASSERT_TRUE(known) << "highlight \"" << item << "\" on " << screenName(keys.screen);
        }
        // A request is run by the frame that asked for it: none is ever left waiting.
        const std::string pending = g_cpu->getSolveThisProgram();
        ASSERT_TRUE(pending.empty() || pending == "solved") << pending;
        ASSERT_FALSE(g_cpu->getWorkingSaveRequested()) << "a save of working.txt left waiting";
        const CPU::PracticeShown practice = g_cpu->getPractice();
        ASSERT_EQ(practice.typed.size(), practice.fields.size());
        for (std::size_t i = 0; i < practice.fields.size(); ++i)
            ASSERT_LE(practice.typed[i].size(), practice.fields[i].longest) << practice.fields[i].label;
    }

    void countFrame(const std::string& request) {
        ++figures.framesPerScreen[g_cpu->getCurrentMenu()];
        backToStartUpSizeNowAndThen();
        if (!request.empty() && g_cpu->getSolveThisProgram() == "solved") {
            ++figures.solved[request];
            if (panelShowsText(*g_cpu)) ++figures.answered[request];
        }
        if (!g_cpu->isGameRunning()) {  // "Exit": count it and go on
            ++figures.exits;
            g_cpu->setGameIsRunning(true);
        }
    }

    // A frame at 200% fills four times the pixels of one at 100%, and the
    // sanitizers make every pixel dear: after a spell at a larger size the
    // storm sets 100% again, as a pupil would in Options, so that its time
    // goes to keys rather than to filling pixels.
    void backToStartUpSizeNowAndThen() {
        const int size = g_cpu->getSizePercent();
        if (++figures.framesPerSize[size] % FRAMES_AT_A_LARGER_SIZE != 0 || size == 100) return;
        g_cpu->setSizePercent(100);
        g_cpu->setChangedDisplayMode(true);
    }

    void storm(unsigned seed, int keyCount) {
        KeyPicker picker(seed);
        while (figures.keys < keyCount && !HasFatalFailure()) {
            const SDLKey key = picker.next(g_cpu->getCurrentMenu());
            push(SDL_KEYDOWN, key, picker.withShift());
            ++figures.keys;
            runFrames(key == SDLK_RETURN);
            if (picker.alsoRelease() && !HasFatalFailure()) {
                push(SDL_KEYUP, key);
                runFrames(false);
            }
        }
    }

    void report(unsigned seed) {
        std::cout << "key storm, seed " << seed << ": " << figures.keys << " keys, " << figures.frames
                  << " frames, " << figures.exits << " exits; frames by size:";
        for (const auto& [size, count] : figures.framesPerSize) std::cout << " " << size << "% " << count;
        std::cout << "\n";
        for (const auto& [request, count] : figures.solved) {
            const auto answered = figures.answered.find(request);
            std::cout << "  " << request << ": solved " << count << ", answered "
                      << (answered == figures.answered.end() ? 0 : answered->second) << "\n";
        }
        RecordProperty("keys", figures.keys);
        RecordProperty("frames", figures.frames);
    }

    PrivateRunFolder folder{"storm"};  // the prime listings write results.txt
    StormFigures figures;
};

// Seeded storms of 40000 keys, each of which reaches every screen and solves
// every request.
constexpr int KEYS_PER_STORM = 40000;

TEST_P(KeyStorm, EveryScreenSurvivesAndEveryExerciseIsSolved) {
    storm(GetParam(), KEYS_PER_STORM);
    report(GetParam());
    for (int s = 0; s < SCREEN_COUNT; ++s)
        EXPECT_GT(figures.framesPerScreen[screenName(screenAt(s))], 0) << screenName(screenAt(s));
    for (const int size : {150, 200}) EXPECT_GT(figures.framesPerSize[size], 0) << size << "%";
    EXPECT_EQ(figures.solved.size(), std::size_t(REQUEST_COUNT));
    EXPECT_EQ(figures.answered.size(), std::size_t(REQUEST_COUNT));
}

// Two storms run with every test run, side by side; three more seeds, for a
// change to the dispatcher or the screens, with tools/more_key_storms.sh.
INSTANTIATE_TEST_SUITE_P(Seeded, KeyStorm, ::testing::Values(11u, 23u));
INSTANTIATE_TEST_SUITE_P(DISABLED_MoreSeeds, KeyStorm, ::testing::Values(37u, 53u, 71u));

}  // namespace
