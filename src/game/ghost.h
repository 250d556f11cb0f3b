#pragma once

#include "progress/ghost_format.h"

#include <cstdint>
#include <string>
#include <vector>

// The ghost: the ball's path through a stage's best clear in training, drawn
// half-transparent in later training runs of that stage, in step with the run
// (the sample of tick N beside the ball of tick N). It only reads play: a run
// goes exactly the same with a ghost drawn or without.

// After each logic step: where the ball is now, as the tick of this life of
// the stage counts it (a restart after a death starts the path again).
void recordGhostSample();
// The path recorded on the stage's current life.
const std::vector<GhostSample>& recordedGhostPath();

// Keeps the recorded path, up to the clear tick, as the ghost of `mapFile` as
// its map hashes now; false (a log line, the old file kept) when it cannot be
// written.
bool saveRecordedGhost(const char* mapFile, const std::string& mapHash, int32_t clearTick);

// Takes the ghost of `mapFile` as its map is now for the runs to come; false,
// and no ghost, when it has none (a damaged file gets a log line).
bool raceGhost(const char* mapFile);
// No ghost any more.
void stopGhost();
// The ghost's sample for the state of play now, or null when none is drawn
// (no ghost, or its run has ended).
const GhostSample* ghostSampleNow();
// Draws the ghost's ball into the back buffer, half-transparent.
void drawGhost();
