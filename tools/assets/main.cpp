// tumblo-assets CONTENT_DIR GAME_DIR [KIND...]
// Compiles the readable sources under CONTENT_DIR into the game's data tree.
// Without KINDs every kind of game data is built; the solution demos ("demos")
// and the desktop icons ("icons") go to folders of their own and are built only
// when named.
#include "assets/compiler.h"
#include "assets/palette.h"
#include "assets/source_file.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tumblo-assets CONTENT_DIR GAME_DIR [KIND...]\n");
        return 2;
    }
    std::error_code ec;
    std::string contentDir = std::filesystem::absolute(argv[1], ec).string();
    std::filesystem::create_directories(argv[2], ec);
    if (chdir(argv[2]) != 0) {
        std::fprintf(stderr, "%s: cannot enter the game folder\n", argv[2]);
        return 1;
    }
    // Kinds that are not part of the game's data tree.
    auto separate = [](const RegisteredCompiler& c) {
        return std::strcmp(c.name, "demos") == 0 || std::strcmp(c.name, "icons") == 0;
    };
    auto wanted = [&](const RegisteredCompiler& c) {
        if (argc == 3) return !separate(c);
        for (int i = 3; i < argc; ++i)
            if (std::strcmp(argv[i], c.name) == 0) return true;
        return false;
    };
    bool gameData = false;
    for (const RegisteredCompiler& c : registeredCompilers())
        gameData = gameData || (wanted(c) && !separate(c));
    if (gameData) {
        // The folders the game writes into exist from the start.
        for (const char* dir :
             {"DATA/UNLOCK", "DEMOS", "BITMAP/GENERAL", "BITMAP/BG", "MUSIC", "SOUND"})
            std::filesystem::create_directories(dir, ec);
    }
    if (!loadGamePalette(contentDir)) return 1;
    for (const RegisteredCompiler& c : registeredCompilers())
        if (wanted(c) && !c.function(contentDir))
            sourceError(contentDir, 0, std::string("the ") + c.name + " could not be built");
    return buildFailed() ? 1 : 0;
}
