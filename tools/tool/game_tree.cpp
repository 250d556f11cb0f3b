#include "tool/game_tree.h"

#include "level/map.h"
#include "level/map_format.h"
#include "platform/paths.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// Where the shell stood when the tool started; command-line files are relative
// to it, whatever folder the tool works in afterwards.
fs::path startFolder;

bool holdsData(const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (wildcardMatch("DATA", entry.path().filename().c_str()) && entry.is_directory(error))
            return true;
    return false;
}

fs::path toolFolder(const char* argv0) {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) self = fs::absolute(argv0, error);
    return self.parent_path();
}
} // namespace

bool enterGameTree(const char* gameDir, const char* argv0) {
    std::error_code error;
    startFolder = fs::current_path(error);
    fs::path tree;
    if (gameDir) {
        tree = fs::absolute(gameDir, error);
    } else if (holdsData(startFolder)) {
        tree = startFolder;
    } else {
        // A build tree (build/tools beside build/game), else an installed game
        // (games/ beside share/games/tumblo).
        fs::path own = toolFolder(argv0).parent_path();
        fs::path beside = own / "game", installed = own / "share" / "games" / "tumblo";
        if (holdsData(beside))
            tree = beside;
        else if (holdsData(installed))
            tree = installed;
        else
            return true; // without a tree, files that refer to nothing still print
    }
    fs::current_path(tree, error);
    if (error) {
        std::fprintf(stderr, "tumblo-tool: cannot use %s as the game folder: %s\n",
                     gameDir ? gameDir : tree.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

std::string commandLineFile(const char* argument) {
    fs::path path(argument);
    return (path.is_absolute() ? path : startFolder / path).lexically_normal().string();
}

std::string solutionsFolder() {
    std::error_code error;
    return (fs::current_path(error).parent_path() / "solutions").string();
}

bool openCommandLineFile(const char* argument, DataReader& in) {
    return in.openSystemPath(commandLineFile(argument));
}

bool buildCommandLineMap(const char* argument) {
    DataReader in;
    MapFile file;
    if (!openCommandLineFile(argument, in)) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", argument));
        return false;
    }
    if (!readMapFile(in, file)) {
        reportInvalidMap(argument);
        return false;
    }
    return buildMap(file, argument);
}
