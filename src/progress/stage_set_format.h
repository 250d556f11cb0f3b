#pragma once

// The stage set file ("DATA\*.STG", and the extra set "data\tumblodata.dat"):
// binary, little-endian, no magic. The only place that spells out its fields
// and limits:
//
//   stageCount, title, author (texts of at most 79 bytes), groupCount, then per
//   group: name (at most 39 bytes), the group's stage count, and that many map
//   file names (relative to "DATA\", at most 79 bytes). The groups together hold
//   exactly stageCount stages.

#include <cstdint>
#include <string>
#include <vector>

class DataReader;
class DataWriter;

constexpr int maxStages = 99;
constexpr int maxGroups = 25;
constexpr int groupNameCapacity = 40; // 39 characters and the terminator

struct StageSetFileGroup {
    std::string name;
    std::vector<std::string> stages; // map files
    bool operator==(const StageSetFileGroup&) const = default;
};

struct StageSetFile {
    std::string title, author;
    std::vector<StageSetFileGroup> groups;
    int32_t stageCount() const;
};

// The header alone, as the stage-set list shows it.
struct StageSetHeader {
    int32_t stageCount = 0;
    std::string title, author;
};

// False when the file is short, a text does not fit, a count is negative or
// beyond the limits, or the groups do not hold exactly stageCount stages.
bool readStageSetFile(DataReader& in, StageSetFile& out);
// False when the header is short or its stage count is outside 0..99.
bool readStageSetHeader(DataReader& in, StageSetHeader& out);
// Writes the set as given, with the stage count of its groups.
void writeStageSetFile(DataWriter& out, const StageSetFile& set);
