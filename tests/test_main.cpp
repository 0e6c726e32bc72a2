// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Every headless test runs on SDL's dummy drivers: without them, and
// without a display, SDL would fall back to a text-mode driver. Each test
// starts in English and in the standard look, whatever the one before it
// left behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "app/Speech.h"

namespace {
struct EnglishAndStandardLookFirst : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        testsupport::useEnglish();
        testsupport::useStandardLook();
    }
};
}  // namespace

int main(int argc, char** argv) {
    // A frame loop with speech on speaks through this binary as the program does.
    if (argc == 2 && std::string(argv[1]) == SPEECH_HELPER) return runSpeechHelper();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new EnglishAndStandardLookFirst);
    return RUN_ALL_TESTS();
}
