// records: the best times, pars and medals kept for a stage set, read from the
// player's folder by the game's own rules.
#include "tool/command.h"

#include "platform/paths.h"
#include "progress/clear_time.h"
#include "progress/par_times.h"
#include "progress/records.h"
#include "progress/stage_set.h"
#include "progress/standings.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
// The player's folder as the game chooses it: the game folder itself in a build
// tree (the program beside its data), else $XDG_DATA_HOME/tumblo.
std::string playerFolder() {
    std::error_code error;
    std::string tree = std::filesystem::current_path(error).string();
    if (folderHolds(tree, "tumblo") && folderHolds(tree, "DATA")) return tree;
    return userDataFolder("tumblo");
}

std::string timeCell(const StageRecord& record, bool old) {
    if (!record.set()) return "-";
    return clearTickText(record.tick) + (old ? " (old version)" : "");
}

int records(int argc, char** argv) {
    const char* set = nullptr;
    std::string user;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--user-dir") == 0 && i + 1 < argc) {
            user = argv[++i];
        } else if (!set && argv[i][0] != '-') {
            set = argv[i];
        } else {
            std::fprintf(stderr, "usage: tumblo-tool records [SET] [--user-dir DIR]\n");
            return 2;
        }
    }
    if (!set) set = "DEFAULT.STG";
    if (user.empty()) user = playerFolder();
    std::error_code error;
    setFileRoots(std::filesystem::current_path(error).string(), user);
    if (!loadStageSet(set)) return 2;
    loadParTimes();
    RecordsFile kept = loadRecords(stageSet.fileName);
    std::printf("%s: %s (records: %s)\n", stageSet.fileName, stageSet.title,
                resolvePath(recordsPath(stageSet.fileName).c_str()).c_str());
    std::printf("%-24s %-24s %-24s %-10s %s\n", "Stage", "Best", "Best with cup", "Par", "Medal");
    for (int s = 0; s < stageSet.stageCount; ++s) {
        StageStanding standing = standingOf(kept, stageSet.stageFiles[s]);
        std::printf("%-24s %-24s %-24s %-10s %s\n", stageSet.stageTitles[s],
                    timeCell(standing.records.best, standing.bestIsOld).c_str(),
                    timeCell(standing.records.cup, standing.cupIsOld).c_str(),
                    standing.parTick < 0 ? "-" : clearTickText(standing.parTick).c_str(),
                    standing.medal == Medal::None ? "-" : medalName(standing.medal));
    }
    return 0;
}
} // namespace

REGISTER_COMMAND("records", "records [SET] [--user-dir DIR]   (default: DEFAULT.STG)", records);
