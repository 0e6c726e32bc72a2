// The program's entry point; everything else lives in the library.
#include "FrameLoop.h"

int main(int argc, char* argv[]) { return SDL_main(argc, argv); }
