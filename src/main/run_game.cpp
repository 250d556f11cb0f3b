#include "main/command_line.h"
#include "main/file_roots.h"
#include "main/game_main.h"

#include <cstdio>

int runGame(int argc, char** argv) {
    LaunchOptions options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "tumblo: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(commandLineHelp(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tumblo 1.1");
        return 0;
    }
    FileRoots roots = chooseFileRoots(options);
    StartUpOptions startOptions;
    startOptions.fullScreen = options.fullScreen;
    if (!startUp(roots, startOptions)) return 1;
    mainMenuLoop();
    shutDown();
    return 0;
}
