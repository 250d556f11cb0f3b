#include "edit/live_check.h"

void LiveCheck::start(const StageSource& stage, int revision, double budgetSeconds) {
    stop();
    cancel = false;
    busy = true;
    checkedRevision = revision;
    worker = std::thread([this, stage, budgetSeconds]() {
        CheckOptions options;
        options.budgetSeconds = budgetSeconds;
        options.cancel = &cancel;
        // No helper process: only the forking thread would live on in it.
        options.helpers = 0;
        options.loadPlayPictures = false; // the window draws them meanwhile
        StageVerdict verdict = checkStage(stage, options);
        if (verdict.kind != StageVerdict::Cancelled) {
            std::lock_guard<std::mutex> guard(lock);
            result = verdict;
            ready = true;
        }
        busy = false;
    });
}

void LiveCheck::cancelRunning() {
    if (busy) cancel = true;
}

void LiveCheck::stop() {
    bool wasBusy = busy;
    cancel = true;
    if (worker.joinable()) worker.join();
    busy = false;
    // A check cut short has no verdict: its revision is checked again.
    if (wasBusy) checkedRevision = -1;
}

bool LiveCheck::take(StageVerdict& verdict) {
    std::lock_guard<std::mutex> guard(lock);
    if (!ready) return false;
    verdict = result;
    ready = false;
    return true;
}
