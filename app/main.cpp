// The program's entry point; everything else lives in the library.
#include <iostream>

#include "CommandLine.h"
#include "FrameLoop.h"

int main(int argc, char* argv[]) {
    if (auto status = answerCommandLine({argv + 1, argv + argc}, std::cout, std::cerr))
        return finishStandardOutput(*status, std::cerr);
    return SDL_main(argc, argv);
}
