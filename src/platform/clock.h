#pragma once

#include <atomic>
#include <cstdint>

// The game clock's normal rate: every duration of play is counted in its ticks.
constexpr int ticksPerSecond = 60;

// Pending ticks of the game clock: +1 from the timer thread, -1 per logic step.
extern std::atomic<int32_t> gameTicks;

// Installs the tick counter at the given rate unless it already runs (then the
// rate stays as it was; stop first to change it).
void startGameTimer(int ticksPerSecond);
// Removes the counter and throws the pending ticks away.
void stopGameTimer();
bool gameTimerRunning();
int gameTimerRate();

// Blocks until a tick is pending, the clock is stopped or a quit is requested
// (a signal is noticed within 50 ms). Used by the display layer so that a frame
// is not presented twice while nothing has changed.
void waitForTick();

// Milliseconds from a monotonic clock.
uint32_t millisecondClock();

// Measures how many frames per second are actually presented.
class FpsCounter {
public:
    void start();
    void frameDone();

    uint32_t lastTick = 0;
    int32_t frames = 0;
    float fps = 0;
    float fpsSum = 0;
    int32_t periods = 0;
    float fpsAverage = 0;
};

extern FpsCounter fpsCounter;
