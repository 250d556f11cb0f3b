#pragma once

#include "game/game_loop.h"
#include "game/play_records.h"
#include "level/actor.h"
#include "level/map.h"

#include <cstdint>
#include <vector>

// Everything a tick of play reads and changes, taken and put back whole, so a
// search can try one steering after another from the same moment. Pictures,
// particles and the statistics are left out: they never decide play.
struct PlaySnapshot {
    Actor ball;
    std::vector<Enemy> enemies;
    std::vector<Bonus> bonuses;
    int32_t cameraX = 0, cameraY = 0;
    bool cameraLocked = false, lockCameraX = false, lockCameraY = false;
    PlayRecord record;
    PlayState state;
    PlayMode mode;
    int32_t demoTickIndex = 0;
    int32_t recordCooldown = 0;
    int32_t clearsThisRun = 0;
    bool quitFlag = false;
    bool stageClearedFlag = false;
    LoopState loop;
};

PlaySnapshot takeSnapshot(const PlayRun& run);
// The stage must be the one the snapshot was taken on.
void restoreSnapshot(const PlaySnapshot& snapshot, PlayRun& run);
