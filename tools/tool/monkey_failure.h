#pragma once

#include <cstdint>
#include <string>

// How a monkey run ends when something is wrong: one line on standard error
// naming the fault, the seed and where the scratch tree was kept, and a
// non-zero status. Crashes (a fatal signal) end with that signal; a hang (no
// frame for the watchdog's real seconds) and every fault the monkey sees itself
// end with status 1.

// Installs the crash handlers and the watchdog (0 seconds: none).
void watchForCrashes(uint64_t seed, const std::string& treePath, int watchdogSeconds);
// Restarts the watchdog's count: called at every presented frame.
void armWatchdog();
void disarmWatchdog();
// What the crash line reports as the simulated minute.
void noteSimulatedMinute(int64_t minute);
// Reports a fault the monkey found, `where` telling the session and the time.
[[noreturn]] void monkeyFailed(const std::string& reason, const char* where);
