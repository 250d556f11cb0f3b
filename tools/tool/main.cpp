// tumblo-tool: the command-line companion.
#include "tool/command.h"
#include "tool/game_tree.h"

#include "level/teardown.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "ui/message_screen.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
struct Command {
    const char* name;
    const char* usage;
    CommandFunction function;
};

std::vector<Command>& commands() {
    static std::vector<Command> list;
    return list;
}

void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: tumblo-tool [--game-dir DIR] COMMAND ...\n");
    for (const Command& c : commands())
        std::fprintf(out, "  tumblo-tool %s\n", c.usage);
}

int usage() {
    printUsage(stderr);
    return 2;
}

int help() {
    printUsage(stdout);
    std::printf("\nFiles named on the command line are taken as the shell means them: relative to\n"
                "the current folder, ./-prefixed, absolute, or anywhere outside the game. What\n"
                "they refer to (a map's tileset, a tileset's pictures and animations, a demo's\n"
                "map) is found in the game's data tree: --game-dir DIR when given, else the\n"
                "current folder when it holds DATA/, else the game folder beside the tool's own\n"
                "folder (build/game for build/tools/tumblo-tool).\n");
    return 0;
}
} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage,
                                         CommandFunction function) {
    commands().push_back({name, usage, function});
}

int main(int argc, char** argv) {
    // --game-dir DIR may stand anywhere; the command sees the other words.
    const char* gameDir = nullptr;
    std::vector<char*> words;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game-dir") == 0) {
            if (i + 1 == argc) return usage();
            gameDir = argv[++i];
        } else {
            words.push_back(argv[i]);
        }
    }
    if (words.empty()) return usage();
    if (std::strcmp(words[0], "--help") == 0 || std::strcmp(words[0], "-h") == 0) return help();
    if (!enterGameTree(gameDir, argv[0])) return 2;
    // Tools run the game's own code without a window; messages go to stderr.
    messagesToStderr = true;
    if (!initHeadlessGraphics()) {
        std::fprintf(stderr, "tumblo-tool: cannot start the graphics library\n");
        return 1;
    }
    for (const Command& c : commands())
        if (std::strcmp(c.name, words[0]) == 0) {
            int status = c.function((int)words.size() - 1, words.data() + 1);
            // Freed as the game frees it at exit, so a leak checker sees only real leaks.
            releaseGameData();
            return status;
        }
    return usage();
}
