#include "progress/stage_set.h"

#include "level/map.h"
#include "platform/log.h"
#include "progress/unlock_data.h"
#include "text/message_screen.h"
#include "text/text_pool.h"
#include "text/text_utils.h"

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

bool readGroups(DataReader& in, StageSet& set) {
    int32_t next = 0;
    for (int g = 0; g < set.groupCount; ++g) {
        StageGroup& group = set.groups[g];
        readString(group.name, in, groupNameCapacity);
        group.firstStage = next;
        int32_t count = readInt32(in);
        if (in.failed() || count < 0 || count > set.stageCount - next) return false;
        for (int i = 0; i < count; ++i)
            readString(set.stageFiles[next + i], in);
        if (in.failed()) return false;
        next += count;
    }
    // Everything else takes stageCount as the number of stages, so the groups
    // must account for every one of them.
    return next == set.stageCount;
}
} // namespace

bool readStageSetFile(const char* gamePath, StageSet& set) {
    DataReader in;
    if (!in.open(gamePath)) return false;
    set.stageCount = readInt32(in);
    readString(set.title, in);
    readString(set.author, in);
    set.groupCount = readInt32(in);
    if (in.failed()) return false;
    if (set.stageCount < 0 || set.stageCount > maxStages) return false;
    if (set.groupCount < 0 || set.groupCount > maxGroups) return false;
    for (StageGroup& group : set.groups)
        group = StageGroup();
    return readGroups(in, set);
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
    auto loaded = std::make_unique<StageSet>();
    if (!fileNameFits(fileName) || !readStageSetFile(joinText("DATA\\", fileName), *loaded)) {
        reportMissing(fileName);
        gameLog.indentLess();
        return false;
    }
    copyText(loaded->fileName, fileName, textCapacity);
    readStageTitles(*loaded);
    stageSet = *loaded;
    loadUnlockData(fileName);
    gameLog.indentLess();
    return true;
}

bool readStageSetInfo(const char* fileName, StageSetInfo& info) {
    StageSetInfo header;
    DataReader in;
    if (fileNameFits(fileName) && in.open(joinText("DATA\\", fileName))) {
        header.levels = readInt32(in);
        readString(header.title, in);
        readString(header.author, in);
        if (!in.failed() && header.levels >= 0 && header.levels <= maxStages) {
            info = header;
            return true;
        }
    }
    reportMissing(fileName);
    return false;
}
