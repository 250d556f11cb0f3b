#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Searches the steering that clears the loaded stage (taking every cup when
// asked), with the game's own simulation: segments of steering held for a few
// ticks, states already reached skipped, the most promising first: ticks spent
// plus an estimate of the ticks still needed, taken from a rough picture of how
// the ball moves between the stage's cells (cell_distances.h). It prefers short
// ways but proves nothing: the estimate can be wrong both ways.

struct SolverOptions {
    bool takeCups = false;
    double budgetSeconds = 60;
    int segmentTicks = 6;
    // Above 1 the estimate of the ticks still needed counts for more than the
    // ticks spent: a greedier search that finds a way sooner, often a longer one.
    double weight = 1;
    // States whose speeds differ by little count as one (see stateKey).
    bool coarse = false;
    // The search gives up when it holds this many states (memory: each state
    // waiting to be expanded keeps a snapshot of play).
    size_t maxNodes = 20'000'000;
    // The steering a demo file can carry.
    int32_t maxTicks = 9001;
    // Looked at between states: once it holds true the search stops, as when
    // the budget runs out. Another thread may set it (a stage editor whose
    // modder painted on).
    const std::atomic<bool>* cancel = nullptr;
    // Processes forked to play states ahead on other cores (0 or 1). The
    // search takes their outcomes in its own order, so it finds the same way
    // either way. A program with threads of its own (sound, a window) may want
    // none: only the forking thread lives on in a helper. None by default: the
    // search dives, so the node it takes next is mostly a child it has just
    // made, which no helper has played; on a machine whose cores are shared
    // the helper's hand-overs cost the search more than its play saves it.
    int helpers = 0;
};

struct SolverResult {
    bool found = false;
    std::vector<uint8_t> steering; // one byte per tick, up to the clear
    int32_t clearTick = -1;
    int64_t statesExplored = 0;
    double seconds = 0;
    bool cancelled = false;
};

// The stage (`currentMapFile`) must have been started as a demo playback.
SolverResult solveStage(const SolverOptions& options);
