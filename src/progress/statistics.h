#pragma once

#include "text/data_file.h"

#include <cstdint>

// Lifetime counters of play, kept in "stats.dat" (ten integers in this order).
// Every counter but gamesCleared stops at statisticsCap; change them through the
// count operations, which keep that rule. Whether a run counts at all (a watched
// demo does not) is for the game to decide before it calls them.

constexpr int32_t statisticsCap = 99999;

enum class DeathCause { Hurt, Time, Other };

struct Statistics {
    int32_t gamesStarted = 0;
    int32_t gamesCleared = 0;
    int32_t livesLost = 0;
    int32_t gameMinutes = 0;
    int32_t gameSeconds = 0;
    int32_t demosSaved = 0;
    int32_t deathsByHurt = 0;
    int32_t deathsByTime = 0;
    int32_t deathsByOther = 0;
    int32_t extraStagesUnlocked = 0;

    void countGameStarted();
    void countGameCleared();
    void countDemoSaved();
    // A lost life and its cause; none once livesLost stands at the cap.
    void countLifeLost(DeathCause cause);
    // One second of play; none once gameMinutes stands at the cap.
    void countPlaySecond();
    // The three death counters in screen order: hurt, time, other.
    void deathCounts(int32_t out[3]) const;
};

extern Statistics statistics;

void loadStatistics();
bool saveStatistics();

// Reads the ten counters; those beyond the end of a short file read as 0, and
// counters out of their range are brought back into it. False when short.
bool readStatistics(DataReader& in, Statistics& out);

// The share of `part` in the sum of the n values in whole percent, truncated;
// 0 when the sum is 0.
int sharePercent(const int32_t* values, int n, int32_t part);
