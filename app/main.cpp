// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point; everything else lives in the library.
#include <iostream>
#include <string>

#include "CommandLine.h"
#include "FrameLoop.h"
#include "OutputToTextFile.h"
#include "PracticeFiles.h"
#include "SafeFile.h"
#include "Settings.h"
#include "Speech.h"
#include "UserFile.h"
#include "screens/WorkingScreen.h"

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string(argv[1]) == SPEECH_HELPER) return runSpeechHelper();
    if (auto status = answerCommandLine({argv + 1, argv + argc}, std::cout, std::cerr))
        return finishStandardOutput(*status, std::cerr);
    // A failed write (a full disk, a file-size limit, a closed stderr) is a
    // failed save, shown as such, never the end of the program.
    keepRunningWhenWritesFail();
    finishInterruptedSaves({OutputToTextFile::FILE_NAME, WORKING_FILE, settingsFile().where(),
                            PRACTICE_LOG_FILE, practiceProgressFile().where()},
                           std::cerr);
    return SDL_main(argc, argv);
}
