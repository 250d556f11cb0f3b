#pragma once

#include <cstdint>

// The run records that every gameplay part reads, and the run-wide signals.

enum class DemoMode : int32_t { None = 0, Playback = 1, Recording = 2 };

// How the current run is played, set by whoever starts the run. The four kinds
// of run: normal game (singleStage false, None), training (true, None),
// recording (true, Recording), playback (true, Playback).
struct PlayMode {
    bool singleStage = false;
    DemoMode demoMode = DemoMode::None;
    // Watched demos must not add to the lifetime statistics.
    bool statisticsEnabled = true;
};

// The state of the run that survives from stage to stage.
struct PlayRecord {
    int32_t stageIndex = 0;
    int32_t treasuresThisStage = 0;
    int32_t lives = 3;
    int32_t gold = 0; // towards the next extra life, 0..24
    int32_t cups = 0; // taken in this run
    int32_t timeLeft = 0;
    int32_t secondTicks = 0;
    int32_t goldThisStage = 0;
    bool cupThisStage = false;
};

enum PlayStateKind : int32_t { Playing = 0, Dying = 1, Intro = 2, GameOver = 3 };

// Where the stage's state machine stands, and the popups drawn over play.
struct PlayState {
    int32_t state = Playing;
    int32_t stateTicks = 0;
    bool hurryUp = false;
    bool oneUpShown = false;
    int32_t oneUpAge = 0;
    int32_t oneUpX = 0;
    float oneUpY = 0;
};

extern PlayMode playMode;
extern PlayRecord playRecord;
extern PlayState playState;
// The menus and the statistics speak of the statistics-enabled flag under this
// name; it is the same flag as playMode.statisticsEnabled.
extern bool& recordStats;

// The run-wide signals.
constexpr int mapFileCapacity = 80;
// The map of the current stage, relative to "DATA\".
extern char currentMapFile[mapFileCapacity];
// The run is to end.
extern bool quitFlag;
// The ball touched the goal this tick.
extern bool stageClearedFlag;
// Ticks simulated on the current stage; indexes the demo steering.
extern int32_t demoTickIndex;
// Ticks before the record button is honoured again.
extern int32_t recordCooldown;
// Stage clears since the run started: how a run ended, for tools and tests.
extern int32_t clearsThisRun;

// Stores the state and starts its tick count from 0.
void setPlayState(int32_t state);
// Zeroes the state's tick count and hides the hurry-up text and the 1UP popup.
void clearPopups();

// Ticks the countdown has run since the stage started or last restarted: a
// stage cleared in this tick has the clear tick one less, as a replay of its
// demo counts it.
int32_t stageTicksElapsed();

// A normal game through the stage set, as opposed to training or a demo run:
// only such runs change the unlock data.
bool inGameMode();
