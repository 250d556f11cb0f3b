// info --kind unlock: the flags of an unlock file, laid out by the stage set of
// the same name: the set beside the unlock folder ("DATA/UNLOCK/X.STG" ->
// "DATA/X.STG"), else the set of that name in the game's data tree.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "progress/stage_set.h"
#include "progress/unlock_data.h"
#include "text/data_file.h"
#include "text/text_pool.h"

#include <filesystem>
#include <memory>
#include <string>

namespace {
bool readSet(DataReader& in, StageSetFile& set) {
    return in.isOpen() && readStageSetFile(in, set);
}

bool printUnlock(const char* path, std::FILE* out) {
    std::filesystem::path unlock(commandLineFile(path));
    std::filesystem::path beside = unlock.parent_path().parent_path() / unlock.filename();
    std::string setName = beside.string();
    DataReader setIn;
    StageSetFile file;
    setIn.openSystemPath(setName);
    if (!readSet(setIn, file)) {
        setName = joinText("DATA\\", unlock.filename().c_str());
        setIn.open(setName.c_str());
        // Without its set the file cannot be laid out: it holds no counts.
        if (!readSet(setIn, file)) return false;
    }
    auto set = std::make_unique<StageSet>();
    buildStageSet(file, "", *set);
    DataReader in;
    auto data = std::make_unique<UnlockData>();
    if (!openCommandLineFile(path, in) ||
        !readUnlockData(in, set->stageCount, set->groupCount, *data))
        return false;
    std::fprintf(out, "unlock %s\nstageset %s\nstages %d\ngroups %d\n", path, setName.c_str(),
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
