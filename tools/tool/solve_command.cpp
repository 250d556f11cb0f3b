// solve MAP [--cup] [--out FILE.TDM] [--budget SECONDS] [--segment TICKS]
//       [--weight W] [--coarse] [--max-states N] [--helpers 0|1]:
// searches a steering that clears a stage and writes it as a demo.
#include "solver/solver.h"
#include "tool/command.h"
#include "tool/game_tree.h"

#include "game/demo.h"
#include "game/headless_playback.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/map.h"
#include "level/play_shown.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "text/data_file.h"
#include "text/text_utils.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: tumblo-tool solve MAP [--cup] [--out FILE.TDM] "
                 "[--budget SECONDS] [--segment TICKS] [--weight W] [--coarse] [--max-states N] "
                 "[--helpers 0|1]\n");
    return 2;
}

// The stage is played from the map file named on the command line; what it
// names (tileset, pictures) comes from the game's data tree.
bool startFromFile(const char* path) {
    // startStage loads `currentMapFile` from "DATA\"; a map elsewhere is built
    // here and started the same way.
    std::string name = std::filesystem::path(path).filename().string();
    copyText(currentMapFile, name.c_str(), mapFileCapacity);
    if (!buildCommandLineMap(path)) return false;
    return startLoadedStage();
}
} // namespace

int solve(int argc, char** argv) {
    const char* mapPath = nullptr;
    const char* out = nullptr;
    SolverOptions options;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cup") == 0)
            options.takeCups = true;
        else if (std::strcmp(argv[i], "--coarse") == 0)
            options.coarse = true;
        else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            out = argv[++i];
        else if (std::strcmp(argv[i], "--budget") == 0 && i + 1 < argc)
            options.budgetSeconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--segment") == 0 && i + 1 < argc)
            options.segmentTicks = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--weight") == 0 && i + 1 < argc)
            options.weight = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--max-states") == 0 && i + 1 < argc)
            options.maxNodes = (size_t)std::atoll(argv[++i]);
        else if (std::strcmp(argv[i], "--helpers") == 0 && i + 1 < argc)
            options.helpers = std::atoi(argv[++i]);
        else if (!mapPath && argv[i][0] != '-')
            mapPath = argv[i];
        else
            return usage();
    }
    if (!mapPath || options.segmentTicks < 1 || options.budgetSeconds <= 0 || options.weight < 1 ||
        options.maxNodes < 1 || options.helpers < 0 || options.helpers > 1)
        return usage();
    loadPlayGraphics();
    playShown = false; // nobody sees the search
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    setFrameHook([]() { gameTicks += 1; });
    startGameTimer(ticksPerSecond);
    if (!startFromFile(mapPath)) return 2;
    SolverResult r = solveStage(options);
    std::printf("states %lld in %.1f s\n", (long long)r.statesExplored, r.seconds);
    if (!r.found) {
        std::printf("no solution within the budget\n");
        return 1;
    }
    std::printf("cleared at tick %d (%d ticks of steering), cups %d, clear time %s\n", r.clearTick,
                (int)r.steering.size(), playRecord.cups, currentMap.timeText);
    if (!out) return 0;
    DemoHeader header;
    header.mapFile = currentMapFile;
    header.died = 0;
    header.title = currentMap.name;
    header.clearTime = currentMap.timeText;
    header.cups = playRecord.cups;
    DataWriter writer;
    writeDemoFile(writer, header, r.steering.data(), r.steering.size());
    const std::vector<uint8_t>& bytes = writer.bytes();
    std::FILE* file = std::fopen(commandLineFile(out).c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file) written = std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "tumblo-tool: cannot write %s\n", out);
        return 2;
    }
    std::printf("written %s\n", out);
    return 0;
}

REGISTER_COMMAND("solve",
                 "solve MAP [--cup] [--out FILE.TDM] [--budget SECONDS] [--segment TICKS] "
                 "[--weight W] [--coarse] [--max-states N] [--helpers 0|1]",
                 solve);
