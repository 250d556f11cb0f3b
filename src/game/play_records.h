#pragma once

#include <cstdint>

// The run records that every gameplay part reads. Only the data lives here; the
// game loop sets and advances them.

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

extern PlayMode playMode;
extern PlayRecord playRecord;
// The menus and the statistics speak of the statistics-enabled flag under this
// name; it is the same flag as playMode.statisticsEnabled.
extern bool& recordStats;

// A normal game through the stage set, as opposed to training or a demo run:
// only such runs change the unlock data.
inline bool inGameMode() {
    return !playMode.singleStage && playMode.demoMode == DemoMode::None;
}
