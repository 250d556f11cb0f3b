#pragma once

#include "edit/stage_check.h"

#include <atomic>
#include <mutex>
#include <thread>

// The check running in the background while the modder paints on: one at a
// time, each of a revision of the stage; a newer change cancels it through the
// solver's cancel flag.
class LiveCheck {
public:
    ~LiveCheck() { stop(); }
    // Checks a copy of `stage`, cancelling a check still running.
    void start(const StageSource& stage, int revision, double budgetSeconds);
    // Cancels the check (if any) and waits for its thread: nothing else may play
    // the game's loop while it runs.
    void stop();
    // Asks a running check to stop, without waiting for it: the stage changed.
    void cancelRunning();
    bool running() const { return busy; }
    // The revision being checked or last checked (-1 none).
    int revision() const { return checkedRevision; }
    // True once for each check that ended with a verdict.
    bool take(StageVerdict& verdict);

private:
    std::thread worker;
    std::atomic<bool> cancel{false};
    std::atomic<bool> busy{false};
    std::mutex lock;
    bool ready = false;
    StageVerdict result;
    int checkedRevision = -1;
};
