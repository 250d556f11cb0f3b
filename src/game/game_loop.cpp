#include "game/game_loop.h"

#include "game/actor_physics.h"
#include "game/ball.h"
#include "game/camera.h"
#include "game/demo.h"
#include "game/ghost.h"
#include "game/hud.h"
#include "game/pause_and_prompt.h"
#include "game/play_records.h"
#include "game/play_statistics.h"
#include "game/stage_flow.h"
#include "game/world_drawing.h"
#include "level/map.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/pad.h"
#include "platform/quit_request.h"
#include "ui/sound_table.h"

namespace {
constexpr int32_t notesTicks = 600;
constexpr int32_t pauseCooldownTicks = 60;
constexpr int32_t hurryUpSeconds = 10;
constexpr float hurryUpSpeed = 1.3f;
constexpr int beginnerNotesX = 310 - 160;
constexpr int beginnerNotesY = 80;

void steer(bool actionHeld) {
    if (playMode.demoMode == DemoMode::Playback) {
        // The dead ball still gets the demo's thrust: nothing here asks
        // whether it is active.
        uint8_t steering = steeringAt(demoTickIndex);
        if (steering == steerLeft)
            thrust(ball, thrustLeft);
        else if (steering == steerRight)
            thrust(ball, thrustRight);
        return;
    }
    // What is stored is what was applied: a held action button records 0.
    uint8_t applied = steerNone;
    if (isLeftHeld() && !actionHeld) {
        thrust(ball, thrustLeft);
        applied = steerLeft;
    } else if (isRightHeld() && !actionHeld) {
        thrust(ball, thrustRight);
        applied = steerRight;
    }
    if (playMode.demoMode == DemoMode::Recording) recordSteering(demoTickIndex, applied);
}

// The camera lock on the button's press edge; while it is held the arrows
// scroll the view.
void handleActionButton(LoopState& loop, bool held) {
    if (!held) {
        loop.actionLatch = false;
        return;
    }
    if (!loop.actionLatch) {
        loop.actionLatch = true;
        if (currentMap.cameraLocked)
            unlockCamera();
        else
            lockCamera();
    }
    if (isUpHeld())
        scrollCamera(0, -2);
    else if (isDownHeld())
        scrollCamera(0, 2);
    if (isLeftHeld())
        scrollCamera(-2, 0);
    else if (isRightHeld())
        scrollCamera(2, 0);
}

// The stage's countdown and the two deaths that nobody causes. The state is
// looked at once for the whole step.
void countdownAndFalls() {
    if (playState.state != Playing && playState.state != Intro) return;
    PlayRecord& r = playRecord;
    if (++r.secondTicks == ticksPerSecond) {
        countPlaySecond();
        r.secondTicks = 0;
        r.timeLeft -= 1;
        if (r.timeLeft == hurryUpSeconds && !playState.hurryUp) {
            playState.hurryUp = true;
            currentMap.music.setSpeed(hurryUpSpeed);
        }
        if (r.timeLeft == 0) {
            currentMap.music.setSpeed(1.0f);
            playState.hurryUp = false;
            countLifeLost(DeathCause::Time);
            killActor(ball);
            setPlayState(Dying);
        }
    }
    if ((float)(currentMap.height * 16) < ball.y) {
        countLifeLost(DeathCause::Other);
        killActor(ball);
    }
}

} // namespace

void PlayRun::setPlaybackRate(int ticksPerSecond) {
    rate = ticksPerSecond;
    stopGameTimer(); // throws the pending ticks away
    startGameTimer(rate);
}

namespace {
const int playbackRates[] = {15, 30, ticksPerSecond, 90};
constexpr int rateCount = 4;
} // namespace

// The notes, the four speeds and the pause, read as held every tick (F1 to F4
// and SPACE unless the player bound others); a held speed starts the clock
// afresh every tick. In playback the pad's shoulders step the speed down and
// up, once a press.
void PlayRun::handleFunctionKeys() {
    DemoMode mode = playMode.demoMode;
    if (mode == DemoMode::None && isActionHeld(Action::Notes)) loop.notesTimer = notesTicks;
    if (mode == DemoMode::Playback) {
        for (int i = 0; i < rateCount; ++i)
            if (isActionHeld(Action(int(Action::Speed1) + i))) {
                setPlaybackRate(playbackRates[i]);
                return;
            }
        stepPlaybackRate();
        return;
    }
    // Losing the window's focus pauses as the pause key does (never in a
    // playback, which goes on); it waits for the pause's cooldown.
    if (mode == DemoMode::None && loop.pauseCooldown == 0 &&
        (isActionHeld(Action::Pause) || takeFocusLoss())) {
        sfxStart.play();
        pauseScreen();
        takeFocusLoss(); // leaving the window while paused asks for nothing more
        // Any button leaves the pause; the one that did must not act again on
        // the next tick (ESC would end the run or ask to, F2 would restart the
        // stage as a recording), so all three wait for their release.
        loop.actionLatch = true;
        loop.exitLatch = true;
        loop.recordLatch = true;
        loop.pauseCooldown = pauseCooldownTicks;
    }
}

