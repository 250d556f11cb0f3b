#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Searches the steering that clears the loaded stage (taking every cup when
// asked), with the game's own simulation: segments of steering held for a few
// ticks, states already reached skipped, the shortest way first (an estimate of
// the ticks still needed steers the search towards the goal).

struct SolverOptions {
    bool takeCups = false;
    double budgetSeconds = 60;
    int segmentTicks = 6;
    // The steering a demo file can carry.
    int32_t maxTicks = 9001;
};

struct SolverResult {
    bool found = false;
    std::vector<uint8_t> steering; // one byte per tick, up to the clear
    int32_t clearTick = -1;
    int64_t statesExplored = 0;
    double seconds = 0;
};

// The stage (`currentMapFile`) must have been started as a demo playback.
SolverResult solveStage(const SolverOptions& options);
