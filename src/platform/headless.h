#pragma once

#include <functional>

// Headless runs (tests and tools): no window, no timer thread, no keyboard driver.
// The frame hook runs after every presented frame and may set inputs and add
// ticks; the tick hook runs after every logic step of the game loop.
extern bool headlessMode;

using Hook = std::function<void()>;
void setFrameHook(Hook hook);
void setTickHook(Hook hook);
void runFrameHook();
void runTickHook();
