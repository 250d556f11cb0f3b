#include "progress/par_times.h"

#include "platform/log.h"
#include "text/text_lines.h"

#include <cctype>

ParTimes parTimes;

namespace {
// Far more than the pars of 99 sets; anything larger is not such a file.
constexpr long maxParTimesBytes = 256 * 1024;

std::string upper(std::string text) {
    for (char& c : text)
        c = (char)std::toupper((unsigned char)c);
    return text;
}
} // namespace

void ParTimes::set(const std::string& mapFile, int32_t tick) {
    ticks[upper(mapFile)] = tick;
}

int32_t ParTimes::of(const std::string& mapFile) const {
    auto found = ticks.find(upper(mapFile));
    return found == ticks.end() ? -1 : found->second;
}

ParTimes parseParTimes(const std::string& text, std::vector<std::string>& problems) {
    ParTimes pars;
    for (const TextLine& line : meaningfulLines(text)) {
        std::vector<std::string> words;
        std::string mapFile;
        long tick = 0;
        if (!splitLeadingWords(line.text, 1, words, mapFile) ||
            !parseWholeNumber(words[0], 0, maxClearTick, tick) || mapFile.size() > 79) {
            problems.push_back("PARTIMES.TXT line " + std::to_string(line.number) +
                               ": not \"TICK MAPFILE\"");
            continue;
        }
        pars.set(mapFile, (int32_t)tick);
    }
    return pars;
}

std::string formatParTimes(const ParTimes& pars) {
    std::string text = "# Par times: the clear tick of each stage's solution demo (which takes\n"
                       "# its cup), then the stage's map file.\n";
    for (const auto& [mapFile, tick] : pars.ticks)
        text += std::to_string(tick) + " " + mapFile + "\n";
    return text;
}

void loadParTimes() {
    gameLog.write("Loading par times");
    std::string text;
    parTimes = ParTimes();
    if (!readTextFile(parTimesFile, maxParTimesBytes, text)) {
        gameLog.write("No par times: stages show no par");
        return;
    }
    std::vector<std::string> problems;
    parTimes = parseParTimes(text, problems);
    logProblems(problems, "PARTIMES.TXT");
}
