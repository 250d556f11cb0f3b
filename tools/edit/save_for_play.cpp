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

namespace {
const std::string myStagesPath = std::string("DATA\\") + myStagesFile;

// The set as it is, or a new one when it cannot be read: it holds only the
// editor's stages.
StageSetFile myStages() {
    StageSetFile set;
    DataReader in;
    if (!in.open(myStagesPath.c_str()) || !readStageSetFile(in, set) || set.groups.size() != 1) {
        set = StageSetFile();
        set.title = myStagesGroup;
        set.author = "tumblo-edit";
        set.groups.push_back({myStagesGroup, {}});
    }
    return set;
}

bool listed(const StageSetFile& set, const std::string& mapFile) {
    for (const std::string& s : set.groups[0].stages)
        if (s == mapFile) return true;
    return false;
}

// A map of the game's own (a shipped stage's name) is never written over: the
// stage takes the first free name with a number after it.
std::string freeMapFile(const std::string& wanted) {
    StageSetFile set = myStages();
    std::string stem = wanted.substr(0, wanted.size() - 4), name = wanted;
    for (int n = 2; n < 1000; ++n) {
        DataReader in;
        if (listed(set, name) || !in.open(("DATA\\" + name).c_str())) return name;
        name = stem + "_" + std::to_string(n) + ".MAP";
    }
    return name;
}
} // namespace

bool addToMyStages(const std::string& mapFile) {
    StageSetFile set = myStages();
    const std::string& path = myStagesPath;
    if (!listed(set, mapFile)) {
        if (set.stageCount() >= maxStages) return false;
        set.groups[0].stages.push_back(mapFile);
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
    outcome.mapFile = freeMapFile(mapFileForSource(sourcePath));
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
