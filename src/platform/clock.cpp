#include "platform/clock.h"

#include "platform/headless.h"
#include "platform/quit_request.h"

#include <allegro.h>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <time.h>

std::atomic<int32_t> gameTicks{0};
FpsCounter fpsCounter;

namespace {
bool running = false;
int rate = 0;
// Wakes waitForTick. A signal handler may not touch it, so the wait also looks
// at the quit flag between slices of at most this length.
std::mutex tickMutex;
std::condition_variable tickArrived;
const auto waitSlice = std::chrono::milliseconds(50);

void onGameTick() {
    gameTicks.fetch_add(1);
    // Taking the lock orders the tick after a waiter's check, so no wake is lost.
    { std::lock_guard<std::mutex> lock(tickMutex); }
    tickArrived.notify_all();
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
    std::unique_lock<std::mutex> lock(tickMutex);
    while (gameTicks.load() <= 0 && !quitRequested())
        tickArrived.wait_for(lock, waitSlice);
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
