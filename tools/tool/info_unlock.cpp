// info --kind unlock: the flags of an unlock file, laid out by the stage set of
// the same name in the folder above the unlock folder.
#include "tool/info.h"

#include "progress/stage_set.h"
#include "progress/unlock_data.h"

#include <memory>
#include <string>

namespace {
// DATA/UNLOCK/DEFAULT.STG -> DATA/DEFAULT.STG
std::string stageSetPathFor(const std::string& unlockPath) {
    size_t slash = unlockPath.find_last_of("/\\");
    if (slash == std::string::npos) return "../" + unlockPath;
    std::string folder = unlockPath.substr(0, slash);
    std::string name = unlockPath.substr(slash + 1);
    size_t parent = folder.find_last_of("/\\");
    return parent == std::string::npos ? name : folder.substr(0, parent + 1) + name;
}

bool printUnlock(const char* path, std::FILE* out) {
    std::string setPath = stageSetPathFor(path);
    auto set = std::make_unique<StageSet>();
    // Without its set the file cannot be laid out: it holds no counts.
    if (!readStageSetFile(setPath.c_str(), *set)) return false;
    DataReader in;
    auto data = std::make_unique<UnlockData>();
    if (!in.open(path) || !readUnlockData(in, set->stageCount, set->groupCount, *data))
        return false;
    std::fprintf(out, "unlock %s\nstageset %s\nstages %d\ngroups %d\n", path, setPath.c_str(),
                 set->stageCount, set->groupCount);
    for (int s = 0; s < set->stageCount; ++s)
        std::fprintf(out, "stage %d unlocked %d cup %d allgold %d\n", s, data->stageUnlocked[s],
                     data->clearedWithCup[s], data->clearedWithAllGold[s]);
    for (int g = 0; g < set->groupCount; ++g)
        std::fprintf(out, "group %d \"%s\" unlocked %d\n", g, set->groups[g].name,
                     data->groupUnlocked[g]);
    return true;
}
} // namespace

REGISTER_INFO_KIND("unlock", printUnlock);
