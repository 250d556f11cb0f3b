#pragma once

#include <cstdint>
#include <functional>
#include <string>

class DataReader;

// A demo played back through the real game loop without a window, as fast as
// the machine allows: the clock is fed a batch of ticks per drawn frame. For
// the companion tool, the tests and the benchmarks. The library must be
// started headless and the shared pictures loaded (for the sprites); sound may
// be off.

struct PlaybackOptions {
    // 15, 30, 60 or 90: the playback speed of the run, as a viewer would
    // choose it; 0 the normal one.
    int rate = 0;
    // Ticks handed to the loop per frame.
    int32_t ticksPerFrame = 4096;
    // A run still going after this many ticks is stopped (a stage with no time
    // limit could otherwise play for ever).
    int64_t maxTicks = 10'000'000;
    // After every simulated tick, with its number from 0.
    std::function<void(int32_t tick)> onTick;
};

struct PlaybackResult {
    enum End { Cleared, Died, TimedOut, Unfinished, NotStarted };
    End end = NotStarted;
    int32_t tick = -1; // the tick of the end
    int32_t cups = 0;  // taken in the run
    int32_t gold = 0;  // taken on the stage
    std::string clearTime;
    // The header of the demo, for checking the outcome it records.
    int32_t recordedDied = 0;
    int32_t recordedCups = 0;
    std::string recordedClearTime;
};

// Plays the demo read from `in`; `name` is what messages and the intro show.
// NotStarted when the demo or its map cannot be read (the message has been
// given).
PlaybackResult playDemoHeadless(DataReader& in, const char* name, const PlaybackOptions& options);

// "cleared", "died", "timeout" or "unfinished".
const char* playbackEndName(PlaybackResult::End end);

// One line of the trace of a run, after a simulated tick: the tick, the play
// state, time, lives, gold and cups, the ball, then each enemy after " | ".
// Booleans are 0 or 1, floats "%.9g".
std::string traceTickLine(int32_t tick);
