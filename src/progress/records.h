#pragma once

#include "progress/records_format.h"

#include <cstdint>
#include <string>

// The best times kept for every stage of every stage set, in the user folder
// (the format: records_format.h). A clear in a normal game or in training
// counts; a demo playback never does. A record is kept against the hash of
// the stage's map file: a record of another version of the map is shown as
// such and beaten by any clear.

// "records\" + the set's file name without its extension + ".txt".
std::string recordsPath(const char* setFileName);
// A set's records; none without a file. Lines of a damaged file that cannot
// count are logged and skipped.
RecordsFile loadRecords(const char* setFileName);
// Writes a set's records through the atomic writer; false when it fails (the
// old file stays, with a log line).
bool saveRecords(const char* setFileName, const RecordsFile& records);

// What a clear beat.
struct ClearBooking {
    bool newBest = false;
    bool newCupBest = false;
    bool any() const { return newBest || newCupBest; }
};
// Books a clear of `mapFile` in `clearTick`, its map now hashing to `mapHash`;
// `date` is the day of the clear.
ClearBooking bookClear(RecordsFile& records, const std::string& mapFile, const std::string& mapHash,
                       int32_t clearTick, bool cupTaken, const std::string& date);
// True when the record was set on another version of the map than the one of
// `currentHash`.
bool isOldVersion(const StageRecord& record, const std::string& currentHash);
// Today in local time, "YYYY-MM-DD".
std::string todayDate();
