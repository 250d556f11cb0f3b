#pragma once

#include "assets/map_source.h"

#include <string>

// Saving a stage: the text source always; when it compiles, its map into the
// user folder's DATA, the map added to the stage set "DATA\MYSTAGES.STG" (one
// group, "My Stages") and that set's unlock file written with every stage
// open, so the game offers it at once.
struct SaveOutcome {
    bool sourceSaved = false;
    bool playable = false; // the map and the set were written
    std::string mapFile;   // "CLIFFS.MAP"
    std::string message;   // for the status line
};

constexpr const char* myStagesFile = "MYSTAGES.STG";
constexpr const char* myStagesGroup = "My Stages";

// The map file a source is played as: its file name's stem in capitals, what
// a map name may not hold replaced ("my cliffs.txt" is "MY_CLIFFS.MAP").
std::string mapFileForSource(const std::string& sourcePath);

// `noClear` adds the warning that the live check found no clear; the save is
// not refused.
SaveOutcome saveStage(const StageSource& stage, const std::string& sourcePath, bool noClear);

// Adds a map to the "My Stages" set (made when missing) and rewrites the set's
// unlock file; false when either cannot be written.
bool addToMyStages(const std::string& mapFile);
