#include "game/play_snapshot.h"

#include "game/ball.h"

PlaySnapshot takeSnapshot(const PlayRun& run) {
    PlaySnapshot s;
    s.ball = ball;
    s.enemies.assign(enemies.get(), enemies.get() + enemyCount);
    s.bonuses.assign(currentMap.bonuses.get(), currentMap.bonuses.get() + currentMap.bonusCount);
    s.cameraX = currentMap.cameraX;
    s.cameraY = currentMap.cameraY;
    s.cameraLocked = currentMap.cameraLocked;
    s.lockCameraX = currentMap.lockCameraX;
    s.lockCameraY = currentMap.lockCameraY;
    s.record = playRecord;
    s.state = playState;
    s.mode = playMode;
    s.demoTickIndex = demoTickIndex;
    s.recordCooldown = recordCooldown;
    s.clearsThisRun = clearsThisRun;
    s.quitFlag = quitFlag;
    s.stageClearedFlag = stageClearedFlag;
    s.loop = run.loop;
    return s;
}

void restoreSnapshot(const PlaySnapshot& s, PlayRun& run) {
    ball = s.ball;
    for (size_t i = 0; i < s.enemies.size() && (int32_t)i < enemyCount; ++i)
        enemies[(int32_t)i] = s.enemies[i];
    for (size_t i = 0; i < s.bonuses.size() && (int32_t)i < currentMap.bonusCount; ++i)
        currentMap.bonuses[(int32_t)i] = s.bonuses[i];
    currentMap.cameraX = s.cameraX;
    currentMap.cameraY = s.cameraY;
    currentMap.cameraLocked = s.cameraLocked;
    currentMap.lockCameraX = s.lockCameraX;
    currentMap.lockCameraY = s.lockCameraY;
    playRecord = s.record;
    playState = s.state;
    playMode = s.mode;
    demoTickIndex = s.demoTickIndex;
    recordCooldown = s.recordCooldown;
    clearsThisRun = s.clearsThisRun;
    quitFlag = s.quitFlag;
    stageClearedFlag = s.stageClearedFlag;
    run.loop = s.loop;
}
