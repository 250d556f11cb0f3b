#pragma once

#include "game/game_loop.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Everything a tick of play reads and changes, taken and put back whole, so a
// search can try one steering after another from the same moment. Pictures,
// sprites, particles and the statistics are left out: they never decide play;
// so is what never changes in play (the map, the enemies' make-up).
//
// A snapshot is a flat run of bytes, the same size for every moment of the
// stage in play, so that a search can keep millions of them without the heap.

// The bytes of a snapshot of the stage in play.
size_t snapshotSize();
void takeSnapshot(const PlayRun& run, uint8_t* out);
// The stage must be the one the snapshot was taken on.
void restoreSnapshot(const uint8_t* in, PlayRun& run);

// One snapshot in its own bytes.
struct PlaySnapshot {
    std::vector<uint8_t> bytes;
};
PlaySnapshot takeSnapshot(const PlayRun& run);
void restoreSnapshot(const PlaySnapshot& snapshot, PlayRun& run);
