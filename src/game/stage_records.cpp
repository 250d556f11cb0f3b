#include "game/stage_records.h"

#include "game/ghost.h"
#include "game/play_records.h"
#include "progress/map_hash.h"
#include "progress/records.h"
#include "progress/stage_set.h"

bool bookStageClear() {
    if (playMode.demoMode == DemoMode::Playback || !*stageSet.fileName) return false;
    std::string hash = mapFileHash(currentMapFile);
    if (hash.empty()) return false;
    int32_t clearTick = stageTicksElapsed() - 1;
    RecordsFile records = loadRecords(stageSet.fileName);
    ClearBooking booking =
        bookClear(records, currentMapFile, hash, clearTick, playRecord.cupThisStage, todayDate());
    if (!booking.any()) return false;
    // A best the disk refused is not kept: no "New record!", and no ghost of it.
    if (!saveRecords(stageSet.fileName, records)) return false;
    if (booking.newBest && playMode.singleStage) saveRecordedGhost(currentMapFile, hash, clearTick);
    return true;
}
