// tumblo-edit: the stage editor, with the solver as its live check.
#include "edit/check_command.h"
#include "edit/editor_window.h"
#include "tool/game_tree.h"

#include "level/teardown.h"
#include "platform/display.h"
#include "platform/paths.h"
#include "ui/message_screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: tumblo-edit [--game-dir DIR] [STAGE.txt]\n"
                 "       tumblo-edit [--game-dir DIR] --check STAGE.txt [--budget SECONDS]\n");
    return 2;
}

// Saved stages go where the game looks for the player's files: the game folder
// itself in a build tree, $XDG_DATA_HOME/tumblo beside installed (read-only) data.
void chooseFileRoots() {
    std::error_code error;
    std::string tree = std::filesystem::current_path(error).string();
    std::string user = prepareWritableFolder(tree) ? tree : userDataFolder("tumblo");
    prepareWritableFolder(user);
    setFileRoots(tree, user);
}

int help() {
    std::printf("usage: tumblo-edit [--game-dir DIR] [STAGE.txt]\n"
                "       tumblo-edit [--game-dir DIR] --check STAGE.txt [--budget SECONDS]\n\n"
                "Edits a stage source (the text format of the game's content/maps) and checks\n"
                "with the solver whether it can be cleared. --check prints the verdict without\n"
                "a window: status 0 clears, 1 no clear found, 2 broken. The game's data tree\n"
                "(tilesets, pictures) is --game-dir DIR when given, else the current folder\n"
                "when it holds DATA/, else the game folder beside the editor's own folder,\n"
                "else the installed game's data.\n");
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const char* gameDir = nullptr;
    const char* stage = nullptr;
    bool check = false;
    double budget = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return help();
        if (std::strcmp(argv[i], "--game-dir") == 0 && i + 1 < argc)
            gameDir = argv[++i];
        else if (std::strcmp(argv[i], "--check") == 0)
            check = true;
        else if (std::strcmp(argv[i], "--budget") == 0 && i + 1 < argc)
            budget = std::atof(argv[++i]);
        else if (!stage && argv[i][0] != '-')
            stage = argv[i];
        else
            return usage();
    }
    if ((check && !stage) || budget <= 0) return usage();
    if (!enterGameTree(gameDir, argv[0])) return 2;
    std::string stagePath = stage ? commandLineFile(stage) : std::string();
    chooseFileRoots();
    // What the game's loaders would show on a message screen goes to stderr.
    messagesToStderr = true;
    int status = 0;
    if (check) {
        if (!initHeadlessGraphics()) {
            std::fprintf(stderr, "tumblo-edit: cannot start the graphics library\n");
            return 2;
        }
        status = runCheckCommand(stagePath.c_str(), budget);
    } else {
        status = runEditorWindow(stagePath.empty() ? commandLineFile("new-stage.txt") : stagePath);
    }
    releaseGameData();
    return status;
}
