// info --kind partimes: the par of each stage, as its clear tick and as the
// clear time the game shows.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "platform/file_bytes.h"
#include "progress/clear_time.h"
#include "progress/par_times.h"

#include <string>
#include <vector>

namespace {
// Far more than a line for every stage of every set.
constexpr long maxParTimesBytes = 256 * 1024;

bool printParTimes(const char* path, std::FILE* out) {
    std::vector<uint8_t> bytes;
    if (!readFileBytes(commandLineFile(path), maxParTimesBytes, bytes)) return false;
    std::vector<std::string> problems;
    ParTimes pars = parseParTimes(std::string(bytes.begin(), bytes.end()), problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (!problems.empty()) return false;
    std::fprintf(out, "partimes %s\nstages %zu\n", path, pars.ticks.size());
    for (const auto& [mapFile, tick] : pars.ticks)
        std::fprintf(out, "  %s %d %s\n", mapFile.c_str(), (int)tick, clearTickText(tick).c_str());
    return true;
}
} // namespace

REGISTER_INFO_KIND("partimes", printParTimes);
