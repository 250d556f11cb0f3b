#include "progress/statistics.h"

Statistics statistics;

namespace {
constexpr const char* statisticsFile = "stats.dat";

void countCapped(int32_t& counter) {
    if (counter < statisticsCap) ++counter;
}

int32_t readCounter(DataReader& in) {
    int32_t value = readInt32(in);
    return in.failed() ? 0 : value;
}

// A damaged file must not give negative counts or a clock that never turns.
int32_t clamp(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}
} // namespace

void Statistics::countGameStarted() {
    countCapped(gamesStarted);
}

void Statistics::countGameCleared() {
    if (gamesCleared < INT32_MAX) ++gamesCleared;
}

void Statistics::countDemoSaved() {
    countCapped(demosSaved);
}

void Statistics::countLifeLost(DeathCause cause) {
    if (livesLost >= statisticsCap) return;
    ++livesLost;
    switch (cause) {
    case DeathCause::Hurt:
        ++deathsByHurt;
        break;
    case DeathCause::Time:
        ++deathsByTime;
        break;
    case DeathCause::Other:
        ++deathsByOther;
        break;
    }
}

void Statistics::countPlaySecond() {
    if (gameMinutes >= statisticsCap) return;
    if (++gameSeconds >= 60) {
        gameSeconds = 0;
        ++gameMinutes;
    }
}

void Statistics::deathCounts(int32_t out[3]) const {
    out[0] = deathsByHurt;
    out[1] = deathsByTime;
    out[2] = deathsByOther;
}

bool readStatistics(DataReader& in, Statistics& out) {
    Statistics s;
    s.gamesStarted = clamp(readCounter(in), 0, statisticsCap);
    s.gamesCleared = clamp(readCounter(in), 0, INT32_MAX);
    s.livesLost = clamp(readCounter(in), 0, statisticsCap);
    s.gameMinutes = clamp(readCounter(in), 0, statisticsCap);
    s.gameSeconds = clamp(readCounter(in), 0, 59);
    s.demosSaved = clamp(readCounter(in), 0, statisticsCap);
    s.deathsByHurt = clamp(readCounter(in), 0, statisticsCap);
    s.deathsByTime = clamp(readCounter(in), 0, statisticsCap);
    s.deathsByOther = clamp(readCounter(in), 0, statisticsCap);
    s.extraStagesUnlocked = readCounter(in) == 1 ? 1 : 0;
    out = s;
    return !in.failed();
}

void loadStatistics() {
    DataReader in;
    if (in.open(statisticsFile)) readStatistics(in, statistics);
}

bool saveStatistics() {
    // A file that cannot be written is skipped without a word.
    DataWriter out;
    if (!out.open(statisticsFile)) return false;
    const Statistics& s = statistics;
    for (int32_t value :
         {s.gamesStarted, s.gamesCleared, s.livesLost, s.gameMinutes, s.gameSeconds, s.demosSaved,
          s.deathsByHurt, s.deathsByTime, s.deathsByOther, s.extraStagesUnlocked})
        writeInt32(out, value);
    return out.commit();
}

int sharePercent(const int32_t* values, int n, int32_t part) {
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += values[i];
    if (sum == 0) return 0;
    return (int)((double)part / sum * 100.0);
}
