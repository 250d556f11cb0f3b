// info --kind stats: the lifetime counters with the death shares.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "progress/statistics.h"

namespace {
bool printStats(const char* path, std::FILE* out) {
    DataReader in;
    Statistics s;
    if (!openCommandLineFile(path, in) || !readStatistics(in, s)) return false;
    int32_t deaths[3];
    s.deathCounts(deaths);
    std::fprintf(out,
                 "stats %s\ngamesStarted %d\ngamesCleared %d\nlivesLost %d\ngameMinutes %d\n"
                 "gameSeconds %d\ndemosSaved %d\n",
                 path, s.gamesStarted, s.gamesCleared, s.livesLost, s.gameMinutes, s.gameSeconds,
                 s.demosSaved);
    std::fprintf(out, "deathsByHurt %d (%d%%)\ndeathsByTime %d (%d%%)\ndeathsByOther %d (%d%%)\n",
                 deaths[0], sharePercent(deaths, 3, deaths[0]), deaths[1],
                 sharePercent(deaths, 3, deaths[1]), deaths[2], sharePercent(deaths, 3, deaths[2]));
    std::fprintf(out, "extraStagesUnlocked %d\n", s.extraStagesUnlocked);
    return true;
}
} // namespace

REGISTER_INFO_KIND("stats", printStats);
