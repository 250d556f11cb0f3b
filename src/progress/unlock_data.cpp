#include "progress/unlock_data.h"

#include "platform/log.h"
#include "progress/stage_set.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"

UnlockData unlockData;

namespace {
const char* unlockPath(const char* fileName) {
    return joinText("DATA\\UNLOCK\\", fileName);
}

// The integers are kept as they are: each reader decides what counts (the
// stage select asks for 1, the continue menu stops at 0).
int32_t readFlag(DataReader& in) {
    int32_t value = readInt32(in);
    return in.failed() ? 0 : value;
}

bool reportSaveFailure() {
    gameLog.write("Unable to save UNLOCK DATA");
    showMessage("Error", "Unable to save UNLOCK DATA");
    return false;
}
} // namespace

bool readUnlockData(DataReader& in, int stageCount, int groupCount, UnlockData& out) {
    // Entries beyond this set's counts must not keep another set's progress.
    out = UnlockData();
    for (int s = 0; s < stageCount; ++s) {
        out.stageUnlocked[s] = readFlag(in);
        out.clearedWithCup[s] = readFlag(in);
        out.clearedWithAllGold[s] = readFlag(in);
    }
    for (int g = 0; g < groupCount; ++g)
        out.groupUnlocked[g] = readFlag(in);
    return !in.failed();
}

void loadUnlockData(const char* fileName) {
    gameLog.write(joinText("Loading unlockFile for ", fileName));
    DataReader in;
    if (in.open(unlockPath(fileName))) {
        readUnlockData(in, stageSet.stageCount, stageSet.groupCount, unlockData);
        return;
    }
    unlockData = UnlockData();
    unlockData.stageUnlocked[0] = 1;
    unlockData.groupUnlocked[0] = 1;
}

bool saveUnlockData(const char* fileName) {
    // Without a loaded set there is no name to keep its progress under.
    if (!fileName || !*fileName) return reportSaveFailure();
    DataWriter out;
    if (!out.open(unlockPath(fileName))) return reportSaveFailure();
    for (int s = 0; s < stageSet.stageCount; ++s) {
        writeInt32(out, unlockData.stageUnlocked[s]);
        writeInt32(out, unlockData.clearedWithCup[s]);
        writeInt32(out, unlockData.clearedWithAllGold[s]);
    }
    for (int g = 0; g < stageSet.groupCount; ++g)
        writeInt32(out, unlockData.groupUnlocked[g]);
    if (!out.commit()) return reportSaveFailure();
    return true;
}

int recordStageClear(int s, bool cupTaken, bool allGoldTaken, void (*announce)(int group)) {
    if (s < 0 || s >= stageSet.stageCount) return -1;
    unlockData.stageUnlocked[s + 1] = 1;
    if (cupTaken) unlockData.clearedWithCup[s] = 1;
    if (allGoldTaken) unlockData.clearedWithAllGold[s] = 1;
    int opened = -1;
    for (int g = 0; g < stageSet.groupCount; ++g) {
        if (stageSet.groups[g].firstStage != s + 1) continue;
        if (unlockData.groupUnlocked[g] == 0) {
            unlockData.groupUnlocked[g] = 1;
            opened = g;
        }
        break;
    }
    // The banner comes first: a failed save then reports over it, not before.
    if (opened >= 0 && announce) announce(opened);
    saveUnlockData(stageSet.fileName);
    return opened;
}

bool unlockAll() {
    for (int s = 0; s < stageSet.stageCount; ++s)
        unlockData.stageUnlocked[s] = 1;
    for (int g = 0; g < stageSet.groupCount; ++g)
        unlockData.groupUnlocked[g] = 1;
    return saveUnlockData(stageSet.fileName);
}

int stageSharePercent(const int32_t* flags) {
    if (stageSet.stageCount <= 0) return 0;
    int set = 0;
    for (int s = 0; s < stageSet.stageCount; ++s)
        if (flags[s] == 1) ++set;
    return (int)((double)set / stageSet.stageCount * 100.0);
}
