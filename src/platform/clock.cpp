#include "platform/clock.h"

#include "platform/headless.h"

#include <allegro.h>
#include <time.h>

std::atomic<int32_t> gameTicks{0};
FpsCounter fpsCounter;

namespace {
bool running = false;
int rate = 0;

void onGameTick() {
    gameTicks.fetch_add(1);
    gameTicks.notify_all();
}
END_OF_STATIC_FUNCTION(onGameTick)
} // namespace

void startGameTimer(int ticksPerSecond) {
    if (running) return;
    // Without a timer thread (headless runs) the frame hook feeds the ticks.
    if (!headlessMode) install_int_ex(onGameTick, BPS_TO_TIMER(ticksPerSecond));
    running = true;
    rate = ticksPerSecond;
}

void stopGameTimer() {
    if (!running) return;
    if (!headlessMode) remove_int(onGameTick);
    gameTicks = 0;
    running = false;
}

bool gameTimerRunning() {
    return running;
}
int gameTimerRate() {
    return rate;
}

void waitForTick() {
    if (headlessMode || !running) return;
    int32_t seen = gameTicks.load();
    while (seen <= 0) {
        gameTicks.wait(seen);
        seen = gameTicks.load();
    }
}

uint32_t millisecondClock() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)((uint64_t)now.tv_sec * 1000u + (uint64_t)now.tv_nsec / 1000000u);
}

void FpsCounter::start() {
    lastTick = millisecondClock();
    frames = 0;
    fps = 0;
    fpsSum = 0;
    periods = 0;
    fpsAverage = 0;
}

void FpsCounter::frameDone() {
    float elapsed = (float)(millisecondClock() - lastTick) * 0.001f;
    if (elapsed < 1.0f) {
        frames += 1;
        return;
    }
    fps = (float)frames / elapsed;
    periods += 1;
    fpsSum += fps;
    fpsAverage = fpsSum / (float)periods;
    frames = 0;
    lastTick = millisecondClock();
}
