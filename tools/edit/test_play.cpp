#include "edit/test_play.h"
#include "edit/stage_check.h"

#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/map.h"
#include "level/play_shown.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/pointer.h"
#include "text/text_utils.h"

#include <algorithm>
#include <cstring>

bool testPlay(const StageSource& stage, int cellX, int cellY, const std::vector<uint8_t>* steering,
              std::string& fault) {
    MapFile map;
    if (!compileForPlay(stage, map, fault)) return false;
    if (cellX >= 0) {
        map.startX = cellX * 16;
        map.startY = cellY * 16;
    }
    releaseSimulatedKeys();
    setDisplayMode(320, 240, true);
    playShown = true;
    playMode = {true, steering ? DemoMode::Playback : DemoMode::None, false};
    playRecord = PlayRecord();
    playRecord.stageIndex = 0;
    if (steering) {
        clearSteering();
        std::copy(steering->begin(),
                  steering->begin() + std::min<size_t>(steering->size(), steeringCapacity),
                  demoSteering);
    }
    copyText(currentMapFile, "EDITED.MAP", mapFileCapacity);
    // The checks leave the clock full of the ticks they fed the game: play
    // starts from none.
    gameTicks = 0;
    startGameTimer(ticksPerSecond);
    if (buildMap(map, currentMapFile) && startLoadedStage()) runPlay();
    stopGameTimer();
    setDisplayMode(editorFrameWidth, editorFrameHeight, true);
    startPointer();
    return true;
}
