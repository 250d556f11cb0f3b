#pragma once

// The best times of a stage set: "records\<set file stem>.txt" in the user
// folder (for example "records\DEFAULT.txt"), a text file of our own beside
// the design's files. The only place that spells out its lines:
//
//   # comments
//   best TICK DATE HASH MAPFILE
//   cup TICK DATE HASH MAPFILE
//
// "best" is the stage's best clear, "cup" its best clear with the cup taken.
// TICK is the clear tick (0 to 10 000 000), DATE the day of the clear
// (YYYY-MM-DD), HASH the hash of the map file when it was set (16 hexadecimal
// digits), MAPFILE the stage's map, relative to "DATA\" (at most 79 bytes; the
// rest of the line). Map files compare without regard to letter case; a stage
// has at most one line of each kind (a later one wins).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct StageRecord {
    int32_t tick = -1; // -1: none
    std::string date;
    std::string mapHash;

    bool set() const { return tick >= 0; }
    bool operator==(const StageRecord&) const = default;
};

struct StageRecords {
    StageRecord best; // with or without the cup
    StageRecord cup;
    bool operator==(const StageRecords&) const = default;
};

struct RecordsFile {
    // By map file as written by the stage set; see `of`.
    std::map<std::string, StageRecords> stages;

    // The stage's records, found without regard to letter case; empty ones
    // when it has none.
    StageRecords of(const std::string& mapFile) const;
    StageRecords& at(const std::string& mapFile);
    bool operator==(const RecordsFile&) const = default;
};

// The records a file's text gives; each line that cannot count is skipped with
// a problem ("<name> line N: what"), the rest still counts.
RecordsFile parseRecords(const std::string& text, const std::string& name,
                         std::vector<std::string>& problems);
// The text of the file, with a heading naming the stage set.
std::string formatRecords(const RecordsFile& records, const std::string& setFileName);

// A date as the records hold it: "YYYY-MM-DD".
bool isRecordDate(const std::string& text);
