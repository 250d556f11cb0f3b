#include "edit/save_for_play.h"
#include "edit/stage_check.h"
#include "edit/stage_file.h"

#include "progress/stage_set.h"
#include "progress/stage_set_format.h"
#include "progress/unlock_data.h"
#include "text/data_file.h"

#include <cctype>
#include <filesystem>

std::string mapFileForSource(const std::string& sourcePath) {
    std::string stem = std::filesystem::path(sourcePath).stem().string();
    std::string name;
    for (char c : stem)
        name += std::isalnum((unsigned char)c) ? (char)std::toupper((unsigned char)c) : '_';
    if (name.empty()) name = "STAGE";
    if (name.size() > 40) name.resize(40);
    return name + ".MAP";
}

bool addToMyStages(const std::string& mapFile) {
    StageSetFile set;
    DataReader in;
    std::string path = std::string("DATA\\") + myStagesFile;
    // A set that cannot be read is made afresh: it holds only the editor's stages.
    if (!in.open(path.c_str()) || !readStageSetFile(in, set) || set.groups.size() != 1) {
        set = StageSetFile();
        set.title = myStagesGroup;
        set.author = "tumblo-edit";
        set.groups.push_back({myStagesGroup, {}});
    }
    std::vector<std::string>& stages = set.groups[0].stages;
    bool listed = false;
    for (const std::string& s : stages)
        listed = listed || s == mapFile;
    if (!listed) {
        if (set.stageCount() >= maxStages) return false;
        stages.push_back(mapFile);
    }
    DataWriter out;
    if (!out.open(path.c_str())) return false;
    writeStageSetFile(out, set);
    if (!out.commit()) return false;
    // The unlock file's layout follows the set: written anew, every stage open.
    buildStageSet(set, myStagesFile, stageSet);
    unlockData = UnlockData();
    return unlockAll();
}

SaveOutcome saveStage(const StageSource& stage, const std::string& sourcePath, bool noClear) {
    SaveOutcome outcome;
    std::string name = std::filesystem::path(sourcePath).filename().string();
    if (!writeStageFile(sourcePath, stage)) {
        outcome.message = "Cannot write " + name;
        return outcome;
    }
    outcome.sourceSaved = true;
    MapFile map;
    std::string fault;
    if (!compileForPlay(stage, map, fault)) {
        outcome.message = "Saved " + name + "; not playable: " + fault;
        return outcome;
    }
    outcome.mapFile = mapFileForSource(sourcePath);
    DataWriter out;
    std::string mapPath = "DATA\\" + outcome.mapFile;
    bool written = out.open(mapPath.c_str());
    if (written) {
        writeMapFile(out, map);
        written = out.commit();
    }
    if (!written || !addToMyStages(outcome.mapFile)) {
        outcome.message = "Saved " + name + "; cannot write " + mapPath + " to play it";
        return outcome;
    }
    outcome.playable = true;
    outcome.message = "Saved " + name + " and " + outcome.mapFile + " in " + myStagesGroup;
    if (noClear) outcome.message += " (warning: no clear found)";
    return outcome;
}
