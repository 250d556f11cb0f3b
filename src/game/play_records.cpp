#include "game/play_records.h"

#include "level/map.h"
#include "platform/clock.h"

PlayMode playMode;
PlayRecord playRecord;
PlayState playState;
bool& recordStats = playMode.statisticsEnabled;

char currentMapFile[mapFileCapacity] = {};
bool quitFlag = false;
bool stageClearedFlag = false;
int32_t demoTickIndex = 0;
int32_t recordCooldown = 0;
int32_t clearsThisRun = 0;

void setPlayState(int32_t state) {
    playState.state = state;
    playState.stateTicks = 0;
}

void clearPopups() {
    playState.stateTicks = 0;
    playState.hurryUp = false;
    playState.oneUpShown = false;
}

bool inGameMode() {
    return !playMode.singleStage && playMode.demoMode == DemoMode::None;
}

int32_t stageTicksElapsed() {
    return (currentMap.timeLimit - playRecord.timeLeft) * ticksPerSecond + playRecord.secondTicks;
}
