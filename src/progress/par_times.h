#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Par times: "DATA\PARTIMES.TXT", a text file of our own installed with the
// data, which the asset compiler writes from the shipped solution demos. One
// stage a line, "TICK MAPFILE": the clear tick of the stage's solution (which
// takes its cup) and its map file, relative to "DATA\". "#" starts a comment.
// A stage without a solution has no par.

constexpr const char* parTimesFile = "DATA\\PARTIMES.TXT";

// Clear ticks by map file; map files compare without regard to letter case.
struct ParTimes {
    std::map<std::string, int32_t> ticks; // keys in upper case

    void set(const std::string& mapFile, int32_t tick);
    // -1 when the stage has no par.
    int32_t of(const std::string& mapFile) const;
    bool operator==(const ParTimes&) const = default;
};

// The pars a file's text gives; each line that cannot count is skipped with a
// problem ("PARTIMES.TXT line N: what").
ParTimes parseParTimes(const std::string& text, std::vector<std::string>& problems);
std::string formatParTimes(const ParTimes& pars);

// The pars of the game's data, read at start-up (with a log line) and kept.
extern ParTimes parTimes;
void loadParTimes();

// The longest clear a record or a par may hold: more than a day of ticks.
constexpr int32_t maxClearTick = 10'000'000;
