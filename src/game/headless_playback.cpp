#include "game/headless_playback.h"

#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/hud.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/map.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

#include <cstdio>

namespace {
std::string stem(const char* name) {
    std::string s = name;
    size_t slash = s.find_last_of("/\\");
    if (slash != std::string::npos) s = s.substr(slash + 1);
    size_t dot = s.find_last_of('.');
    return dot == std::string::npos ? s : s.substr(0, dot);
}
} // namespace

std::string traceTickLine(int32_t tick) {
    char buffer[256];
    const Actor& b = ball;
    std::snprintf(buffer, sizeof buffer, "%d %d %d %d %d %d %d %.9g %.9g %.9g %.9g %.9g %d %d %d",
                  tick, playState.state, playRecord.timeLeft, playRecord.lives, playRecord.gold,
                  playRecord.cups, b.active ? 1 : 0, b.x, b.y, b.velocityX, b.fallSpeed,
                  b.riseSpeed, b.falling ? 1 : 0, b.rising ? 1 : 0, b.onGround ? 1 : 0);
    std::string line = buffer;
    for (int32_t i = 0; i < enemyCount; ++i) {
        const Enemy& e = enemies[i];
        std::snprintf(buffer, sizeof buffer, " | %d %.9g %.9g %.9g %d", e.active ? 1 : 0, e.x, e.y,
                      e.velocityX, e.direction);
        line += buffer;
    }
    return line;
}

const char* playbackEndName(PlaybackResult::End end) {
    switch (end) {
    case PlaybackResult::Cleared:
        return "cleared";
    case PlaybackResult::Died:
        return "died";
    case PlaybackResult::TimedOut:
        return "timeout";
    default:
        return "unfinished";
    }
}

PlaybackResult playDemoHeadless(DataReader& in, const char* name, const PlaybackOptions& options) {
    PlaybackResult result;
    DemoFile demo;
    if (!in.isOpen() || !readDemoFile(in, demo)) {
        showMessage("Error", joinText("Unable to open ", name));
        return result;
    }
    result.recordedDied = demo.header.died;
    result.recordedCups = demo.header.cups;
    result.recordedClearTime = demo.header.clearTime;
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    useDemo(demo);
    copyText(playbackDemoName, stem(name).c_str(), sizeof playbackDemoName);
    if (!startStage()) return result;

    int32_t ticksPerFrame = options.ticksPerFrame > 0 ? options.ticksPerFrame : 1;
    setFrameHook([ticksPerFrame]() { gameTicks += ticksPerFrame; });
    int32_t tick = -1;
    int32_t previousTimeLeft = playRecord.timeLeft;
    int32_t previousState = playState.state;
    bool timedOut = false;
    setTickHook([&]() {
        ++tick;
        // The countdown's death takes the last second: 1 becomes 0 as the
        // dying starts.
        if (playState.state == Dying && previousState != Dying)
            timedOut = previousTimeLeft == 1 && playRecord.timeLeft == 0;
        previousTimeLeft = playRecord.timeLeft;
        previousState = playState.state;
        if (options.onTick) options.onTick(tick);
        if (tick + 1 >= options.maxTicks) quitFlag = true;
    });
    gameTicks = 0;
    startGameTimer(ticksPerSecond);
    runPlay(options.rate > 0 ? options.rate : ticksPerSecond);
    setFrameHook(nullptr);
    setTickHook(nullptr);

    result.tick = tick;
    result.cups = playRecord.cups;
    result.gold = playRecord.goldThisStage;
    result.clearTime = currentMap.timeText;
    if (clearsThisRun > 0)
        result.end = PlaybackResult::Cleared;
    else if (playState.state == Dying)
        result.end = timedOut ? PlaybackResult::TimedOut : PlaybackResult::Died;
    else
        result.end = PlaybackResult::Unfinished;
    return result;
}
