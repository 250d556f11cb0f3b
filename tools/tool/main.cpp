// tumblo-tool: the command-line companion, run from the game folder.
#include "tool/command.h"

#include "level/teardown.h"
#include "platform/display.h"
#include "platform/headless.h"

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

int usage() {
    std::fprintf(stderr, "usage:\n");
    for (const Command& c : commands())
        std::fprintf(stderr, "  tumblo-tool %s\n", c.usage);
    return 2;
}
} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage,
                                         CommandFunction function) {
    commands().push_back({name, usage, function});
}

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    // Tools run the game's own code without a window; messages go to stderr.
    messagesToStderr = true;
    if (!initHeadlessGraphics()) {
        std::fprintf(stderr, "tumblo-tool: cannot start the graphics library\n");
        return 1;
    }
    for (const Command& c : commands())
        if (std::strcmp(c.name, argv[1]) == 0) {
            int status = c.function(argc - 2, argv + 2);
            // Freed as the game frees it at exit, so a leak checker sees only real leaks.
            releaseGameData();
            return status;
        }
    return usage();
}
