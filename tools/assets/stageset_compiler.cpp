// content/stagesets/<name>.txt -> "DATA\<NAME>.STG" (or the file named by a
// "file" line): a run of stages in named groups.
//
//   file    tumblodata.dat      optional: the data file's name inside DATA
//   title   Tumblo
//   author  The Tumblo team
//   group   Tropical Island     a group and its stages' map files, in play order
//   stage   TROP01.MAP
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "progress/stage_set_format.h"
#include "text/data_file.h"
#include "text/text_utils.h"

namespace {
constexpr int maxGroupName = groupNameCapacity - 1;

struct StageSetSource {
    std::string fileName;
    StageSetFile set;
};

bool hasMapSource(const std::string& contentDir, const std::string& mapFile) {
    for (const std::string& path : listSources(contentDir, "maps"))
        if (equalsIgnoreCase((sourceStem(path, true) + ".MAP").c_str(), mapFile.c_str()))
            return true;
    return false;
}

bool parseStageSet(const std::string& contentDir, const SourceFile& file, StageSetSource& source) {
    StageSetFile& set = source.set;
    int stageCount = 0;
    for (const SourceLine& here : file.lines()) {
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        const std::string& key = words[0];
        std::string text = textAfterKeyword(here.text, key);
        if (key != "file" && key != "title" && key != "author" && key != "group" &&
            key != "stage") {
            sourceError(file.path(), here.number, "unknown line '" + key + "'");
            return false;
        }
        int limit = key == "group" ? maxGroupName : maxStringLength;
        if (!checkTextFits(file, here.number, ("the " + key).c_str(), text, limit)) return false;
        if (text.empty() && key != "author") {
            sourceError(file.path(), here.number, key + " needs a text");
            return false;
        }
        if (key == "file") {
            if (text.find_first_of("\\/") != std::string::npos) {
                sourceError(file.path(), here.number, "file names a file inside DATA, no folder");
                return false;
            }
            source.fileName = text;
        } else if (key == "title") {
            set.title = text;
        } else if (key == "author") {
            set.author = text;
        } else if (key == "group") {
            if ((int)set.groups.size() == maxGroups) {
                sourceError(file.path(), here.number, "more than 25 groups");
                return false;
            }
            set.groups.push_back({text, {}});
        } else {
            if (set.groups.empty()) {
                sourceError(file.path(), here.number, "a stage must follow a group line");
                return false;
            }
            if (++stageCount > maxStages) {
                sourceError(file.path(), here.number, "more than 99 stages");
                return false;
            }
            if (!hasMapSource(contentDir, text)) {
                sourceError(file.path(), here.number,
                            "no map source under content/maps builds " + text);
                return false;
            }
            set.groups.back().stages.push_back(text);
        }
    }
    if (set.title.empty() || set.groups.empty()) {
        sourceError(file.path(), 0, "a stage set needs a title and at least one group");
        return false;
    }
    for (const StageSetFileGroup& g : set.groups)
        if (g.stages.empty()) {
            sourceError(file.path(), 0, "group '" + g.name + "' has no stages");
            return false;
        }
    return true;
}

bool compileStageSet(const std::string& contentDir, const std::string& path) {
    SourceFile file;
    if (!file.read(path)) return false;
    StageSetSource source;
    source.fileName = sourceStem(path, true) + ".STG";
    if (!parseStageSet(contentDir, file, source)) return false;
    std::string target = "DATA\\" + source.fileName;
    DataWriter out;
    if (!out.open(target.c_str())) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    writeStageSetFile(out, source.set);
    if (!out.commit()) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    return true;
}

bool compileStageSets(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "stagesets"))
        ok = compileStageSet(contentDir, path) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("stagesets", compileStageSets);