void PlayRun::stepPlaybackRate() {
    bool slower = padButtonHeld(PadButton::LeftShoulder);
    bool faster = padButtonHeld(PadButton::RightShoulder);
    int step = (slower && !shoulderHeld[0] ? -1 : 0) + (faster && !shoulderHeld[1] ? 1 : 0);
    shoulderHeld[0] = slower;
    shoulderHeld[1] = faster;
    if (step == 0) return;
    int current = 0;
    while (current < rateCount - 1 && playbackRates[current] < rate)
        ++current;
    int next = current + step;
    if (next >= 0 && next < rateCount) setPlaybackRate(playbackRates[next]);
}

TickOutcome PlayRun::tick() {
    pollJoystick();
    bool action, exit, record;
    readButtons(action, exit, record);
    steer(action);

    if (!exit) {
        loop.exitLatch = false;
    } else if (!loop.exitLatch) {
        loop.exitLatch = true;
        if (playMode.singleStage) {
            quitFlag = true; // the rest of this tick still runs
        } else if (exitPrompt()) {
            quitFlag = true;
            return TickOutcome::EndRun;
        } else {
            // "No!": the button counts as held and latched for this tick.
            action = true;
            loop.actionLatch = true;
            unlockCamera();
        }
    }
    handleActionButton(loop, action);
    if (!record) loop.recordLatch = false;
    if (record && !loop.recordLatch && playMode.demoMode != DemoMode::Playback &&
        playMode.singleStage && recordCooldown == 0)
        return TickOutcome::RecordRequested;
    handleFunctionKeys();
    if (loop.pauseCooldown > 0) loop.pauseCooldown -= 1;
    countdownAndFalls();
    gameTicks -= 1;

    updateActor(ball);
    for (int32_t i = 0; i < enemyCount; ++i)
        updateActor(enemies[i]);
    updateMap();
    updatePlayState();
    recordGhostSample();
    bool cleared = stageClearedFlag;
    if (cleared) {
        stageClearedFlag = false;
        stageClear();
    }
    runTickHook();
    if (cleared && playMode.singleStage) {
        makeClearTimeText();
        if (playMode.demoMode == DemoMode::Recording) {
            saveDemoDialog(0);
            fadeOut();
        }
        return TickOutcome::EndRun; // nextStage has set quitFlag
    }
    if (!cleared && quitFlag) return TickOutcome::EndRun;
    demoTickIndex += 1;
    if (recordCooldown > 0) recordCooldown -= 1;
    if (loop.notesTimer > 0) loop.notesTimer -= 1;
    // After the last stage of a set the run is over: no further tick may run on
    // the stage that was just cleared.
    if (cleared && quitFlag) return TickOutcome::EndRun;
    return TickOutcome::Continue;
}

void PlayRun::drawFrame() const {
    drawMap();
    drawStatusBar();
    drawOverlays();
    if (loop.notesTimer > 0) drawBeginnerNotes(beginnerNotesX, beginnerNotesY);
    presentFrame();
}

void PlayRun::begin(int playbackRate) {
    fpsCounter.start();
    takeFocusLoss(); // a window left in a menu is no reason to pause the run
    if (playMode.demoMode == DemoMode::Playback && playbackRate != gameTimerRate())
        setPlaybackRate(playbackRate);
    rate = gameTimerRate();
    playRecord.lives = 3;
    playRecord.gold = 0;
    playRecord.cups = 0;
    giveBallItsProperties();
    if (playMode.singleStage) playRecord.lives = 99;
    loop = LoopState();
    quitFlag = false;
    clearsThisRun = 0;
}

int PlayRun::end(TickOutcome outcome) {
    if (outcome == TickOutcome::RecordRequested) return recordRequested;
    // A playback speed never outlives its run.
    stopGameTimer();
    startGameTimer(ticksPerSecond);
    currentMap.music.unload();
    return runEnded;
}

int runPlay(int playbackRate) {
    PlayRun run;
    run.begin(playbackRate);
    TickOutcome outcome = TickOutcome::Continue;
    while (!quitFlag && outcome == TickOutcome::Continue) {
        while (gameTicks > 0 && outcome == TickOutcome::Continue)
            outcome = run.tick();
        if (outcome != TickOutcome::Continue) break;
        // Leaving the game (a signal) ends the run as the exit button would.
        if (quitRequested()) break;
        run.drawFrame();
    }
    return run.end(outcome);
}
