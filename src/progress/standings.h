#pragma once

#include "progress/medals.h"
#include "progress/records_format.h"

#include <cstdint>

// Where a stage stands: its records, whether they were set on the map as it
// is now, its par and the medal its best earns. What the stage select, the
// Records screen and the tool show.
struct StageStanding {
    StageRecords records;
    bool bestIsOld = false; // set on another version of the map
    bool cupIsOld = false;
    int32_t parTick = -1; // -1: no par
    Medal medal = Medal::None;
};

// The standing of `mapFile` from the set's records, the map file as it is now
// and the par times in force. A record of an old version earns no medal.
StageStanding standingOf(const RecordsFile& records, const char* mapFile);
