#include "progress/stage_set.h"

#include "level/map.h"
#include "platform/log.h"
#include "progress/unlock_data.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

#include <cstring>
#include <memory>

StageSet stageSet;

namespace {
// A name that would not fit the set's field (or would be cut in the path) could
// silently open another file.
bool fileNameFits(const char* fileName) {
    return fileName && std::strlen(fileName) <= (size_t)maxStringLength;
}

void reportMissing(const char* fileName) {
    showMessage("ERROR", joinText("Stage set ", fileName, " not found!"));
    gameLog.write("Error loading stage set!");
}

} // namespace

void buildStageSet(const StageSetFile& file, const char* fileName, StageSet& set) {
    set = StageSet();
    copyText(set.fileName, fileName, textCapacity);
    copyText(set.title, file.title.c_str(), textCapacity);
    copyText(set.author, file.author.c_str(), textCapacity);
    set.groupCount = (int32_t)file.groups.size();
    for (int32_t g = 0; g < set.groupCount; ++g) {
        StageGroup& group = set.groups[g];
        group.firstStage = set.stageCount;
        copyText(group.name, file.groups[g].name.c_str(), groupNameCapacity);
        for (const std::string& stage : file.groups[g].stages)
            copyText(set.stageFiles[set.stageCount++], stage.c_str(), textCapacity);
    }
}

void readStageTitles(StageSet& set) {
    for (int s = 0; s < set.stageCount; ++s) {
        // The map reader leaves its buffer alone when the map cannot be read,
        // so the title falls back to the file name.
        copyText(set.stageTitles[s], set.stageFiles[s], textCapacity);
        readMapName(set.stageFiles[s], set.stageTitles[s]);
    }
}

bool loadStageSet(const char* fileName) {
    gameLog.write(joinText("Loading StageSet: ", fileName));
    gameLog.indentMore();
    // Parsed aside and committed only when whole, so a bad file never leaves a
    // half-replaced set, nor the new name on the old set's progress.
    StageSetFile file;
    DataReader in;
    if (!fileNameFits(fileName) || !in.open(joinText("DATA\\", fileName)) ||
        !readStageSetFile(in, file)) {
        reportMissing(fileName);
        gameLog.indentLess();
        return false;
    }
    auto loaded = std::make_unique<StageSet>();
    buildStageSet(file, fileName, *loaded);
    readStageTitles(*loaded);
    stageSet = *loaded;
    loadUnlockData(fileName);
    gameLog.indentLess();
    return true;
}

bool readStageSetInfo(const char* fileName, StageSetInfo& info) {
    StageSetHeader header;
    DataReader in;
    if (fileNameFits(fileName) && in.open(joinText("DATA\\", fileName)) &&
        readStageSetHeader(in, header)) {
        info = StageSetInfo();
        copyText(info.title, header.title.c_str(), textCapacity);
        copyText(info.author, header.author.c_str(), textCapacity);
        info.levels = header.stageCount;
        return true;
    }
    reportMissing(fileName);
    return false;
}
