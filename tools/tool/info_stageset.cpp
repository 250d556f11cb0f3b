// info --kind stageset: a stage set's header, groups and stages with their titles.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "progress/stage_set.h"
#include "text/data_file.h"

#include <memory>

namespace {
bool printStageSet(const char* path, std::FILE* out) {
    DataReader in;
    StageSetFile file;
    if (!openCommandLineFile(path, in) || !readStageSetFile(in, file)) return false;
    auto set = std::make_unique<StageSet>();
    buildStageSet(file, "", *set);
    // Titles come from the maps in the game's data tree, as in the game.
    readStageTitles(*set);
    std::fprintf(out, "stageset %s\ntitle \"%s\"\nauthor \"%s\"\nstages %d\ngroups %d\n", path,
                 set->title, set->author, set->stageCount, set->groupCount);
    for (int g = 0; g < set->groupCount; ++g) {
        const StageGroup& group = set->groups[g];
        int end = g + 1 < set->groupCount ? set->groups[g + 1].firstStage : set->stageCount;
        std::fprintf(out, "group %d \"%s\" first %d count %d\n", g, group.name, group.firstStage,
                     end - group.firstStage);
        for (int s = group.firstStage; s < end; ++s)
            std::fprintf(out, "  stage %d %s \"%s\"\n", s, set->stageFiles[s], set->stageTitles[s]);
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("stageset", printStageSet);
