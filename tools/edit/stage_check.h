#pragma once

#include "assets/map_source.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The live check: what is wrong with a stage before any search, else the
// solver's two searches (without the cup, then with it) within one budget.
struct StageVerdict {
    enum Kind { Clears, NoClear, Broken, Cancelled };
    Kind kind = Broken;
    // "Clears in 0:21 — with the cup 0:24", "Clears in 0:21 — cup not reached",
    // "No clear found in 10 s", or the fault.
    std::string text;
    int32_t clearTicks = -1, cupTicks = -1;
    // The quickest clear found (with the cup when that was found), for playing
    // back as a demo.
    std::vector<uint8_t> steering;
    double seconds = 0;
};

struct CheckOptions {
    double budgetSeconds = 10; // both searches together
    const std::atomic<bool>* cancel = nullptr;
    int helpers = 0; // see SolverOptions
    // Loads the pictures and animations play shares first. A window that has
    // them already (and draws them meanwhile) must not have them replaced.
    bool loadPlayPictures = true;
};

// "0:21": a clear time in whole seconds, as minutes and seconds.
std::string clearTimeText(int32_t ticks);

// Compiles the stage into the map file's record with the tiles of the data
// tree's tileset; the fault in the editor's words when it does not compile.
bool compileForPlay(const StageSource& stage, MapFile& map, std::string& fault);

// Runs in the game's data tree, headless or not; plays the stage through the
// game's own loop, so nothing else may play meanwhile.
StageVerdict checkStage(const StageSource& stage, const CheckOptions& options);
