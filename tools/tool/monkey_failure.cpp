#include "tool/monkey_failure.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {
// The end of every failure line, built in advance: the signal handlers may not
// format or allocate.
char lineEnd[512];
int watchdog = 0;
volatile sig_atomic_t simulatedMinute = 0;

void appendText(char (&line)[600], const char* text) {
    std::strncat(line, text, sizeof line - std::strlen(line) - 1);
}

void appendNumber(char (&line)[600], long value) {
    char digits[24];
    int n = 0;
    unsigned long v = value < 0 ? 0ul - (unsigned long)value : (unsigned long)value;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    char text[26];
    int at = 0;
    if (value < 0) text[at++] = '-';
    while (n)
        text[at++] = digits[--n];
    text[at] = '\0';
    appendText(line, text);
}

void writeLine(const char (&line)[600]) {
    const char* text = line;
    size_t left = std::strlen(text);
    while (left) {
        ssize_t done = ::write(2, text, left);
        if (done <= 0) return;
        text += done;
        left -= (size_t)done;
    }
}

void onCrash(int signal) {
    char line[600] = "tumblo-tool monkey: crashed (signal ";
    appendNumber(line, signal);
    appendText(line, ") at simulated minute ");
    appendNumber(line, simulatedMinute);
    appendText(line, lineEnd);
    writeLine(line);
    // Handled once: raising it again ends the process as the signal would.
    std::raise(signal);
}

void onHang(int) {
    char line[600] = "tumblo-tool monkey: hung: no frame presented for ";
    appendNumber(line, watchdog);
    appendText(line, " seconds of real time, at simulated minute ");
    appendNumber(line, simulatedMinute);
    appendText(line, lineEnd);
    writeLine(line);
    _exit(1);
}
} // namespace

void watchForCrashes(uint64_t seed, const std::string& treePath, int watchdogSeconds) {
    std::snprintf(lineEnd, sizeof lineEnd, " (seed %llu; tree kept in %s)\n",
                  (unsigned long long)seed, treePath.c_str());
    watchdog = watchdogSeconds;
    for (int number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction action {};
        action.sa_handler = onCrash;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(number, &action, nullptr);
    }
    std::signal(SIGALRM, onHang);
}

void armWatchdog() {
    if (watchdog > 0) alarm((unsigned)watchdog);
}

void disarmWatchdog() {
    alarm(0);
}

void noteSimulatedMinute(int64_t minute) {
    simulatedMinute = (sig_atomic_t)minute;
}

void monkeyFailed(const std::string& reason, const char* where) {
    std::fprintf(stderr, "tumblo-tool monkey: %s (%s; %s", reason.c_str(), where, lineEnd + 2);
    std::fflush(stderr);
    std::_Exit(1);
}
