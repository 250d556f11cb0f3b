#pragma once

#include "progress/stage_set_format.h"
#include "text/data_file.h"

#include <cstdint>

// A stage set ("DATA\" + file name): a run of stages (map files) in named groups,
// with a title and an author.

constexpr int textCapacity = maxStringLength + 1;

struct StageGroup {
    int32_t firstStage = 0;
    char name[groupNameCapacity] = {};
};

struct StageSet {
    char fileName[textCapacity] = {}; // also names the unlock file
    char title[textCapacity] = {};
    char author[textCapacity] = {};
    int32_t stageCount = 0;
    int32_t groupCount = 0;
    StageGroup groups[maxGroups];
    char stageFiles[maxStages][textCapacity] = {};
    char stageTitles[maxStages][textCapacity] = {};
};

// The header of a set, for the stage-set list.
struct StageSetInfo {
    char title[textCapacity] = {};
    char author[textCapacity] = {};
    int32_t levels = 0;
};

// The set in use.
extern StageSet stageSet;

// Loads "DATA\" + fileName with its stage titles and its unlock data. A missing or
// malformed file is reported and leaves the set in use (its name included) as it
// was.
bool loadStageSet(const char* fileName);
// Reads only the header of "DATA\" + fileName; the set in use is not touched.
bool readStageSetInfo(const char* fileName, StageSetInfo& info);

// The set a stage set file describes, with its file name; the stage titles are
// left empty.
void buildStageSet(const StageSetFile& file, const char* fileName, StageSet& set);
// Fills every stage title from its map's name, the file name where the map
// cannot be read.
void readStageTitles(StageSet& set);
