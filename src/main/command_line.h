#pragma once

#include <string>

// What the game's command line may ask for. A plain start asks for nothing and
// behaves as the game always does.
struct LaunchOptions {
    bool help = false;
    bool version = false;
    // -1 as the settings say, 0 a window, 1 full screen: for this run only.
    int fullScreen = -1;
    std::string dataDir; // where the game's data tree lies
    std::string userDir; // where the player's files go
};

// False with a one-line `error` for an unknown option or a missing value.
bool parseCommandLine(int argc, char** argv, LaunchOptions& options, std::string& error);

// The --help text.
const char* commandLineHelp();
