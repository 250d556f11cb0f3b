#pragma once

#include "platform/clock.h"

#include <cstdint>

// Runs one play run (a normal game through the stage set, training on one
// stage, a demo recording or a demo playback) as a fixed-step simulation at the
// game clock: every pending tick is one logic step, and one frame is drawn per
// pass. The caller has set `playMode`, `playRecord.stageIndex` and
// `currentMapFile`, and `startStage` has succeeded.
//
// Returns runEnded when the run ended, or recordRequested when the player
// pressed the record button in training (the caller then restarts the stage
// as a recording).
constexpr int runEnded = 0;
constexpr int recordRequested = 1;
// `playbackRate`: the clock's rate (15, 30, 60 or 90 ticks a second) from the
// start of a demo playback, until a speed key changes it.
int runPlay(int playbackRate = ticksPerSecond);

enum class TickOutcome { Continue, EndRun, RecordRequested };

// What survives from one tick to the next inside one run, besides the records.
struct LoopState {
    bool exitLatch = false;
    // Set only when the pause ends; the record button is otherwise read as held.
    bool recordLatch = false;
    // Set at the start, so that a button still held from a menu does not toggle
    // the camera.
    bool actionLatch = true;
    int32_t notesTimer = 0;
    int32_t pauseCooldown = 0;
};

// The run of runPlay step by step, for whoever drives the ticks itself (the
// solver): begin, then tick while it says Continue (each consumes one pending
// tick of the clock), then end.
class PlayRun {
public:
    void begin(int playbackRate = ticksPerSecond);
    TickOutcome tick();
    void drawFrame() const;
    int end(TickOutcome outcome);
    // The clock's rate in a playback: the four speeds of a viewer.
    void setPlaybackRate(int ticksPerSecond);
    int playbackRate() const { return rate; }

    LoopState loop;

private:
    void handleFunctionKeys();
    void stepPlaybackRate();
    int rate = ticksPerSecond;
    bool shoulderHeld[2] = {};
};
