#include "progress/standings.h"

#include "progress/map_hash.h"
#include "progress/par_times.h"
#include "progress/records.h"

StageStanding standingOf(const RecordsFile& records, const char* mapFile) {
    StageStanding s;
    s.records = records.of(mapFile);
    std::string hash = mapFileHash(mapFile);
    s.bestIsOld = isOldVersion(s.records.best, hash);
    s.cupIsOld = isOldVersion(s.records.cup, hash);
    s.parTick = parTimes.of(mapFile);
    if (!s.bestIsOld) s.medal = medalFor(s.records.best.tick, s.parTick);
    return s;
}
