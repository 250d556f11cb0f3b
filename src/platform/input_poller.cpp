#include "platform/input_poller.h"

#include <allegro.h>
#include <allegro/platform/aintunix.h>

#include <csignal>
#include <ctime>
#include <pthread.h>

namespace {
constexpr int maxCallbacks = 8;
constexpr long periodNanos = 10'000'000; // as the library's own thread

pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t enabled = PTHREAD_COND_INITIALIZER;
bg_func callbacks[maxCallbacks];
int disabledCount = 0; // the library's DISABLE() calls not yet matched
bool running = false;
pthread_t thread;

void addNanos(timespec& t, long nanos) {
    t.tv_nsec += nanos;
    while (t.tv_nsec >= 1'000'000'000) {
        t.tv_nsec -= 1'000'000'000;
        t.tv_sec += 1;
    }
}

bool before(const timespec& a, const timespec& b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

void* poll(void*) {
    // Signals (Ctrl-C, the window manager's TERM) belong to the main thread.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        addNanos(next, periodNanos);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) != 0) {
        }
        // A thread held up for longer than a period runs the callbacks once,
        // not once for every period missed.
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (before(next, now)) next = now;
        pthread_mutex_lock(&lock);
        while (running && disabledCount > 0)
            pthread_cond_wait(&enabled, &lock);
        if (!running) {
            pthread_mutex_unlock(&lock);
            return nullptr;
        }
        for (bg_func f : callbacks)
            if (f) f(1);
        pthread_mutex_unlock(&lock);
    }
}

int start() {
    pthread_mutex_lock(&lock);
    running = true;
    disabledCount = 0;
    for (bg_func& f : callbacks)
        f = nullptr;
    pthread_mutex_unlock(&lock);
    if (pthread_create(&thread, nullptr, poll, nullptr) != 0) {
        running = false;
        return -1;
    }
    return 0;
}

void stop() {
    pthread_mutex_lock(&lock);
    bool was = running;
    running = false;
    pthread_cond_broadcast(&enabled);
    pthread_mutex_unlock(&lock);
    if (was) pthread_join(thread, nullptr);
}

int add(bg_func f) {
    pthread_mutex_lock(&lock);
    int result = -1;
    for (bg_func& slot : callbacks)
        if (!slot) {
            slot = f;
            result = 0;
            break;
        }
    pthread_mutex_unlock(&lock);
    return result;
}

int remove(bg_func f) {
    pthread_mutex_lock(&lock);
    for (bg_func& slot : callbacks)
        if (slot == f) slot = nullptr;
    pthread_mutex_unlock(&lock);
    return 0;
}

void enable() {
    pthread_mutex_lock(&lock);
    if (disabledCount > 0) --disabledCount;
    pthread_cond_broadcast(&enabled);
    pthread_mutex_unlock(&lock);
}

void disable() {
    pthread_mutex_lock(&lock);
    ++disabledCount;
    pthread_mutex_unlock(&lock);
}

int disabled() {
    pthread_mutex_lock(&lock);
    int count = disabledCount;
    pthread_mutex_unlock(&lock);
    return count;
}
} // namespace

void pollInputWithoutSpinning() {
    // The library picks its threaded manager when it starts; its entries are
    // ours from then on.
    _bg_man_pthreads.multi_threaded = 1;
    _bg_man_pthreads.init = start;
    _bg_man_pthreads.exit = stop;
    _bg_man_pthreads.register_func = add;
    _bg_man_pthreads.unregister_func = remove;
    _bg_man_pthreads.enable_interrupts = enable;
    _bg_man_pthreads.disable_interrupts = disable;
    _bg_man_pthreads.interrupts_disabled = disabled;
}
