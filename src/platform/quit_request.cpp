#include "platform/quit_request.h"

#include <atomic>
#include <csignal>

namespace {
// Set by a signal handler on whichever thread takes the signal: only a lock-free
// atomic is both safe there and seen by the main thread.
std::atomic<bool> quitFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void onQuitSignal(int) {
    quitFlag.store(true);
}

void catchSignal(int number) {
    struct sigaction current {};
    if (sigaction(number, nullptr, &current) != 0) return;
    if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted file and X calls carry on; the next signal gets the default
    // action back.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(number, &action, nullptr);
}
} // namespace

void installQuitSignals() {
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        catchSignal(number);
}

bool quitRequested() {
    return quitFlag.load();
}

void requestQuit() {
    quitFlag.store(true);
}

void clearQuitRequest() {
    quitFlag.store(false);
}
