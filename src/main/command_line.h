#pragma once

#include <optional>
#include <string>

// What the game's command line may ask for. A plain start asks for nothing and
// behaves as the game always does.
struct LaunchOptions {
    bool help = false;
    bool version = false;
    // A window (false) or full screen (true) for this run only; as the settings
    // say when not given.
    std::optional<bool> fullScreen;
    std::string dataDir; // where the game's data tree lies
    std::string userDir; // where the player's files go
};

// False with a one-line `error` for an unknown option or a missing value.
bool parseCommandLine(int argc, char** argv, LaunchOptions& options, std::string& error);

// The --help text.
const char* commandLineHelp();
