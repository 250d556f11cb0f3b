#include "main/command_line.h"

#include <cstring>

bool parseCommandLine(int argc, char** argv, LaunchOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                error = std::string(arg) + " needs a folder";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            options.version = true;
        } else if (std::strcmp(arg, "--window") == 0) {
            options.fullScreen = false;
        } else if (std::strcmp(arg, "--fullscreen") == 0) {
            options.fullScreen = true;
        } else if (std::strcmp(arg, "--data-dir") == 0) {
            if (!value(options.dataDir)) return false;
        } else if (std::strcmp(arg, "--user-dir") == 0) {
            if (!value(options.userDir)) return false;
        } else {
            error = std::string("unknown option '") + arg + "' (try --help)";
            return false;
        }
    }
    return true;
}

const char* commandLineHelp() {
    return "usage: tumblo [OPTION...]\n"
           "Roll the ball Tumblo through side-view stages.\n"
           "\n"
           "  --window          play in a window this time (the settings stay as saved)\n"
           "  --fullscreen      play full screen this time (the settings stay as saved)\n"
           "  --data-dir DIR    read the game's data from DIR\n"
           "  --user-dir DIR    keep settings, statistics, progress, demos and the log in DIR\n"
           "  --version         print the version and leave\n"
           "  --help            print this help and leave\n"
           "\n"
           "Installed, the game reads its data from share/games/tumblo and keeps your files\n"
           "in $XDG_DATA_HOME/tumblo (~/.local/share/tumblo); run from its build folder, it\n"
           "keeps them beside its data.\n";
}
